// How the message box cuts its text into lines: the text in code page 949
// bytes, a line ending after more than 20 bytes, at a line feed or at the
// end, leading spaces dropped, two-byte characters never split.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A line holds at most 21 single-byte characters, or 22 bytes when it ends
// in a two-byte character.
constexpr std::size_t kMessageLineBytes = 20;

std::vector<std::string> CutMessageLines(std::string_view text);
