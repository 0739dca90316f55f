#include "platform/host/script_parser.h"

#include <array>
#include <cctype>
#include <charconv>
#include <limits>
#include <vector>

#include "platform/win/host_port.h"
#include "platform/win/winuser.h"

namespace host {
namespace {

using Kind = ScriptCommand::Kind;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The line without its comment: '#' starts one at the line's start or after a blank.
std::string_view StripComment(std::string_view line) {
  for (size_t i = 0; i < line.size(); ++i)
    if (line[i] == '#' && (i == 0 || IsBlank(line[i - 1]))) return line.substr(0, i);
  return line;
}

std::vector<std::string_view> SplitWords(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A decimal number of digits only, no sign, within [0, max].
std::optional<long long> ParseCount(std::string_view word, long long max) {
  long long value = 0;
  const char* end = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (word.empty() || word[0] == '-' || word[0] == '+' || ec != std::errc() || ptr != end ||
      value > max)
    return std::nullopt;
  return value;
}

struct Verb {
  std::string_view word;
  Kind kind;
};

constexpr std::array<Verb, 9> kVerbs{{
    {"tap", Kind::Tap},
    {"down", Kind::PenDown},
    {"move", Kind::PenMove},
    {"up", Kind::PenUp},
    {"key", Kind::Key},
    {"keydown", Kind::KeyDown},
    {"keyup", Kind::KeyUp},
    {"wait", Kind::Wait},
    {"shot", Kind::Shot},
}};

struct NamedKey {
  std::string_view name;
  UINT vk;
};

constexpr std::array<NamedKey, 11> kNamedKeys{{
    {"LEFT", VK_LEFT},
    {"UP", VK_UP},
    {"RIGHT", VK_RIGHT},
    {"DOWN", VK_DOWN},
    {"RETURN", VK_RETURN},
    {"ESCAPE", VK_ESCAPE},
    {"F1", VK_F1},
    {"F2", VK_F2},
    {"F3", VK_F3},
    {"F4", VK_F4},
    {"DEVICE", kDeviceCloseKey},
}};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != static_cast<unsigned char>(b[i]))
      return false;
  return true;
}

std::optional<UINT> HexKey(std::string_view text) {
  if (text.size() < 3 || text.size() > 4 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
    return std::nullopt;
  UINT vk = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data() + 2, end, vk, 16);
  if (ec != std::errc() || ptr != end || vk == 0 || vk == 0xFF) return std::nullopt;
  return vk;
}

std::optional<UINT> NumpadKey(std::string_view name) {
  constexpr std::string_view kPrefix = "NUMPAD";
  if (name.size() != kPrefix.size() + 1 ||
      !EqualsIgnoringCase(name.substr(0, kPrefix.size()), kPrefix))
    return std::nullopt;
  char digit = name.back();
  if (digit < '0' || digit > '9') return std::nullopt;
  return VK_NUMPAD0 + static_cast<UINT>(digit - '0');
}

ParsedLine Failure(std::string message) { return ParsedLine{std::nullopt, std::move(message)}; }
ParsedLine Success(ScriptCommand command) { return ParsedLine{std::move(command), {}}; }

ParsedLine ParsePoint(ScriptCommand command, const std::vector<std::string_view>& words) {
  const std::string verb(words[0]);
  if (words.size() != 3) return Failure(verb + " needs X Y");
  auto x = ParseCount(words[1], kScreenWidth - 1);
  if (!x)
    return Failure("X must be a whole number 0.." + std::to_string(kScreenWidth - 1) + ", not '" +
                   std::string(words[1]) + "'");
  auto y = ParseCount(words[2], kScreenHeight - 1);
  if (!y)
    return Failure("Y must be a whole number 0.." + std::to_string(kScreenHeight - 1) + ", not '" +
                   std::string(words[2]) + "'");
  command.x = static_cast<int>(*x);
  command.y = static_cast<int>(*y);
  return Success(std::move(command));
}

ParsedLine ParseKey(ScriptCommand command, const std::vector<std::string_view>& words) {
  if (words.size() != 2) return Failure(std::string(words[0]) + " needs one key NAME");
  auto vk = VirtualKeyFromName(words[1]);
  if (!vk) return Failure("unknown key '" + std::string(words[1]) + "'");
  command.vk = *vk;
  return Success(std::move(command));
}

ParsedLine ParseWait(ScriptCommand command, const std::vector<std::string_view>& words) {
  if (words.size() != 2) return Failure("wait needs MS");
  // Bounded so that a wait never wraps the 32-bit tick count by itself.
  auto ms = ParseCount(words[1], std::numeric_limits<std::int32_t>::max());
  if (!ms)
    return Failure("MS must be a whole number 0..2147483647, not '" + std::string(words[1]) + "'");
  command.ms = static_cast<DWORD>(*ms);
  return Success(std::move(command));
}

// The file name is the rest of the line, so names may hold spaces.
ParsedLine ParseShot(ScriptCommand command, std::string_view text) {
  std::string_view file = Trim(Trim(text).substr(4));
  constexpr std::string_view kExtension = ".png";
  if (file.size() <= kExtension.size() ||
      file.substr(file.size() - kExtension.size()) != kExtension)
    return Failure("shot needs a FILE.png");
  command.file = std::string(file);
  return Success(std::move(command));
}

}  // namespace

std::optional<UINT> VirtualKeyFromName(std::string_view name) {
  for (const NamedKey& key : kNamedKeys)
    if (EqualsIgnoringCase(name, key.name)) return key.vk;
  if (auto numpad = NumpadKey(name)) return numpad;
  return HexKey(name);
}

ParsedLine ParseScriptLine(std::string_view line) {
  std::string_view text = StripComment(line);
  std::vector<std::string_view> words = SplitWords(text);
  if (words.empty()) return {};
  for (const Verb& verb : kVerbs) {
    if (words[0] != verb.word) continue;
    ScriptCommand command;
    command.kind = verb.kind;
    switch (verb.kind) {
      case Kind::Tap:
      case Kind::PenDown:
      case Kind::PenMove:
      case Kind::PenUp: return ParsePoint(std::move(command), words);
      case Kind::Key:
      case Kind::KeyDown:
      case Kind::KeyUp: return ParseKey(std::move(command), words);
      case Kind::Wait: return ParseWait(std::move(command), words);
      case Kind::Shot: return ParseShot(std::move(command), text);
    }
  }
  return Failure("unknown command '" + std::string(words[0]) + "'");
}

ScriptReader::ScriptReader(std::unique_ptr<std::istream> script) : script_(std::move(script)) {}

ScriptReader::Step ScriptReader::Next() {
  std::string line;
  while (std::getline(*script_, line)) {
    ++lineNumber_;
    ParsedLine parsed = ParseScriptLine(line);
    if (!parsed.error.empty()) return Step{Step::Kind::Error, {}, std::move(parsed.error)};
    if (parsed.command) return Step{Step::Kind::Command, std::move(*parsed.command), {}};
  }
  return Step{};
}

bool ScriptReader::HasMoreCommands() {
  std::string line;
  while (std::getline(*script_, line)) {
    ParsedLine parsed = ParseScriptLine(line);
    if (parsed.command || !parsed.error.empty()) return true;
  }
  return false;
}

}  // namespace host
