// Reading the data file: a handle closed on every path, and how many whole
// records lie after the header.
#pragma once

#include <cstdio>
#include <memory>

#include "platform/win/files.h"

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// Opens the device path, a regular file, for binary reading; null with
// the reason when it cannot be.
FilePtr OpenForReading(LPCTSTR path, FileError& error);

// The file's size in bytes, or -1; the position is left at the end.
long long FileSize(FILE* file);
