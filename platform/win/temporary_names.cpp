#include "platform/win/temporary_names.h"

#include <cctype>

namespace {

constexpr char kMarker[] = ".tmp-";

// Digits from `from` up to `to`, at least one.
bool DigitsOnly(const std::string& text, size_t from, size_t to) {
  if (from >= to) return false;
  for (size_t i = from; i < to; ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

}  // namespace

std::string TemporaryNameFor(const std::string& target, long pid, unsigned serial) {
  return target + kMarker + std::to_string(pid) + "-" + std::to_string(serial);
}

bool IsTemporaryNameOf(const std::string& entry, const std::string& baseName) {
  const std::string prefix = baseName + kMarker;
  if (entry.compare(0, prefix.size(), prefix) != 0) return false;
  const size_t dash = entry.find('-', prefix.size());
  return dash != std::string::npos && DigitsOnly(entry, prefix.size(), dash) &&
         DigitsOnly(entry, dash + 1, entry.size());
}
