// The framework's standard command ids.
#pragma once

#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
