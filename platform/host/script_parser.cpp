#include "platform/host/script_parser.h"

#include <array>
#include <cctype>
#include <limits>
#include <vector>

#include "platform/res/words.h"
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

// A decimal number of digits only (unsigned: no sign), within [0, max].
std::optional<std::uint32_t> ParseCount(std::string_view word, std::uint32_t max) {
  const std::optional<std::uint32_t> value = res::ParseNumber<std::uint32_t>(word);
  if (!value || *value > max) return std::nullopt;
  return value;
}

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
  const std::optional<UINT> vk = res::ParseNumber<UINT>(text.substr(2), 16);
  if (!vk || *vk == 0 || *vk == 0xFF) return std::nullopt;
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

ParsedLine NotACount(std::string_view name, std::uint32_t max, std::string_view word) {
  return Failure(std::string(name) + " must be a whole number 0.." + std::to_string(max) +
                 ", not '" + std::string(word) + "'");
}

// Each parser gets the command's words and, for a file name that may hold
// spaces, the whole text.
using Words = std::vector<std::string_view>;

ParsedLine ParsePoint(ScriptCommand command, const Words& words, std::string_view) {
  const std::string verb(words[0]);
  if (words.size() != 3) return Failure(verb + " needs X Y");
  auto x = ParseCount(words[1], kScreenWidth - 1);
  if (!x) return NotACount("X", kScreenWidth - 1, words[1]);
  auto y = ParseCount(words[2], kScreenHeight - 1);
  if (!y) return NotACount("Y", kScreenHeight - 1, words[2]);
  command.x = static_cast<int>(*x);
  command.y = static_cast<int>(*y);
  return Success(std::move(command));
}

ParsedLine ParseKey(ScriptCommand command, const Words& words, std::string_view) {
  if (words.size() != 2) return Failure(std::string(words[0]) + " needs one key NAME");
  auto vk = VirtualKeyFromName(words[1]);
  if (!vk) return Failure("unknown key '" + std::string(words[1]) + "'");
  command.vk = *vk;
  return Success(std::move(command));
}

ParsedLine ParseWait(ScriptCommand command, const Words& words, std::string_view) {
  if (words.size() != 2) return Failure("wait needs MS");
  // Bounded so that a wait never wraps the 32-bit tick count by itself.
  constexpr std::uint32_t kLongestWait = std::numeric_limits<std::int32_t>::max();
  auto ms = ParseCount(words[1], kLongestWait);
  if (!ms) return NotACount("MS", kLongestWait, words[1]);
  command.ms = static_cast<DWORD>(*ms);
  return Success(std::move(command));
}

// The file name is the rest of the line, so names may hold spaces.
ParsedLine ParseShot(ScriptCommand command, const Words&, std::string_view text) {
  std::string_view file = Trim(Trim(text).substr(4));
  constexpr std::string_view kExtension = ".png";
  if (file.size() <= kExtension.size() ||
      file.substr(file.size() - kExtension.size()) != kExtension)
    return Failure("shot needs a FILE.png");
  command.file = std::string(file);
  return Success(std::move(command));
}

struct Verb {
  std::string_view word;
  Kind kind;
  ParsedLine (*parse)(ScriptCommand, const Words&, std::string_view);
};

constexpr std::array<Verb, 9> kVerbs{{
    {"tap", Kind::Tap, ParsePoint},
    {"down", Kind::PenDown, ParsePoint},
    {"move", Kind::PenMove, ParsePoint},
    {"up", Kind::PenUp, ParsePoint},
    {"key", Kind::Key, ParseKey},
    {"keydown", Kind::KeyDown, ParseKey},
    {"keyup", Kind::KeyUp, ParseKey},
    {"wait", Kind::Wait, ParseWait},
    {"shot", Kind::Shot, ParseShot},
}};

}  // namespace

std::optional<UINT> VirtualKeyFromName(std::string_view name) {
  for (const NamedKey& key : kNamedKeys)
    if (EqualsIgnoringCase(name, key.name)) return key.vk;
  if (auto numpad = NumpadKey(name)) return numpad;
  return HexKey(name);
}

ParsedLine ParseScriptLine(std::string_view line) {
  std::string_view text = StripComment(line);
  const Words words = SplitWords(text);
  if (words.empty()) return {};
  for (const Verb& verb : kVerbs)
    if (words[0] == verb.word)
      return verb.parse(ScriptCommand{.kind = verb.kind, .file = {}}, words, text);
  return Failure("unknown command '" + std::string(words[0]) + "'");
}

ScriptReader::ScriptReader(std::unique_ptr<std::istream> script) : script_(std::move(script)) {}

ParsedLine ScriptReader::Next() {
  std::string line;
  while (std::getline(*script_, line)) {
    ++lineNumber_;
    ParsedLine parsed = ParseScriptLine(line);
    if (parsed.command || !parsed.error.empty()) return parsed;
  }
  return {};
}

bool ScriptReader::HasMoreCommands() {
  const ParsedLine next = Next();
  return next.command || !next.error.empty();
}

}  // namespace host
