// The one fact about the program that main() needs and cannot know: where its
// data file lives. The program defines this function, as it defines its
// application object; main() hands it to the launcher, which keeps the
// single-instance claim on that file and redirects it for --data PATH.
#pragma once

#include <string>

// Both device paths: the executable's ("\bin\roadtally") to its data file's.
// Empty when the program has no such file for this path.
std::wstring ProgramDataPath(const std::wstring& modulePath);
