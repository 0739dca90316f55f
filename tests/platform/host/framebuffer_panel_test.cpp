// The framebuffer host's pure parts: pixel formats, the screen's place and
// changed rows on the panel, touch calibration, evdev decoding and device
// classification; and its wait for input on a pipe.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

#include "platform/host/evdev_translator.h"
#include "platform/host/frame_writer.h"
#include "platform/host/framebuffer_host.h"
#include "platform/host/touch_calibration.h"
#include "platform/win/winuser.h"
#include "tests/platform/host/raw_input_events.h"

namespace host {
namespace {

using Kind = InputEvent::Kind;

TEST(PanelFormat, ScreenColoursInEachLayoutKeepTheirTopBits) {
  const PanelFormat rgb565 = *PanelFormatForDepth(16);
  const PanelFormat xrgb = *PanelFormatForDepth(32);
  const PanelFormat bgr565{16, {0, 5}, {5, 6}, {11, 5}};
  const PanelFormat xbgr{32, {0, 8}, {8, 8}, {16, 8}};
  struct Case {
    gdi::Pixel pixel;
    const PanelFormat& format;
    std::uint32_t panel;
  } cases[] = {
      {0xFFFFFF, rgb565, 0xFFFF}, {0xFF0000, rgb565, 0xF800}, {0x00FF00, rgb565, 0x07E0},
      {0x0000FF, rgb565, 0x001F}, {0x123456, rgb565, 0x11AA}, {0x070307, rgb565, 0x0000},
      {0x123456, xrgb, 0x123456}, {0xFF0000, bgr565, 0x001F}, {0x123456, xbgr, 0x563412},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PanelPixel(c.pixel, c.format), c.panel) << std::hex << c.pixel;
  // A row converts pixel by pixel alike, past a whole number of vector lanes too.
  for (const PanelFormat& format : {rgb565, xrgb, bgr565, *PanelFormatForDepth(24)}) {
    std::vector<gdi::Pixel> row(35);
    for (size_t i = 0; i < row.size(); ++i) row[i] = static_cast<gdi::Pixel>(i * 0x0B1D3F);
    const size_t size = format.bitsPerPixel / 8;
    std::vector<std::uint8_t> converted(row.size() * size);
    ConvertRow(row.data(), static_cast<int>(row.size()), format, converted.data());
    for (size_t i = 0; i < row.size(); ++i) {
      std::uint32_t value = 0;
      std::memcpy(&value, &converted[i * size], size);
      EXPECT_EQ(value, PanelPixel(row[i], format)) << format.bitsPerPixel << " bits, pixel " << i;
    }
  }
  EXPECT_FALSE(PanelFormatForDepth(8));
  EXPECT_FALSE(IsWritableFormat(PanelFormat{16, {11, 5}, {5, 6}, {12, 5}}));  // past the pixel
}

TEST(PanelFormat, GeometryIsWidthHeightAndADepthThisHostWrites) {
  const std::optional<FramebufferGeometry> g = ParseFramebufferGeometry("800x480@16");
  ASSERT_TRUE(g);
  EXPECT_EQ(g->width, 800);
  EXPECT_EQ(g->height, 480);
  EXPECT_EQ(g->bitsPerPixel, 16);
  for (const char* bad : {"800x480", "800x480@8", "0x480@16", "x480@16", "800x@32", "800@32x480",
                          "800x480@32 ", "-800x480@32"})
    EXPECT_FALSE(ParseFramebufferGeometry(bad)) << bad;
}

// A 24-bit panel of 700 x 500 holds the screen twice over, 30 and 10 pixels in.
class FrameWriterTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 700, kHeight = 500, kLine = 700 * 3 + 4;

  FrameWriterTest() : screen_(320 * 240, 0x102030), panel_(kLine * kHeight, 0xAA) {}

