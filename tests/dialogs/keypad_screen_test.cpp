// The keypad driven headless as a driver would: taps and device keys in
// virtual time, the text it hands back, and what the screen shows.
#include <gtest/gtest.h>

#include <string>

#include "platform/win/winuser.h"
#include "tests/support/program_run.h"
#include "tests/support/screen_pixels.h"

namespace {

using screen_pixels::CountNear;
using testing_support::ProgramRun;

// Key centres on the screen.
std::string Tap(int x, int y) {
  return "tap " + std::to_string(x) + " " + std::to_string(y) + "\n";
}
std::string Digit(int d) {
  const int index = d == 0 ? 9 : d - 1;
  return Tap(43 + 58 * (index % 5), 140 + 36 * (index / 5));
}
const std::string kOk = Tap(44, 222), kPoint = Tap(202, 222), kCancel = Tap(281, 222);
const std::string kBackDown = "down 123 222\n", kBackUp = "up 123 222\n";
const std::string kNowhere = Tap(160, 100);

struct Case {
  const char* what;
  std::string start;
  std::string script;
  int result;
  std::string value;
};

TEST(KeypadScreen, WhatTheDriverTypesIsWhatTheCallerGets) {
  const Case cases[] = {
      {"pen digits and point", "0.00", Digit(1) + Digit(2) + kPoint + Digit(5) + kOk, IDOK, "12.5"},
      {"a value below 1", "0.00", kPoint + Digit(5) + kOk, IDOK, "0.5"},
      {"cancel ends with IDCLOSE, the caller's text back", "0.00", Digit(7) + kCancel, IDCLOSE,
       "0.00"},
      {"the first digit replaces the caller's text", "67200.00",
       Digit(6) + Digit(7) + Digit(2) + Digit(5) + Digit(0) + kOk, IDOK, "67250"},
      {"numeric pad and F keys", "0.00", "key NUMPAD7\nkey F3\nkey NUMPAD5\nkey F1\n", IDOK, "7.5"},
      {"a numeric pad digit acts on release", "0", "keydown NUMPAD4\nkey F4\n", IDCLOSE, "0"},
      {"the digit row does nothing", "0.00", "key 0x31\nkey F1\n", IDOK, "0.00"},
      {"arrows and Enter start on the 3", "0",
       "key RIGHT\nkey RETURN\nkey DOWN\nkey RETURN\nkey F1\n", IDOK, "49"},
      {"after a tap arrows and Enter do nothing", "0", kNowhere + "key RIGHT\nkey RETURN\nkey F1\n",
       IDOK, "0"},
      {"a key-up without its key-down", "12", "keyup F1\nkeyup F2\nkey F4\n", IDCLOSE, "12"},
      {"a key-up after another key-down", "12",
       "keydown F2\nkeydown F1\nkeyup F2\nkeyup F1\nkey F4\n", IDCLOSE, "12"},
      {"a pen slid off a digit", "0", "down 43 140\nmove 43 190\nup 43 190\n" + kOk, IDOK, "0"},
      {"a release on another command key", "12", "down 202 222\nup 123 222\n" + kOk, IDOK, "12"},
      {"backspace", "7", kBackDown + kBackUp + kOk, IDOK, "0"},
      {"held just under a second", "12.5", kBackDown + "wait 999\n" + kBackUp + kOk, IDOK, "12."},
      {"held a second clears", "12.5", kBackDown + "wait 1000\n" + kBackUp + kOk, IDOK, ""},
      {"released outside all keys, cleared a second later", "12.5",
       kBackDown + "up 160 100\nwait 1000\n" + kOk, IDOK, ""},
      {"the close key cancels", "3", "key DEVICE\n", IDCLOSE, "3"},
  };
  for (const Case& c : cases) {
    ProgramRun run{HARNESS_PATH};
    const auto ended = Keypad(run, c.start, c.script);
    EXPECT_TRUE(ended.ended) << c.what;
    EXPECT_EQ(c.result, ended.result) << c.what;
    EXPECT_EQ(c.value, ended.value) << c.what;
  }
}

bool Yellow(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 150 && GetBValue(c) < 100; }
int YellowIn(const res::Image& shot, const RECT& r) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) count += Yellow(screen_pixels::At(shot, x, y));
  return count;
}

// The 3 is highlighted at the start; a tap anywhere takes the highlight
// away for good (seen at the next whole repaint, which F3 asks for). F1
// shows "확  인" pressed while it is held.
TEST(KeypadScreen, HighlightsAndPressedLooks) {
  ProgramRun run{HARNESS_PATH};
  const std::string shot = "shot " + run.Path("a.png") + "\n";
  const std::string pressed = "shot " + run.Path("b.png") + "\n";
  const std::string after = "shot " + run.Path("c.png") + "\n";
  Keypad(run, "0",
         shot + "keydown F1\n" + pressed + "keyup F2\n" + kNowhere + "keydown F3\n" + after);
  const res::Image start = run.Shot("a.png"), held = run.Shot("b.png"), tapped = run.Shot("c.png");
  ASSERT_EQ(320, start.width);
  ASSERT_EQ(320, held.width);
  ASSERT_EQ(320, tapped.width);
  const RECT three{135, 128, 183, 153}, one{19, 128, 67, 153}, okKey{6, 209, 83, 236};
  const RECT digits{6, 116, 312, 201};
  EXPECT_GT(YellowIn(start, three), 48 * 25 / 2);
  EXPECT_EQ(0, YellowIn(start, one));
  EXPECT_EQ(0, YellowIn(tapped, digits));
  const COLORREF orange = RGB(240, 166, 70);
  EXPECT_EQ(0, CountNear(start, okKey, orange, 120));
  EXPECT_GT(CountNear(held, okKey, orange, 120), 77 * 27 / 3);
}

// The text sits at the right of its box, white.
TEST(KeypadScreen, TheValueIsDrawnRightAligned) {
  ProgramRun run{HARNESS_PATH};
  Keypad(run, "0", Digit(8) + Digit(8) + "shot " + run.Path("v.png") + "\n");
  const res::Image shot = run.Shot("v.png");
  ASSERT_EQ(320, shot.width);
  const COLORREF white = RGB(255, 255, 255);
  EXPECT_GT(CountNear(shot, RECT{266, 60, 296, 86}, white, 120), 20);
  EXPECT_EQ(0, CountNear(shot, RECT{12, 60, 250, 86}, white, 120));
}

}  // namespace
