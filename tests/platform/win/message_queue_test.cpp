// Message order, nested sends, timers in virtual time and quitting.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/win/winuser.h"
#include "tests/platform/win/fake_host.h"
#include "tests/platform/win/probe_window.h"

namespace win_test {
namespace {

using ::testing::ElementsAre;

constexpr UINT kPing = WM_USER + 1;
constexpr UINT kPong = WM_USER + 2;

class MessageQueueTest : public WindowTest {
 protected:
  MessageQueueTest() { RegisterProbeClass(); }
  Probe probe;
};

TEST_F(MessageQueueTest, SentBeforePostedBeforePaintBeforeTimer) {
  HWND hwnd = MakePopup(probe, {0, 0, 50, 50});
  probe.log.clear();
  SetTimer(hwnd, 7, 10, nullptr);
  Host().Sleep(10);  // the timer is due, the window needs painting
  PostMessageW(hwnd, kPing, 0, 0);
  SendMessageW(hwnd, kPong, 0, 0);
  MSG msg;
  for (int i = 0; i < 2 && GetMessageW(&msg, nullptr, 0, 0); ++i) DispatchMessageW(&msg);
  EXPECT_THAT(probe.Messages(kPing, kPong, WM_PAINT), ElementsAre(kPong, kPing, WM_PAINT));
  EXPECT_EQ(probe.Count(WM_TIMER), 0);
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(MessageQueueTest, PaintKeepsComingUntilValidated) {
  HWND hwnd = MakePopup(probe, {0, 0, 20, 20});
  probe.react = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_PAINT) return 0;  // paints nothing, validates nothing
    return std::nullopt;
  };
  MSG msg;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    DispatchMessageW(&msg);
  }
  ValidateRect(hwnd, nullptr);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, SendFromInsideAHandlerRunsAtOnce) {
  Probe other;
  HWND target = MakePopup(other, {0, 0, 10, 10});
  HWND hwnd = MakePopup(probe, {0, 0, 10, 10});
  std::vector<std::string> order;
  other.react = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m != kPong) return std::nullopt;
    order.push_back("inner");
    return 42;
  };
  probe.react = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m != kPing) return std::nullopt;
    order.push_back("before");
    LRESULT answer = SendMessageW(target, kPong, 0, 0);
    order.push_back("after " + std::to_string(answer));
    return 0;
  };
  PostMessageW(hwnd, kPing, 0, 0);
  MSG msg;
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  DispatchMessageW(&msg);
  EXPECT_THAT(order, ElementsAre("before", "inner", "after 42"));
}

TEST_F(MessageQueueTest, RepeatTimerFiresFiveTimesInOneSecond) {
  HWND hwnd = MakePopup(probe, {0, 0, 10, 10});
  EXPECT_EQ(SetTimer(hwnd, 100, 200, nullptr), 100u);
  Host().endTime = 1000;
  EXPECT_EQ(RunLoop(), kExhausted);
  EXPECT_EQ(probe.Count(WM_TIMER), 5);
  EXPECT_EQ(Host().now, 1000u);
}

TEST_F(MessageQueueTest, KilledTimerStopsAndOneShotPatternFiresOnce) {
  HWND hwnd = MakePopup(probe, {0, 0, 10, 10});
  probe.react = [](HWND h, UINT m, WPARAM id, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_TIMER) KillTimer(h, id);
    return std::nullopt;
  };
  SetTimer(hwnd, 777, 1000, nullptr);
  Host().endTime = 5000;
  RunLoop();
  EXPECT_EQ(probe.Count(WM_TIMER), 1);
  EXPECT_FALSE(KillTimer(hwnd, 777));
}

TEST_F(MessageQueueTest, SleepAdvancesVirtualClockAndTimersFollowIt) {
  HWND hwnd = MakePopup(probe, {0, 0, 10, 10});
  SetTimer(hwnd, 1, 300, nullptr);
  Sleep(1000);  // one timer message covers any number of missed periods
  EXPECT_EQ(Host().now, 1000u);
  Host().endTime = 1000;
  RunLoop();
  EXPECT_EQ(probe.Count(WM_TIMER), 1);
}

TEST_F(MessageQueueTest, QuitEndsTheLoopWithItsCodeAfterPostedMessages) {
  HWND hwnd = MakePopup(probe, {0, 0, 10, 10});
  PostQuitMessage(3);
  PostMessageW(hwnd, kPing, 0, 0);
  EXPECT_EQ(RunLoop(), 3);
  EXPECT_EQ(probe.Count(kPing), 1);
}

TEST_F(MessageQueueTest, PostedMessagesForADestroyedWindowAreDropped) {
  HWND hwnd = MakePopup(probe, {0, 0, 10, 10});
  PostMessageW(hwnd, kPing, 0, 0);
  DestroyWindow(hwnd);
  EXPECT_EQ(RunLoop(), kExhausted);
  EXPECT_EQ(probe.Count(kPing), 0);
}

TEST_F(MessageQueueTest, CloseRequestClosesTheEnabledMainWindow) {
  HWND main = MakePopup(probe, {0, 0, 320, 240});
  probe.react = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_DESTROY) PostQuitMessage(0);
    return std::nullopt;
  };
  Host().Queue(host::InputEvent::Kind::Close);
  EXPECT_EQ(RunLoop(), 0);
  EXPECT_EQ(probe.Count(WM_CLOSE), 1);
  EXPECT_FALSE(IsWindow(main));
}

TEST_F(MessageQueueTest, CloseRequestWhileMainWindowIsDisabledQuitsInstead) {
  HWND main = MakePopup(probe, {0, 0, 320, 240});
  EnableWindow(main, FALSE);  // as a modal dialog does
  Host().Queue(host::InputEvent::Kind::Close);
  EXPECT_EQ(RunLoop(), 0);
  EXPECT_EQ(probe.Count(WM_CLOSE), 0);
  EXPECT_TRUE(IsWindow(main));
}

TEST_F(MessageQueueTest, QuitEventCarriesItsExitCode) {
  MakePopup(probe, {0, 0, 10, 10});
  Host().events.push_back({0, host::InputEvent{host::InputEvent::Kind::Quit, 0, 0, 0, 2}});
  EXPECT_EQ(RunLoop(), 2);
}

TEST_F(MessageQueueTest, DateComesFromTheHost) {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  EXPECT_EQ(local.wYear, 2026);
  EXPECT_EQ(local.wHour, 9);
}

}  // namespace
}  // namespace win_test
