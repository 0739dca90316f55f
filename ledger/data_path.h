// Where the data file lives: beside the executable, as kDataFileName.
#pragma once

#include "platform/framework/cstring.h"

// The data file's name, the one spelling of it.
constexpr wchar_t kDataFileName[] = L"Roadtally.dat";

// The buffer the executable's path is read into, and the longest data
// path, terminator included.
constexpr int kModulePathCapacity = 400;

// The module path's directory (everything before its last backslash, or
// the whole path when it has none), a backslash and kDataFileName. Empty
// when the module path or the result would not fit the 400-character
// buffer: a shortened path would name some other file.
CString BuildDataPath(LPCTSTR modulePath);
