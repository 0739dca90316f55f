#include "platform/gdi/face_resolver.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwctype>
#include <string_view>

#include "platform/core/utf8.h"
#include "platform/gdi/font_engine.h"

namespace gdi {

namespace {

constexpr int kSemiBold = 600;
const auto* const kKorean = reinterpret_cast<const FcChar8*>("ko");
// Face names of the device that no desktop has; served by the fallback.
constexpr std::array<std::wstring_view, 3> kDeviceFaces = {L"Gulim", L"System", L"MS Sans Serif"};

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

bool IsDeviceFace(std::wstring_view face) {
  return std::any_of(kDeviceFaces.begin(), kDeviceFaces.end(),
                     [face](std::wstring_view known) { return EqualNoCase(face, known); });
}

// A family name fontconfig can read; a name with no UTF-8 form matches nothing.
std::string Utf8(std::wstring_view text) {
  return platform::Utf8FromWide(std::wstring(text)).value_or("");
}

Pattern Request(const std::string& family, const FontSpec& wanted, bool korean) {
  Pattern pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                      wanted.weight >= kSemiBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
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

struct FaceResolver::State {
  FcConfig* config = FcInitLoadConfigAndFonts();
  bool warnedNoKorean = false;

  ~State() {
    if (config) FcConfigDestroy(config);
  }

  Pattern Match(Pattern request) const {
    FcConfigSubstitute(config, request.get(), FcMatchPattern);
    FcDefaultSubstitute(request.get());
    FcResult result = FcResultNoMatch;
    return Pattern(FcFontMatch(config, request.get(), &result));
  }
};

FaceResolver::FaceResolver() : state_(std::make_unique<State>()) {}
FaceResolver::~FaceResolver() = default;

std::optional<FaceFile> FaceResolver::Resolve(const FontSpec& wanted) {
  if (!state_->config) return std::nullopt;
  if (!wanted.face.empty() && !IsDeviceFace(wanted.face)) {
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
