// The executable's own path, read from the host once here for everyone who
// needs it: GetModuleFileName, and the launcher that finds the program's data
// file beside it.
#pragma once

#include <filesystem>
#include <string>

// In the host's own form ("/work/main/build/bin/roadtally"); empty when the
// host cannot say.
std::filesystem::path ExecutablePath();

// In backslash form, as the device presents it ("\work\main\build\bin\roadtally");
// files.h maps such paths back to the host's. Empty when the host cannot say.
std::wstring ModulePath();
