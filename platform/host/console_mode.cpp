#include "platform/host/framebuffer_host.h"

#include <linux/kd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdlib>

namespace host {
namespace {

constexpr int kConsole = STDIN_FILENO;
constexpr char kHideCursor[] = "\033[?25l";
constexpr char kShowCursor[] = "\033[?25h";

// Signals that end the process; on each the console is restored, then the
// signal goes on to what handled it before (the default, or a sanitizer's
// report).
constexpr std::array kEndingSignals{SIGTERM, SIGINT, SIGHUP,  SIGQUIT, SIGSEGV, SIGBUS,
                                    SIGFPE,  SIGILL, SIGABRT, SIGTRAP, SIGSYS};

// Process-wide, as a signal handler must find it.
struct SavedConsole {
  volatile std::sig_atomic_t active = 0;
  bool graphics = false;  // KD_GRAPHICS was set
  termios terminal{};
  std::array<struct sigaction, kEndingSignals.size()> previous{};
  bool catching = false;
  bool atExitRegistered = false;
};
SavedConsole saved;

void WriteAll(const char* text, size_t size) {
  while (size > 0) {
    const ssize_t done = ::write(kConsole, text, size);
    if (done <= 0) return;
    text += done;
    size -= static_cast<size_t>(done);
  }
}

// Only async-signal-safe calls (ioctl is a bare system call): it runs in
// signal handlers too.
void Restore() {
  if (!saved.active) return;
  saved.active = 0;
  if (saved.graphics) ::ioctl(kConsole, KDSETMODE, KD_TEXT);
  // Keys typed at the console meanwhile were the program's, not the shell's.
  ::tcflush(kConsole, TCIFLUSH);
  ::tcsetattr(kConsole, TCSANOW, &saved.terminal);
  WriteAll(kShowCursor, sizeof kShowCursor - 1);
}

void OnEndingSignal(int signal) {
  Restore();
  for (size_t i = 0; i < kEndingSignals.size(); ++i)
    if (kEndingSignals[i] == signal) ::sigaction(signal, &saved.previous[i], nullptr);
  ::raise(signal);
}

void CatchEndingSignals() {
  struct sigaction action {};
  action.sa_handler = OnEndingSignal;
  sigemptyset(&action.sa_mask);
  for (size_t i = 0; i < kEndingSignals.size(); ++i)
    ::sigaction(kEndingSignals[i], &action, &saved.previous[i]);
  saved.catching = true;
}

void ReleaseEndingSignals() {
  if (!saved.catching) return;
  saved.catching = false;
  for (size_t i = 0; i < kEndingSignals.size(); ++i)
    ::sigaction(kEndingSignals[i], &saved.previous[i], nullptr);
}

// A program started in the background leaves the terminal alone: changing
// it would stop the program (SIGTTOU).
bool InForeground() {
  const pid_t foreground = ::tcgetpgrp(kConsole);
  return foreground < 0 || foreground == ::getpgrp();
}

}  // namespace

ConsoleGraphicsMode::ConsoleGraphicsMode() {
  if (saved.active || !::isatty(kConsole) || !InForeground() ||
      ::tcgetattr(kConsole, &saved.terminal) < 0)
    return;
  saved.active = 1;
  CatchEndingSignals();
  if (!saved.atExitRegistered) saved.atExitRegistered = std::atexit(Restore) == 0;
  termios quiet = saved.terminal;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON);
  ::tcsetattr(kConsole, TCSANOW, &quiet);
  int mode = 0;
  saved.graphics = ::ioctl(kConsole, KDGETMODE, &mode) == 0 && mode == KD_TEXT &&
                   ::ioctl(kConsole, KDSETMODE, KD_GRAPHICS) == 0;
  WriteAll(kHideCursor, sizeof kHideCursor - 1);
}

ConsoleGraphicsMode::~ConsoleGraphicsMode() {
  Restore();
  ReleaseEndingSignals();
}

}  // namespace host
