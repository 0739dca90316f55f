// The program's rule for its data file: beside the executable, as
// kDataFileName. The launcher applies it once at start and hands the
// program the result (ProgramDataFile); nothing else computes it.
#pragma once

#include <string>

#include "platform/framework/cstring.h"

// The data file's name, the one spelling of it.
constexpr wchar_t kDataFileName[] = L"Roadtally.dat";

// The module path's directory (everything before its last backslash, or
// the whole path when it has none), a backslash and kDataFileName; empty
// for a null path. No length limit: a shortened path would name some
// other file.
CString BuildDataPath(LPCTSTR modulePath);

// The program's answer to the launcher's one question, where its data file
// lives (main() declares it, as it names AfxWinMain): BuildDataPath, for
// both device paths ("\bin\roadtally" to "\bin\Roadtally.dat").
std::wstring ProgramDataPath(const std::wstring& modulePath);
