#include "platform/host/sdl_host.h"
#include "platform/host/screen_placement.h"

#include <gtest/gtest.h>

namespace host {
namespace {

using Kind = InputEvent::Kind;

SDL_Event Button(Uint32 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
  SDL_Event event{};
  event.button.type = type;
  event.button.button = button;
  event.button.x = x;
  event.button.y = y;
  return event;
}

SDL_Event Motion(int x, int y) {
  SDL_Event event{};
  event.motion.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  return event;
}

SDL_Event Key(Uint32 type, SDL_Scancode scancode) {
  SDL_Event event{};
  event.key.type = type;
  event.key.keysym.scancode = scancode;
  return event;
}

TEST(SdlInput, PenPointsAreWindowPixelsDividedByTheScale) {
  SdlPenState pen{3};
  std::optional<InputEvent> down = TranslateSdlEvent(Button(SDL_MOUSEBUTTONDOWN, 959, 5), pen);
  ASSERT_TRUE(down);
  EXPECT_EQ(down->kind, Kind::PenDown);
  EXPECT_EQ(down->x, 319);
  EXPECT_EQ(down->y, 1);
  // Held outside the window, the pen stays on the screen's edge.
  std::optional<InputEvent> move = TranslateSdlEvent(Motion(-7, 900), pen);
  ASSERT_TRUE(move);
  EXPECT_EQ(move->kind, Kind::PenMove);
  EXPECT_EQ(move->x, 0);
  EXPECT_EQ(move->y, 239);
  std::optional<InputEvent> up = TranslateSdlEvent(Button(SDL_MOUSEBUTTONUP, 30, 31), pen);
  ASSERT_TRUE(up);
  EXPECT_EQ(up->kind, Kind::PenUp);
  EXPECT_EQ(up->x, 10);
  EXPECT_EQ(up->y, 10);
}

TEST(SdlInput, MovesCountOnlyWhileThePenIsDown) {
  SdlPenState pen{1};
  EXPECT_FALSE(TranslateSdlEvent(Motion(4, 4), pen));
  EXPECT_FALSE(TranslateSdlEvent(Button(SDL_MOUSEBUTTONUP, 4, 4), pen));
  EXPECT_FALSE(TranslateSdlEvent(Button(SDL_MOUSEBUTTONDOWN, 4, 4, SDL_BUTTON_RIGHT), pen));
  ASSERT_TRUE(TranslateSdlEvent(Button(SDL_MOUSEBUTTONDOWN, 4, 4), pen));
  EXPECT_TRUE(TranslateSdlEvent(Motion(5, 5), pen));
  ASSERT_TRUE(TranslateSdlEvent(Button(SDL_MOUSEBUTTONUP, 5, 5), pen));
  EXPECT_FALSE(TranslateSdlEvent(Motion(6, 6), pen));
}

// The device's keys, and a desktop keyboard's stand-ins for the keypad's.
TEST(SdlInput, KeysMapToTheDevicesVirtualKeys) {
  const std::pair<SDL_Scancode, UINT> map[] = {{SDL_SCANCODE_LEFT, 0x25},
                                               {SDL_SCANCODE_UP, 0x26},
                                               {SDL_SCANCODE_RIGHT, 0x27},
                                               {SDL_SCANCODE_DOWN, 0x28},
                                               {SDL_SCANCODE_RETURN, 0x0D},
                                               {SDL_SCANCODE_ESCAPE, 0x1B},
                                               {SDL_SCANCODE_F1, 0x70},
                                               {SDL_SCANCODE_F2, 0x71},
                                               {SDL_SCANCODE_F3, 0x72},
                                               {SDL_SCANCODE_F4, 0x73},
                                               {SDL_SCANCODE_END, 0xC3},
                                               {SDL_SCANCODE_KP_0, 0x60},
                                               {SDL_SCANCODE_KP_1, 0x61},
                                               {SDL_SCANCODE_KP_5, 0x65},
                                               {SDL_SCANCODE_KP_9, 0x69},
                                               // the top-row digits as the pad's
                                               {SDL_SCANCODE_0, 0x60},
                                               {SDL_SCANCODE_1, 0x61},
                                               {SDL_SCANCODE_5, 0x65},
                                               {SDL_SCANCODE_9, 0x69},
                                               // "<-", "." and "확  인"
                                               {SDL_SCANCODE_BACKSPACE, 0x71},
                                               {SDL_SCANCODE_KP_PERIOD, 0x72},
                                               {SDL_SCANCODE_KP_ENTER, 0x70}};
  for (const auto& [scancode, vk] : map)
    EXPECT_EQ(VirtualKeyFromScancode(scancode), vk) << scancode;
  for (const SDL_Scancode other : {SDL_SCANCODE_A, SDL_SCANCODE_F5, SDL_SCANCODE_DELETE,
                                   SDL_SCANCODE_PERIOD, SDL_SCANCODE_KP_PLUS})
    EXPECT_EQ(VirtualKeyFromScancode(other), std::nullopt) << other;

  SdlPenState pen;
  std::optional<InputEvent> up = TranslateSdlEvent(Key(SDL_KEYUP, SDL_SCANCODE_END), pen);
  ASSERT_TRUE(up);
  EXPECT_EQ(up->kind, Kind::KeyUp);
  EXPECT_EQ(up->vk, 0xC3u);
  EXPECT_EQ(TranslateSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_F1), pen)->kind, Kind::KeyDown);
  EXPECT_FALSE(TranslateSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_Q), pen));
}

