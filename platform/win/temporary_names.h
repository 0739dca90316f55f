// How WriteWholeFile names its temporary files, in one place for both the
// write and the clean-up of what an interrupted write left:
// "<name>.tmp-<pid>-<serial>" beside the file.
#pragma once

#include <string>

std::string TemporaryNameFor(const std::string& target, long pid, unsigned serial);

// Whether entry is a temporary of the file named baseName (both without
// directory): exactly the pattern, digits where the numbers go.
bool IsTemporaryNameOf(const std::string& entry, const std::string& baseName);
