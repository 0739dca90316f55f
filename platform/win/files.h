// The one place where device paths (wide, backslash-separated) become host
// paths (UTF-8, '/'), plus the few file operations the program needs.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace win {

// L"\\home\\u\\bin\\Roadtally.dat" -> "/home/u/bin/Roadtally.dat", honouring
// any override installed for that exact device path.
std::string HostPathFromDevicePath(const wchar_t* devicePath);

// Redirects one device path to a host path (e.g. the data file to --data).
void SetPathOverride(const wchar_t* devicePath, const std::string& hostPath);
void ClearPathOverrides();

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens a device path for binary reading; null when it cannot be opened.
UniqueFile OpenForBinaryRead(const wchar_t* devicePath);

// Replaces the whole file or leaves the old one untouched: the bytes go to a
// temporary file beside it, are synced, then renamed over the target.
bool WriteWholeFile(const wchar_t* devicePath, const void* data, size_t size);

}  // namespace win
