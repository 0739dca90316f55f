// The executable's own path, read from the host once here for everyone who
// needs it: GetModuleFileName, and the launcher that finds the program's data
// file beside it.
#pragma once

#include <string>

// In backslash form, as the device presents it ("\work\main\build\bin\roadtally");
// files.h maps such paths back to the host's. Empty when the host cannot say.
std::wstring ModulePath();
