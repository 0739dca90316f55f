#include "platform/host/headless_host.h"

#include <algorithm>
#include <vector>

#include "platform/host/civil_time.h"

namespace host {
namespace {

using Kind = InputEvent::Kind;

constexpr std::chrono::hours kStartOfDay{12};
constexpr int kScriptErrorStatus = 2;
// A program still running after this many close requests at the end of
// its script would never end; the run is stopped instead.
constexpr int kCloseRequestLimit = 16;

InputEvent QuitEvent(int exitCode) { return {.kind = Kind::Quit, .exitCode = exitCode}; }

}  // namespace

HeadlessHost::HeadlessHost(std::unique_ptr<std::istream> script,
                           std::optional<std::chrono::sys_days> today, ScreenshotWriter writeShot,
                           std::ostream& diagnostics)
    : reader_(std::move(script)),
      date_(today.value_or(RealLocalDate())),
      writeShot_(std::move(writeShot)),
      diagnostics_(diagnostics) {}

SYSTEMTIME HeadlessHost::LocalTime() {
  return SystemTimeAt(date_, kStartOfDay + std::chrono::milliseconds(now_));
}

std::optional<InputEvent> HeadlessHost::WaitForInput(std::optional<DWORD> deadline) {
  if (failed_) return QuitEvent(kScriptErrorStatus);
  if (waitUntil_ && AdvanceToTimer(deadline)) return std::nullopt;
  if (std::optional<InputEvent> event = TakeHeld(pending_)) return event;
  return EventFromScript(deadline);
}

// Moves the clock towards the end of the current wait; stops at the timer
// deadline (and says so) when that comes first or at the same moment, else
// ends the wait.
bool HeadlessHost::AdvanceToTimer(std::optional<DWORD> deadline) {
  const std::uint64_t end = std::max(now_, *waitUntil_);
  if (deadline) {
    // The tick count wraps; the deadline is the nearest tick ahead of now.
    const auto ahead = static_cast<std::int32_t>(*deadline - static_cast<DWORD>(now_));
    const std::uint64_t due = now_ + static_cast<std::uint64_t>(std::max(ahead, 0));
    if (due <= end) {
      now_ = due;
      return true;
    }
  }
  now_ = end;
  waitUntil_.reset();
  return false;
}

std::optional<InputEvent> HeadlessHost::EventFromScript(std::optional<DWORD> deadline) {
  for (;;) {
    const ParsedLine next = reader_.Next();
    if (!next.error.empty()) return Fail(next.error);
    if (!next.command) return CloseAtEnd();
    commandLine_ = reader_.LineNumber();
    const ScriptCommand& command = *next.command;
    switch (command.kind) {
      case ScriptCommand::Kind::Wait:
        waitUntil_ = now_ + command.ms;
        if (AdvanceToTimer(deadline)) return std::nullopt;
        break;
      case ScriptCommand::Kind::Shot:
        if (!TakeShot(command.file)) return Fail("cannot write '" + command.file + "'");
        break;
      default: QueueEvents(command); return TakeHeld(pending_);
    }
  }
}

void HeadlessHost::QueueEvents(const ScriptCommand& command) {
  const auto pen = [&](Kind kind) { pending_.push_back({kind, command.x, command.y}); };
  const auto key = [&](Kind kind) { pending_.push_back({.kind = kind, .vk = command.vk}); };
  using Command = ScriptCommand::Kind;
  switch (command.kind) {
    case Command::Tap:
      pen(Kind::PenDown);
      pen(Kind::PenUp);
      break;
    case Command::PenDown: pen(Kind::PenDown); break;
    case Command::PenMove: pen(Kind::PenMove); break;
    case Command::PenUp: pen(Kind::PenUp); break;
    case Command::Key:
      key(Kind::KeyDown);
      key(Kind::KeyUp);
      break;
    case Command::KeyDown: key(Kind::KeyDown); break;
    case Command::KeyUp: key(Kind::KeyUp); break;
    case Command::Wait:
    case Command::Shot: break;
  }
}

// Before anything was presented the screen is black.
bool HeadlessHost::TakeShot(const std::string& path) {
  if (screen_) return writeShot_(*screen_, path);
  std::vector<gdi::Pixel> black(static_cast<size_t>(kScreenWidth) * kScreenHeight, 0);
  return writeShot_(gdi::Surface32{black.data(), kScreenWidth, kScreenHeight, kScreenWidth}, path);
}

InputEvent HeadlessHost::Fail(const std::string& message) {
  diagnostics_ << "script:" << reader_.LineNumber() << ": " << message << '\n';
  failed_ = true;
  return QuitEvent(kScriptErrorStatus);
}

InputEvent HeadlessHost::CloseAtEnd() {
  if (++closeRequests_ <= kCloseRequestLimit) return InputEvent{Kind::Close};
  diagnostics_ << "script: the program did not close at the end of the script; stopping it\n";
  return QuitEvent(0);
}

int HeadlessHost::Finish(int exitCode) {
  if (failed_) return kScriptErrorStatus;
  // The release of the last command's tap or key is not a line of its own:
  // a program that ends on the pen-down of its last tap ran the script.
  const bool unfinished = waitUntil_ || reader_.HasMoreCommands();
  if (!unfinished) return exitCode;
  if (commandLine_ == 0)
    diagnostics_ << "script: the program ended before the script began; none of it was run\n";
  else
    diagnostics_ << "script:" << commandLine_
                 << ": the program ended here; the rest of the script was not run\n";
  return exitCode;
}

}  // namespace host
