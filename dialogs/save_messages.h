// What the driver is told when the data file could not be written.
#pragma once

constexpr wchar_t kNotSavedText[] = L"저장하지 못했습니다.";
constexpr wchar_t kNotSavedCaption[] = L"저장오류";
