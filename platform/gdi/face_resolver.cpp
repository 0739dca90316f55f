#include "platform/gdi/face_resolver.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <string_view>

#include "platform/core/utf8.h"
#include "platform/gdi/font_engine.h"

namespace gdi {

namespace {

const auto* const kKorean = reinterpret_cast<const FcChar8*>("ko");

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// A family name fontconfig can read; a name with no UTF-8 form matches nothing.
std::string Utf8(std::wstring_view text) {
  return platform::Utf8FromWide(std::wstring(text)).value_or("");
}

Pattern Request(const std::string& family, const FontSpec& wanted, bool korean) {
  Pattern pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                      wanted.weight >= kBoldFromWeight ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, wanted.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  if (korean) {
    FcLangSet* languages = FcLangSetCreate();
    FcLangSetAdd(languages, kKorean);
    FcPatternAddLangSet(pattern.get(), FC_LANG, languages);
    FcLangSetDestroy(languages);
  }
  return pattern;
}

bool SpeaksKorean(FcPattern* font) {
  FcLangSet* languages = nullptr;
  return FcPatternGetLangSet(font, FC_LANG, 0, &languages) == FcResultMatch &&
         FcLangSetHasLang(languages, kKorean) == FcLangEqual;
}

bool HasFamily(FcPattern* font, const std::string& family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i)
    if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family.c_str())) == 0)
      return true;
  return false;
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
  FcMatrix* matrix = nullptr;
  file.slant = FcPatternGetMatrix(font, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix->xy != 0;
  return file;
}

}  // namespace

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
  if (!IsDeviceFace(wanted.face)) {
    const std::string family = Utf8(wanted.face);
    Pattern named = state_->Match(Request(family, wanted, true));
    if (named && HasFamily(named.get(), family) && SpeaksKorean(named.get()))
      return FileOf(named.get());
  }
  Pattern fallback = state_->Match(Request("sans-serif", wanted, true));
  if (!fallback) return std::nullopt;
  if (!SpeaksKorean(fallback.get()) && !state_->warnedNoKorean) {
    state_->warnedNoKorean = true;
    std::fprintf(stderr, "roadtally: no Korean font installed; Hangul text will not show\n");
  }
  return FileOf(fallback.get());
}

}  // namespace gdi