TEST(SdlInput, CloseButtonAndQuitAskToClose) {
  SdlPenState pen;
  SDL_Event close{};
  close.window.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  EXPECT_EQ(TranslateSdlEvent(close, pen)->kind, Kind::Close);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_EQ(TranslateSdlEvent(quit, pen)->kind, Kind::Close);
  SDL_Event moved{};
  moved.window.type = SDL_WINDOWEVENT;
  moved.window.event = SDL_WINDOWEVENT_MOVED;
  EXPECT_FALSE(TranslateSdlEvent(moved, pen));
}

}  // namespace
}  // namespace host

namespace host {
namespace {

SDL_Event Finger(Uint32 type, float x, float y) {
  SDL_Event event{};
  event.tfinger.type = type;
  event.tfinger.x = x;
  event.tfinger.y = y;
  return event;
}

// Fullscreen on 1920 x 1080: the screen at 4x, centred at (320, 60).
TEST(SdlInput, FingersAndTheMouseMapThroughTheCentredPlacement) {
  const Placement place = CentredPlacement(1920, 1080);
  EXPECT_EQ(place.scale, 4);
  EXPECT_EQ(place.x, 320);
  EXPECT_EQ(place.y, 60);
  SdlPenState pen{place.scale, false, place.x, place.y, 1920, 1080};
  std::optional<InputEvent> down = TranslateSdlEvent(Finger(SDL_FINGERDOWN, 0.5f, 0.5f), pen);
  ASSERT_TRUE(down);
  EXPECT_EQ(down->kind, Kind::PenDown);
  EXPECT_EQ(down->x, 160);
  EXPECT_EQ(down->y, 120);
  // SDL's mouse copy of the same touch is not a second pen.
  SDL_Event copy = Button(SDL_MOUSEBUTTONUP, 960, 540);
  copy.button.which = SDL_TOUCH_MOUSEID;
  EXPECT_FALSE(TranslateSdlEvent(copy, pen));
  // The black margin left of the screen is its edge, not a wrap-around.
  std::optional<InputEvent> move = TranslateSdlEvent(Motion(317, 1079), pen);
  ASSERT_TRUE(move);
  EXPECT_EQ(move->x, 0);
  EXPECT_EQ(move->y, 239);
  std::optional<InputEvent> up = TranslateSdlEvent(Finger(SDL_FINGERUP, 0.0f, 0.0f), pen);
  ASSERT_TRUE(up);
  EXPECT_EQ(up->kind, Kind::PenUp);
  EXPECT_EQ(up->x, 0);
}

TEST(ScreenPlacement, WindowScaleLeavesRoomForTheFrame) {
  struct Case {
    int width, height;
    Frame frame;
    int scale;
  };
  for (const Case& c : {Case{800, 480, {32, 4, 4, 4}, 1},  // 2x would lose the bottom row
                        Case{800, 480, {}, 2}, Case{1920, 1040, {37, 0, 0, 0}, 4},
                        Case{320, 240, {20, 2, 2, 2}, 1}}) {  // never below 1
    EXPECT_EQ(FittingWindowScale(c.width, c.height, c.frame), c.scale)
        << c.width << "x" << c.height;
  }
  const Placement panel = CentredPlacement(320, 240);
  EXPECT_EQ(panel.scale, 1);
  EXPECT_EQ(panel.x, 0);
  EXPECT_EQ(panel.y, 0);
}

}  // namespace
}  // namespace host
