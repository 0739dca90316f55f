// The host on a board's own panel without a GPU: the screen goes into a
// Linux framebuffer (frame_writer.h), the pen and keys come from evdev
// devices (evdev_translator.h), the clock is real. Needs the C library and the
// kernel alone. The console is put into graphics mode at the first frame
// and back when the host goes. When every input named or found has ended
// (a pipe closed, in tests), the program is asked to close.
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/host/civil_time.h"
#include "platform/host/command_line.h"
#include "platform/host/evdev_translator.h"
#include "platform/host/frame_writer.h"
#include "platform/host/unique_fd.h"

namespace host {

// The text console under the panel, put out of the way while the program
// draws: when the program's standard input is a terminal its echo and
// cursor are turned off, and when it is a virtual console the kernel stops
// drawing text on the framebuffer (KD_GRAPHICS). Everything is put back
// when the guard goes, at exit(), and on a signal that ends the process (a
// crash included), so the panel is never left without its console.
class ConsoleGraphicsMode {
 public:
  ConsoleGraphicsMode();
  ~ConsoleGraphicsMode();
  ConsoleGraphicsMode(const ConsoleGraphicsMode&) = delete;
  ConsoleGraphicsMode& operator=(const ConsoleGraphicsMode&) = delete;
};

// An input device the framebuffer host reads: an evdev device, or anything
// else that delivers the same records (a pipe, a file of recorded events),
// which reports no ranges.
class InputDevice {
 public:
  // Opens `path` for reading without blocking; nothing and `error` set if
  // it cannot be opened.
  static std::optional<InputDevice> Open(const std::string& path,
                                         const TouchCalibration& calibration, std::string& error);

  // The /dev/input/event* devices with a pen or keys, in name order.
  static std::vector<InputDevice> FindAll(const TouchCalibration& calibration);

  int Fd() const { return fd_.Get(); }

  // Reads what has arrived into `out`; false once the input has ended.
  bool Read(std::deque<InputEvent>& out);

 private:
  InputDevice(UniqueFd fd, const TouchCalibration& calibration, const DeviceRanges& ranges);

  UniqueFd fd_;
  EvdevTranslator translator_;
  std::vector<unsigned char> partial_;  // the start of a record a pipe split
};

// A Linux framebuffer mapped into memory: its geometry, pixel format and
// line length asked of the device, or, for a regular file standing in for
// one, given.
struct MappedFramebuffer {
  // Maps `path`; a regular file needs `geometry` and is made large enough.
  // Nothing and `error` set when it cannot be used.
  static std::unique_ptr<MappedFramebuffer> Open(const std::string& path,
                                                 const std::optional<FramebufferGeometry>& geometry,
                                                 std::string& error);
  MappedFramebuffer() = default;
  ~MappedFramebuffer();
  MappedFramebuffer(const MappedFramebuffer&) = delete;
  MappedFramebuffer& operator=(const MappedFramebuffer&) = delete;

  UniqueFd fd;
  std::size_t length = 0;
  std::size_t visibleOffset = 0;  // bytes to the visible area's first pixel
  PanelView view;                 // its pixels set once mapped
  void* memory = nullptr;
};

class FramebufferHost final : public Host {
 public:
  // Maps options.framebuffer and opens the input; nullptr and `error` set
  // when either cannot be used. Says on `diagnostics` when no input was found.
  static std::unique_ptr<FramebufferHost> Open(const CommandLine& options, std::string& error,
                                               std::ostream& diagnostics);

  DWORD TickCount() override;
  SYSTEMTIME LocalTime() override { return OnDate(RealLocalTime(), today_); }
  void Sleep(DWORD ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  std::optional<InputEvent> WaitForInput(std::optional<DWORD> deadline) override;
  void DropPenPresses() override;
  void Present(const gdi::Surface32& screen) override;
  // The program owns the whole panel; there is nothing to bring forward.
  void RaiseWindow() override {}

  FramebufferHost(std::unique_ptr<MappedFramebuffer> panel, std::vector<InputDevice> inputs,
                  std::optional<std::chrono::sys_days> today);

 private:
  void ReadReady(int timeoutMs);
  InputEvent InputEnded();

  std::unique_ptr<MappedFramebuffer> panel_;
  FrameWriter writer_;
  std::vector<InputDevice> inputs_;
  const bool hadInput_;
  std::optional<std::chrono::sys_days> today_;
  std::deque<InputEvent> pending_;
  bool closeAsked_ = false;
  std::optional<ConsoleGraphicsMode> console_;  // from the first frame on
};

}  // namespace host
