// Reading the data file: a handle closed on every path, and how many whole
// records lie after the header.
#pragma once

#include <cstdio>
#include <memory>

#include "platform/core/windef.h"

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// Opens the device path for binary reading; null when it cannot be.
FilePtr OpenForReading(LPCTSTR path);

// The file's size in bytes, or -1; the position is left at the end.
long long FileSize(FILE* file);
