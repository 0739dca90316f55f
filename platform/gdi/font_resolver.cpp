#include "platform/gdi/font_resolver.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace gdi {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

std::string Utf8(const std::wstring& text) {
  std::string out;
  for (wchar_t w : text) {
    const auto c = static_cast<char32_t>(w);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

bool CoversKorean(FcPattern* font) {
  FcLangSet* langs = nullptr;
  if (FcPatternGetLangSet(font, FC_LANG, 0, &langs) != FcResultMatch) return false;
  return FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ko")) == FcLangEqual;
}

std::string FamilyOf(FcPattern* font) {
  FcChar8* family = nullptr;
  if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch) return {};
  return reinterpret_cast<const char*>(family);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The best installed match for a family, preferring Korean coverage.
Pattern Match(const std::string& family, int weight, bool italic) {
  Pattern pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcLangSet* korean = FcLangSetCreate();
  FcLangSetAdd(korean, reinterpret_cast<const FcChar8*>("ko"));
  FcPatternAddLangSet(pattern.get(), FC_LANG, korean);
  FcLangSetDestroy(korean);
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, weight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  return Pattern(FcFontMatch(nullptr, pattern.get(), &result));
}

std::optional<FontFile> FileOf(FcPattern* font) {
  FcChar8* file = nullptr;
  if (!font || FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
  int index = 0;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);
  return FontFile{reinterpret_cast<const char*>(file), index, CoversKorean(font)};
}

}  // namespace

std::optional<FontFile> ResolveFontFile(const std::wstring& family, int weight, bool italic) {
  if (!FcInit()) return std::nullopt;
  const std::string wanted = Utf8(family);
  Pattern named = Match(wanted, weight, italic);
  if (named && SameName(FamilyOf(named.get()), wanted) && CoversKorean(named.get()))
    return FileOf(named.get());
  Pattern fallback = Match("sans-serif", weight, italic);
  return FileOf(fallback.get());
}

void ReleaseFontResolver() { FcFini(); }

}  // namespace gdi
