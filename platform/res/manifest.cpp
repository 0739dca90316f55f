#include "platform/res/manifest.h"

#include <set>

#include "platform/res/words.h"

namespace res {

namespace {

std::optional<ResourceKind> KindOf(std::string_view word) {
  if (word == "bitmap") return ResourceKind::Bitmap;
  if (word == "icon") return ResourceKind::Icon;
  if (word == "dialog") return ResourceKind::Dialog;
  return std::nullopt;
}

std::optional<WORD> IdOf(std::string_view word) {
  const std::optional<unsigned> value = ParseNumber<unsigned>(word);
  if (!value || *value > 0xFFFF) return std::nullopt;
  return static_cast<WORD>(*value);
}

}  // namespace

Manifest ParseManifest(std::string_view text) {
  Manifest manifest;
  std::set<std::pair<ResourceKind, WORD>> seen;
  int number = 0;
  std::string_view line;
  while (NextLine(text, line)) {
    ++number;
    if (line.empty() || line.front() == '#') continue;
    const auto [kindWord, afterKind] = NextWord(line);
    const auto [idWord, path] = NextWord(afterKind);
    const std::optional<ResourceKind> kind = KindOf(kindWord);
    const std::optional<WORD> id = IdOf(idWord);
    std::string problem;
    if (!kind)
      problem = "unknown kind '" + std::string(kindWord) + "'";
    else if (!id)
      problem = "id must be a number from 0 to 65535";
    else if (path.empty())
      problem = "missing path";
    else if (!seen.insert({*kind, *id}).second)
      problem = "duplicate id " + std::string(idWord);
    if (!problem.empty()) {
      manifest.error = ManifestError{number, problem};
      return manifest;
    }
    manifest.entries.push_back(ManifestEntry{*kind, *id, std::string(path)});
  }
  return manifest;
}

}  // namespace res
