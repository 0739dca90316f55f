// The program's rule for its data file: beside the executable, as
// kDataFileName. The launcher applies it once at start and hands the
// program the result (ProgramDataFile); nothing else computes it.
#pragma once

#include <string>

// The data file's name, the one spelling of it.
constexpr wchar_t kDataFileName[] = L"Roadtally.dat";

// The module path's directory (everything before its last backslash, or
// the whole path when it has none), a backslash and kDataFileName: for both
// device paths, "\bin\roadtally" gives "\bin\Roadtally.dat". No length
// limit: a shortened path would name some other file. main() declares it,
// as it names AfxWinMain.
std::wstring ProgramDataPath(const std::wstring& modulePath);
