// The real program on the framebuffer host: a regular file stands in for
// the panel and a pipe of raw evdev records for the touch panel. Recording
// an expense there leaves the same picture, in the panel's format and
// place, as the headless host's screenshot of the same steps, and the same
// data file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "platform/res/png_codec.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/platform/host/raw_input_events.h"
#include "tests/support/child_process.h"

namespace {

using namespace std::chrono_literals;
using testing_support::ChildProcess;

struct Point {
  int x;
  int y;
};

// The calendar's "지출입력", the entry dialog's cost and distance rows, its
// "확  인", and the keypad's keys with its own "확  인".
constexpr Point kEntry{20, 214}, kCostRow{200, 143}, kDistanceRow{200, 181}, kConfirm{43, 222};
constexpr Point kKeypadOk{44, 222}, kKeypadPoint{202, 222};

Point KeypadKey(char key) {
  if (key == '.') return kKeypadPoint;
  const int index = key == '0' ? 9 : key - '1';
  return {43 + 58 * (index % 5), 140 + 36 * (index / 5)};
}

std::vector<Point> EntrySteps() {
  std::vector<Point> steps{kEntry, kCostRow};
  for (char key : std::string("12.5")) steps.push_back(KeypadKey(key));
  steps.insert(steps.end(), {kKeypadOk, kDistanceRow, KeypadKey('3'), kKeypadOk, kConfirm});
  return steps;
}

std::string Script(const std::vector<Point>& steps) {
  std::string script;
  for (Point p : steps) script += "tap " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
  return script;
}

// Raw values where a calibrated panel reports a screen pixel: the inverse
// of the host's mapping, rounded.
int RawAt(int pixel, int first, int last, int size) {
  const double raw = first + static_cast<double>(pixel) * (last - first) / (size - 1);
  return static_cast<int>(raw < 0 ? raw - 0.5 : raw + 0.5);
}

struct Panel {
  const char* what;
  std::string geometry;  // --fb-geometry
  int width, height, bytesPerPixel;
  int scale, left, top;             // where the screen must land
  std::string calibration;          // --touch-calibration, empty for none
  std::function<Point(Point)> raw;  // the panel's raw report of a screen pixel
};

// A screen pixel (0x00RRGGBB) as the panel stores it, little-endian.
std::string PanelBytes(gdi::Pixel p, int bytesPerPixel) {
  const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  const unsigned value = bytesPerPixel == 2 ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3) : p;
  std::string bytes;
  for (int i = 0; i < bytesPerPixel; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// The whole file a panel must hold when it shows `screen`.
std::string ExpectedPanel(const res::Image& screen, const Panel& panel) {
  std::string expected;
  const std::string black(panel.bytesPerPixel, '\0');
  for (int y = 0; y < panel.height; ++y) {
    for (int x = 0; x < panel.width; ++x) {
      const int sx = (x - panel.left) / panel.scale, sy = (y - panel.top) / panel.scale;
      const bool on = x >= panel.left && y >= panel.top && sx < 320 && sy < 240;
      expected += on ? PanelBytes(screen.pixels[sy * 320 + sx], panel.bytesPerPixel) : black;
    }
  }
  return expected;
}

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class FramebufferProgram : public ::testing::Test {
 protected:
  std::filesystem::path Path(const std::string& name) const { return dir_.path() / name; }
  std::vector<std::string> Environment() const {
    return {"XDG_RUNTIME_DIR=" + dir_.path().string()};
  }
  std::vector<std::string> Command(const Panel& panel, const std::string& data) const {
    std::vector<std::string> command{ROADTALLY_PATH,
                                     "--framebuffer=" + Path("fb").string(),
                                     "--fb-geometry=" + panel.geometry,
                                     "--input=/dev/stdin",
                                     "--today=2005-01-20",
                                     "--data=" + Path(data).string()};
    if (!panel.calibration.empty()) command.push_back("--touch-calibration=" + panel.calibration);
    return command;
  }

  ledger_test::ScratchDir dir_;
};

TEST_F(FramebufferProgram, AnEntryShowsAsTheHeadlessHostShowsItAndIsSaved) {
  const std::vector<Point> steps = EntrySteps();
  ChildProcess headless({ROADTALLY_PATH, "--headless", "--today=2005-01-20",
                         "--data=" + Path("headless.dat").string()},
                        Environment());
  headless.WriteInput(Script(steps) + "shot " + Path("after.png").string() + "\n");
  const ChildProcess::Result reference = headless.Wait(60s);
  ASSERT_EQ(reference.exitStatus, 0) << reference.err;
  const std::optional<res::Image> screen = res::ReadPngFile(Path("after.png"));
  ASSERT_TRUE(screen);

  const Panel panels[] = {
      {"RGB565 at 1:1, raw values as screen pixels", "320x240@16", 320, 240, 2, 1, 0, 0, "",
       [](Point p) { return p; }},
      // Turned a quarter and read backwards along the screen's x, with margins.
      {"XRGB at 2:1 centred, a turned panel", "800x600@32", 800, 600, 4, 2, 80, 60,
       "swap,x=3900:100,y=200:3800",
       [](Point p) {
         return Point{RawAt(p.y, 200, 3800, 240), RawAt(p.x, 3900, 100, 320)};
       }},
  };
  const ledger_test::Bytes saved = ledger_test::ReadBytes(Path("headless.dat"));
  ASSERT_EQ(ledger_test::FileOf({ledger_test::Record(2005, 1, 20, 0, 1250, 0, 3000)}), saved);
  for (const Panel& panel : panels) {
    std::filesystem::remove(Path("fb"));
    std::filesystem::remove(Path("panel.dat"));
    ChildProcess program(Command(panel, "panel.dat"), Environment());
    // Tapped as a person taps: each after the last one's pressed look,
    // during which taps are dropped.
    for (Point p : steps) {
      program.WriteInput(testing_support::RawTap(panel.raw(p).x, panel.raw(p).y));
      ASSERT_TRUE(program.InputTaken(30s)) << panel.what;
      std::this_thread::sleep_for(600ms);
    }
    const ChildProcess::Result result = program.Wait(60s);
    ASSERT_EQ(result.exitStatus, 0) << panel.what << ": " << result.err;
    EXPECT_TRUE(ReadWhole(Path("fb")) == ExpectedPanel(*screen, panel)) << panel.what;
    EXPECT_EQ(ledger_test::ReadBytes(Path("panel.dat")), saved) << panel.what;
  }
}

// Waits until the panel file shows something other than black.
bool FirstFrameShown(const std::filesystem::path& panel) {
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (std::chrono::steady_clock::now() < deadline) {
    const std::string bytes = ReadWhole(panel);
    if (bytes.find_first_not_of('\0') != std::string::npos) return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

// All a terminal's master side reads until the other side is gone.
std::string DrainTerminal(int master) {
  std::string text;
  char buffer[4096];
  for (;;) {
    pollfd ready{master, POLLIN, 0};
    if (::poll(&ready, 1, 2000) <= 0) return text;
    const ssize_t got = ::read(master, buffer, sizeof buffer);
    if (got <= 0) return text;
    text.append(buffer, static_cast<size_t>(got));
  }
}

// Started on a terminal, as from a console login or a unit with a tty, the
// program turns the terminal's echo and cursor off at its first frame; a
// signal that ends it, a crash's included, turns them back on. While it
// runs, no display library is mapped.
TEST_F(FramebufferProgram, TheTerminalComesBackWhenASignalEndsTheProgram) {
  const std::string events = Path("events").string();
  ASSERT_EQ(::mkfifo(events.c_str(), 0600), 0);
  // Held open, so the program's input never ends.
  const host::UniqueFd writer(::open(events.c_str(), O_RDWR | O_CLOEXEC));
  const Panel panel{"RGB565", "320x240@16", 320, 240, 2, 1, 0, 0, "", {}};
  std::vector<std::string> command =
      testing_support::BuiltProgramCommand(Command(panel, "panel.dat"));
  command[std::find(command.begin(), command.end(), "--input=/dev/stdin") - command.begin()] =
      "--input=" + events;
  std::vector<char*> argv;
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);
  for (int signal : {SIGTERM, SIGSEGV}) {
    std::filesystem::remove(Path("fb"));
    int master = -1;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::setenv("XDG_RUNTIME_DIR", dir_.path().c_str(), 1);
      ::execvp(argv[0], argv.data());
      ::_exit(127);
    }
    const host::UniqueFd terminal(master);
    ASSERT_TRUE(FirstFrameShown(Path("fb"))) << signal;
    termios during{}, after{};
    ::tcgetattr(master, &during);
    const std::string maps = ReadWhole("/proc/" + std::to_string(child) + "/maps");
    ::kill(child, signal);
    const std::string output = DrainTerminal(master);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::tcgetattr(master, &after);
    EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << signal;
    EXPECT_EQ(during.c_lflag & ECHO, 0u) << signal;
    EXPECT_NE(after.c_lflag & ECHO, 0u) << signal;
    const size_t hidden = output.find("\033[?25l");
    EXPECT_NE(hidden, std::string::npos) << signal;
    EXPECT_NE(output.find("\033[?25h", hidden), std::string::npos) << signal;
    EXPECT_NE(maps.find("roadtally"), std::string::npos);
    for (const char* library : {"libSDL", "libGL", "libEGL", "libgbm", "libdrm", "libX11"})
      EXPECT_EQ(maps.find(library), std::string::npos) << library;
  }
}

}  // namespace
