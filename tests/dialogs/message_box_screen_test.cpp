// The message box driven headless: the result each key and tap gives, the
// icon each style shows, and where the popup sits.
#include <gtest/gtest.h>

#include <string>

#include "platform/win/winuser.h"
#include "tests/support/program_run.h"
#include "tests/support/screen_pixels.h"

namespace {

using screen_pixels::CountNear;
using testing_support::ProgramRun;

// The popup's frame is centred: its client origin is (26, 41) on screen.
constexpr int kLeft = 26, kTop = 41;
std::string At(const char* verb, int x, int y) {
  return std::string(verb) + " " + std::to_string(kLeft + x) + " " + std::to_string(kTop + y) +
         "\n";
}
const std::string kTapOk = At("tap", 60, 124), kTapCancel = At("tap", 173, 124);
const char kText[] = "선택된 목록을 삭제합니다.";

struct Case {
  const char* what;
  unsigned style;
  std::string script;
  int result;
};

TEST(MessageBoxScreen, KeysAndTapsGiveTheResult) {
  const Case cases[] = {
      {"Enter with nothing focused", MB_OKCANCEL, "key RETURN\n", IDCANCEL},
      {"F1 confirms", MB_OKCANCEL, "key F1\n", IDOK},
      {"F1 confirms a yes/no question", MB_YESNO, "key F1\n", IDYES},
      {"F1 with yes/no/cancel", MB_YESNOCANCEL, "key F1\n", IDYES},
      {"F3 then Enter", MB_OKCANCEL, "key F3\nkey RETURN\n", IDCANCEL},
      {"F1 held, then Enter", MB_OKCANCEL, "keydown F1\nkeyup F3\nkey RETURN\n", IDOK},
      {"F2 cancels", MB_OKCANCEL, "key F2\n", IDCANCEL},
      {"Escape cancels", MB_OKCANCEL, "key ESCAPE\n", IDCANCEL},
      {"the close key cancels", MB_OKCANCEL, "key DEVICE\n", IDCANCEL},
      {"a key-up after another key-down", MB_OKCANCEL,
       "keydown F1\nkeydown F2\nkeyup F1\nkeyup F2\nkey F3\nkey RETURN\n", IDCANCEL},
      {"a key-up after the key-down of OK", MB_OKCANCEL,
       "keydown F2\nkeydown F1\nkeyup F2\nkey RETURN\n", IDOK},
      {"tap OK", MB_OKCANCEL, kTapOk, IDOK},
      {"tap Cancel", MB_OKCANCEL, kTapCancel, IDCANCEL},
      {"the release decides", MB_OKCANCEL, At("down", 60, 124) + At("up", 173, 124), IDCANCEL},
      {"a release outside both buttons", MB_OKCANCEL,
       At("down", 60, 124) + At("up", 130, 60) + "key F2\n", IDCANCEL},
      {"one button: OK's place still confirms", MB_OK, kTapOk, IDOK},
      {"one button: F1 still confirms", MB_OK, "key F1\n", IDOK},
  };
  for (const Case& c : cases) {
    ProgramRun run{HARNESS_PATH};
    const auto ended = Message(run, c.style, kText, c.script);
    EXPECT_TRUE(ended.ended) << c.what;
    EXPECT_EQ(c.result, ended.result) << c.what;
  }
}

TEST(MessageBoxScreen, TheStyleChoosesTheIconAndTheButtons) {
  struct Look {
    unsigned style;
    COLORREF icon;
    bool okShown;
  };
  const COLORREF yellow = RGB(255, 204, 0), blue = RGB(40, 112, 222), red = RGB(222, 36, 36);
  const Look looks[] = {
      {MB_OKCANCEL, yellow, true},      {MB_OKCANCEL | MB_ICONQUESTION, blue, true},
      {MB_ICONHAND, red, false},        {MB_ICONEXCLAMATION | MB_YESNO, yellow, true},
      {MB_ICONASTERISK, yellow, false},
  };
  const RECT icon{kLeft + 15, kTop + 40, kLeft + 15 + 53, kTop + 40 + 52};
  const RECT okButton{kLeft + 40, kTop + 112, kLeft + 115, kTop + 136};
  const COLORREF buttonBlue = RGB(53, 106, 189);
  for (const Look& look : looks) {
    ProgramRun run{HARNESS_PATH};
    Message(run, look.style, kText, "shot " + run.Path("m.png") + "\n");
    const res::Image shot = run.Shot("m.png");
    ASSERT_EQ(320, shot.width);
    EXPECT_GT(CountNear(shot, icon, look.icon, 30), 300) << look.style;
    EXPECT_EQ(look.okShown, CountNear(shot, okButton, buttonBlue, 110) > 500) << look.style;
    // Outside the popup the window beneath shows.
    EXPECT_EQ(RGB(40, 40, 40), screen_pixels::At(shot, kLeft - 1, kTop - 1));
    EXPECT_EQ(RGB(40, 40, 40), screen_pixels::At(shot, kLeft + 267, kTop + 158));
  }
}

}  // namespace