  gdi::Surface32 Screen() { return {screen_.data(), 320, 240, 320}; }
  FrameWriter Writer() {
    return FrameWriter({panel_.data(), kWidth, kHeight, kLine, *PanelFormatForDepth(24)});
  }
  // The panel's pixel at (x, y), as 0xRRGGBB.
  std::uint32_t At(int x, int y) const {
    const unsigned char* p = &panel_[static_cast<size_t>(y) * kLine + x * 3];
    return p[0] | (p[1] << 8) | (p[2] << 16);
  }

  std::vector<gdi::Pixel> screen_;
  std::vector<unsigned char> panel_;
};

TEST_F(FrameWriterTest, TheScreenIsScaledAndCentredOnBlack) {
  screen_[0] = 0xFF0000;
  screen_[239 * 320 + 319] = 0x00FF00;
  FrameWriter writer = Writer();
  EXPECT_EQ(writer.Write(Screen()), 240);
  EXPECT_EQ(writer.Place().scale, 2);
  struct Case {
    int x, y;
    std::uint32_t colour;
  } cases[] = {
      {0, 0, 0},          {29, 10, 0},          {30, 9, 0},
      {30, 10, 0xFF0000}, {31, 11, 0xFF0000},   {32, 10, 0x102030},
      {30, 12, 0x102030}, {668, 488, 0x00FF00}, {669, 489, 0x00FF00},
      {670, 489, 0},      {669, 490, 0},        {699, 499, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(At(c.x, c.y), c.colour) << c.x << "," << c.y;
  // The padding past each line's pixels is not the panel's to touch.
  EXPECT_EQ(panel_[kLine - 1], 0xAA);
}

TEST_F(FrameWriterTest, OnlyChangedRowsAreWrittenAgain) {
  FrameWriter writer = Writer();
  writer.Write(Screen());
  EXPECT_EQ(writer.Write(Screen()), 0);
  // Scribbled over, the panel keeps the scribble where the screen did not change.
  std::memset(panel_.data(), 0x55, panel_.size());
  screen_[100 * 320 + 5] = 0xFFFFFF;
  EXPECT_EQ(writer.Write(Screen()), 1);
  EXPECT_EQ(At(40, 210), 0xFFFFFFu);
  EXPECT_EQ(At(41, 211), 0xFFFFFFu);
  EXPECT_EQ(At(30, 211), 0x102030u);  // the rest of the changed row
  EXPECT_EQ(At(40, 212), 0x555555u);  // the next row, unchanged
  EXPECT_EQ(At(40, 209), 0x555555u);
}

TEST(TouchCalibration, RawValuesLandOnTheScreenByRangeSwapAndInversion) {
  const DeviceRanges none;
  const DeviceRanges resistive{AxisRange{0, 4095}, AxisRange{0, 4095}};
  struct Case {
    const char* calibration;
    const DeviceRanges& device;
    int rawX, rawY;
    ScreenPoint screen;
  } cases[] = {
      {"invert-x", none, 0, 0, {319, 0}},  // a pipe: raw values are pixels
      {"invert-x", none, 100, 239, {219, 239}},
      {"invert-y", none, 400, -5, {319, 239}},  // beyond the screen: its edge
      {"invert-x,invert-y", resistive, 0, 4095, {319, 0}},
      {"x=0:319", resistive, 2048, 2048, {319, 120}},  // y by the device's range
      {"x=200:3900,y=300:3700", resistive, 200, 3700, {0, 239}},
      {"x=200:3900,y=300:3700", resistive, 2050, 1990, {160, 119}},  // 159.5, 118.8
      {"x=3900:200", resistive, 3900, 0, {0, 0}},                    // a backward axis
      {"x=3900:200", resistive, 200, 0, {319, 0}},
      {"swap", resistive, 4095, 0, {0, 239}},  // the panel's X runs down the screen
      {"swap,x=100:300", resistive, 0, 200, {160, 0}},
      {"swap,invert-x", none, 10, 20, {299, 10}},
  };
  for (const Case& c : cases) {
    std::string error;
    const std::optional<TouchCalibration> calibration = ParseTouchCalibration(c.calibration, error);
    ASSERT_TRUE(calibration) << c.calibration << ": " << error;
    EXPECT_EQ(TouchToScreen(c.rawX, c.rawY, *calibration, c.device), c.screen)
        << c.calibration << " at " << c.rawX << "," << c.rawY;
  }
  for (const char* bad : {"", "swap,", "rotate", "x=5:5", "x=1", "z=1:2", "x=a:9", "y=1:2:3"}) {
    std::string error;
    EXPECT_FALSE(ParseTouchCalibration(bad, error)) << bad;
    EXPECT_NE(error, "") << bad;
  }
}

TEST(EvdevTranslator, PenFramesAndKeysBecomeTheDevicesInput) {
  EvdevTranslator translator({}, DeviceRanges{AxisRange{0, 639}, AxisRange{0, 479}});
  std::deque<InputEvent> out;
  const auto feed = [&](std::uint16_t type, std::uint16_t code, std::int32_t value) {
    translator.Feed(type, code, value, out);
  };
  feed(EV_ABS, ABS_X, 100);  // hovering: nothing
  feed(EV_SYN, SYN_REPORT, 0);
  feed(EV_KEY, BTN_TOUCH, 1);
  feed(EV_ABS, ABS_X, 200);
  EXPECT_TRUE(out.empty());  // the frame is not over yet
  feed(EV_ABS, ABS_Y, 40);
  feed(EV_SYN, SYN_REPORT, 0);
  feed(EV_ABS, ABS_X, 201);  // the same screen pixel: no move
  feed(EV_SYN, SYN_REPORT, 0);
  feed(EV_ABS, ABS_Y, 60);
  feed(EV_SYN, SYN_REPORT, 0);
  feed(EV_KEY, KEY_F2, 1);
  feed(EV_KEY, KEY_F2, 2);  // the kernel's repeat
  feed(EV_KEY, KEY_A, 1);   // not one of the device's keys
  feed(EV_KEY, KEY_F2, 0);
  feed(EV_KEY, BTN_TOUCH, 0);
  feed(EV_ABS, ABS_X, 300);
  feed(EV_SYN, SYN_REPORT, 0);
  feed(EV_ABS, ABS_X, 400);  // lifted: no move
  feed(EV_SYN, SYN_REPORT, 0);
  const std::vector<std::tuple<Kind, int, int, UINT>> expected{{Kind::PenDown, 100, 20, 0},
                                                               {Kind::PenMove, 100, 30, 0},
                                                               {Kind::KeyDown, 0, 0, VK_F2},
                                                               {Kind::KeyUp, 0, 0, VK_F2},
                                                               {Kind::PenUp, 150, 30, 0}};
  ASSERT_EQ(out.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const auto& [kind, x, y, vk] = expected[i];
    EXPECT_EQ(out[i].kind, kind) << i;
    EXPECT_EQ(out[i].x, x) << i;
    EXPECT_EQ(out[i].y, y) << i;
    EXPECT_EQ(out[i].vk, vk) << i;
  }
}

TEST(EvdevTranslator, KeysMapAsTheWindowsDo) {
  const std::pair<std::uint16_t, std::optional<UINT>> cases[] = {
      {KEY_END, 0xC3u},        {KEY_ENTER, VK_RETURN},    {KEY_KPENTER, VK_RETURN},
      {KEY_ESC, VK_ESCAPE},    {KEY_LEFT, VK_LEFT},       {KEY_DOWN, VK_DOWN},
      {KEY_F4, VK_F4},         {KEY_KP0, VK_NUMPAD0},     {KEY_KP7, VK_NUMPAD0 + 7},
      {KEY_1, VK_NUMPAD0 + 1}, {KEY_9, VK_NUMPAD0 + 9},   {KEY_0, VK_NUMPAD0},
      {KEY_F5, std::nullopt},  {KEY_SPACE, std::nullopt}, {BTN_TOUCH, std::nullopt},
  };
  for (const auto& [code, vk] : cases) EXPECT_EQ(VirtualKeyFromEvdevKey(code), vk) << code;
}

DeviceCapabilities Capable(std::initializer_list<int> events, std::initializer_list<int> keys,
                           std::initializer_list<int> axes) {
  DeviceCapabilities c;
  for (int e : events) c.events.set(e);
  for (int k : keys) c.keys.set(k);
  for (int a : axes) c.axes.set(a);
  return c;
}

TEST(EvdevCapabilities, APenNeedsTouchAndBothAxesAndKeysNeedOneOfTheDevices) {
  struct Case {
    const char* what;
    DeviceCapabilities capabilities;
    DeviceRoles roles;
  } cases[] = {
      {"resistive panel",
       Capable({EV_KEY, EV_ABS}, {BTN_TOUCH}, {ABS_X, ABS_Y, ABS_PRESSURE}),
       {true, false}},
      {"keyboard", Capable({EV_KEY, EV_REP}, {KEY_A, KEY_ENTER, KEY_F1}, {}), {false, true}},
      {"panel with buttons",
       Capable({EV_KEY, EV_ABS}, {BTN_TOUCH, KEY_F1}, {ABS_X, ABS_Y}),
       {true, true}},
      {"mouse", Capable({EV_KEY, EV_REL}, {BTN_LEFT, BTN_RIGHT}, {}), {false, false}},
      {"tablet pad without Y", Capable({EV_KEY, EV_ABS}, {BTN_TOUCH}, {ABS_X}), {false, false}},
      {"power button", Capable({EV_KEY}, {KEY_POWER}, {}), {false, false}},
      {"keys not claimed as keys",
       Capable({EV_ABS}, {BTN_TOUCH, KEY_F1}, {ABS_X, ABS_Y}),
       {false, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyDevice(c.capabilities), c.roles) << c.what;
}

// A timer's deadline ends the wait when no input comes; a pipe's records
// are the pen; the pipe's end asks the program to close, then stops it.
TEST(FramebufferHost, WaitsForADeadlineOrInputAndClosesWhenTheInputEnds) {
  std::string file = (std::filesystem::temp_directory_path() / "panel-XXXXXX").string();
  const UniqueFd panelFile(::mkstemp(file.data()));
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const UniqueFd reader(ends[0]);
  UniqueFd writer(ends[1]);
  std::string error;
  std::ostringstream diagnostics;
  CommandLine options;
  options.framebuffer = file;
  options.framebufferGeometry = FramebufferGeometry{320, 240, 32};
  options.inputs = {"/proc/self/fd/" + std::to_string(ends[0])};
  std::unique_ptr<FramebufferHost> host = FramebufferHost::Open(options, error, diagnostics);
  std::filesystem::remove(file);
  ASSERT_TRUE(host) << error;
  const DWORD start = host->TickCount();
  EXPECT_FALSE(host->WaitForInput(start + 30));
  EXPECT_GE(host->TickCount() - start, 30u);
  const std::string tap = testing_support::RawTap(5, 6);
  ASSERT_EQ(::write(writer.Get(), tap.data(), tap.size()), static_cast<ssize_t>(tap.size()));
  writer.Reset();
  for (Kind kind : {Kind::PenDown, Kind::PenUp, Kind::Close, Kind::Quit}) {
    const std::optional<InputEvent> event = host->WaitForInput(std::nullopt);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->kind, kind);
    EXPECT_EQ(event->x, kind == Kind::PenDown || kind == Kind::PenUp ? 5 : 0);
  }
  EXPECT_EQ(diagnostics.str(), "");
}

}  // namespace
}  // namespace host
