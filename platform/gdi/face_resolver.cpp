#include "platform/gdi/face_resolver.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/gdi/font_engine.h"

namespace gdi {

namespace {

const auto* const kKorean = reinterpret_cast<const FcChar8*>("ko");

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

Pattern Request(const FontSpec& wanted) {
  Pattern pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                      wanted.weight >= kBoldFromWeight ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcLangSet* languages = FcLangSetCreate();
  FcLangSetAdd(languages, kKorean);
  FcPatternAddLangSet(pattern.get(), FC_LANG, languages);
  FcLangSetDestroy(languages);
  return pattern;
}

bool SpeaksKorean(FcPattern* font) {
  FcLangSet* languages = nullptr;
  return FcPatternGetLangSet(font, FC_LANG, 0, &languages) == FcResultMatch &&
         FcLangSetHasLang(languages, kKorean) == FcLangEqual;
}

std::optional<FaceFile> FileOf(FcPattern* font) {
  FcChar8* path = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &path) != FcResultMatch) return std::nullopt;
  FaceFile file;
  file.path = reinterpret_cast<const char*>(path);
  FcPatternGetInteger(font, FC_INDEX, 0, &file.index);
  FcBool embolden = FcFalse;
  FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
  file.embolden = embolden == FcTrue;
  return file;
}

constexpr char kRegularFile[] = "/usr/share/fonts/truetype/nanum/NanumGothic.ttf";
constexpr char kBoldFile[] = "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf";

bool Exists(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }

// Fontconfig reads another configuration than the system's when told to by
// the environment, and the system's reads the user's own files.
bool FontconfigMayChooseOtherwise() {
  for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"})
    if (std::getenv(variable)) return true;
  const char* home = std::getenv("HOME");
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  std::string userConfig;
  if (configHome && *configHome)
    userConfig = std::string(configHome) + "/fontconfig";
  else if (home)
    userConfig = std::string(home) + "/.config/fontconfig";
  if (!userConfig.empty() && (Exists(userConfig + "/fonts.conf") || Exists(userConfig + "/conf.d")))
    return true;
  return home && (Exists(std::string(home) + "/.fonts.conf") ||
                  Exists(std::string(home) + "/.fonts.conf.d"));
}

}  // namespace

std::optional<FaceFile> KnownKoreanFace(const FontSpec& wanted) {
  if (FontconfigMayChooseOtherwise()) return std::nullopt;
  FaceFile file;
  file.path = wanted.weight >= kBoldFromWeight ? kBoldFile : kRegularFile;
  if (!Exists(file.path)) return std::nullopt;
  return file;
}

// Fontconfig's configuration and font list, loaded when first needed.
struct FaceResolver::State {
  explicit State(FaceLookup lookup) : lookup(lookup) {}
  ~State() {
    if (config) FcConfigDestroy(config);
  }

  FaceLookup lookup;
  bool loaded = false;
  FcConfig* config = nullptr;
  bool warnedNoKorean = false;

  FcConfig* Config() {
    if (!loaded) config = FcInitLoadConfigAndFonts();
    loaded = true;
    return config;
  }

  Pattern Match(Pattern request) {
    FcConfigSubstitute(config, request.get(), FcMatchPattern);
    FcDefaultSubstitute(request.get());
    FcResult result = FcResultNoMatch;
    return Pattern(FcFontMatch(config, request.get(), &result));
  }
};

FaceResolver::FaceResolver(FaceLookup lookup) : state_(std::make_unique<State>(lookup)) {}
FaceResolver::~FaceResolver() = default;

std::optional<FaceFile> FaceResolver::Resolve(const FontSpec& wanted) {
  if (state_->lookup == FaceLookup::kKnownFilesFirst)
    if (std::optional<FaceFile> known = KnownKoreanFace(wanted)) return known;
  if (!state_->Config()) return std::nullopt;
  Pattern sans = state_->Match(Request(wanted));
  if (!sans) return std::nullopt;
  if (!SpeaksKorean(sans.get()) && !state_->warnedNoKorean) {
    state_->warnedNoKorean = true;
    std::fprintf(stderr, "roadtally: no Korean font installed; Hangul text will not show\n");
  }
  return FileOf(sans.get());
}

}  // namespace gdi
