// The resource manifest: one entry per line, `<kind> <id> <path>`, kind one
// of bitmap, icon, dialog, id a 16-bit number, path relative to the
// manifest (the rest of the line). Blank lines and lines starting with '#'
// are ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/res/embedded.h"

namespace res {

struct ManifestEntry {
  ResourceKind kind;
  WORD id;
  std::string path;
};

struct ManifestError {
  int line;  // 1-based
  std::string message;
};

struct Manifest {
  std::vector<ManifestEntry> entries;
  std::optional<ManifestError> error;  // set when a line is malformed
};

Manifest ParseManifest(std::string_view text);

}  // namespace res
