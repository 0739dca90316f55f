// Creation, destruction order, re-entrant destruction, finding windows
// here and in another process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/win/host_port.h"
#include "tests/platform/win/fake_host.h"
#include "tests/platform/win/probe_window.h"

namespace win_test {
namespace {

using ::testing::ElementsAre;

class LifecycleTest : public WindowTest {
 protected:
  LifecycleTest() { RegisterProbeClass(); }
};

TEST_F(LifecycleTest, CreationSendsNcCreateThenCreateWithTheCreateStruct) {
  Probe probe;
  HWND hwnd = MakePopup(probe, {5, 6, 25, 46});
  ASSERT_TRUE(IsWindow(hwnd));
  ASSERT_GE(probe.log.size(), 2u);
  EXPECT_EQ(probe.log[0].message, static_cast<UINT>(WM_NCCREATE));
  EXPECT_EQ(probe.log[1].message, static_cast<UINT>(WM_CREATE));
  RECT client, window;
  GetClientRect(hwnd, &client);
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(client.right, 20);
  EXPECT_EQ(client.bottom, 40);
  EXPECT_EQ(window.left, 5);
  EXPECT_EQ(window.top, 6);
}

TEST_F(LifecycleTest, CreateReturningMinusOneDestroysTheWindowAndReturnsNull) {
  Probe probe;
  probe.react = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_CREATE) return -1;
    return std::nullopt;
  };
  EXPECT_EQ(MakePopup(probe, {0, 0, 10, 10}), nullptr);
  EXPECT_EQ(probe.Count(WM_DESTROY), 1);
  EXPECT_EQ(probe.Count(WM_NCDESTROY), 1);
  EXPECT_FALSE(IsWindow(probe.log[0].hwnd));
}

TEST_F(LifecycleTest, UnknownClassOrChildWithoutParentFails) {
  Probe probe;
  EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  EXPECT_EQ(MakeChild(probe, nullptr, {0, 0, 1, 1}), nullptr);
  EXPECT_TRUE(probe.log.empty());
}

TEST_F(LifecycleTest, DestroyGoesOwnedPopupsFirstThenDestroyThenChildrenThenNcDestroy) {
  std::vector<std::pair<std::string, UINT>> order;
  Probe mainProbe, childProbe, popupProbe;
  auto record = [&order](std::string who) {
    return [&order, who](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (m == WM_DESTROY || m == WM_NCDESTROY) order.emplace_back(who, m);
      return std::nullopt;
    };
  };
  mainProbe.react = record("main");
  childProbe.react = record("child");
  popupProbe.react = record("popup");
  HWND main = MakePopup(mainProbe, {0, 0, 100, 100});
  HWND child = MakeChild(childProbe, main, {0, 0, 10, 10});
  HWND popup = MakePopup(popupProbe, {10, 10, 50, 50}, main);
  EXPECT_EQ(GetWindow(popup, GW_OWNER), main);
  EXPECT_EQ(GetParent(child), main);
  SetCapture(child);
  SetFocus(child);
  EXPECT_TRUE(DestroyWindow(main));
  using P = std::pair<std::string, UINT>;
  EXPECT_THAT(order, ElementsAre(P{"popup", WM_DESTROY}, P{"popup", WM_NCDESTROY},
                                 P{"main", WM_DESTROY}, P{"child", WM_DESTROY},
                                 P{"child", WM_NCDESTROY}, P{"main", WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(win::WindowManager::Get().active, nullptr);
}

TEST_F(LifecycleTest, WindowDestroyingItselfAndItsParentInsideHandlers) {
  Probe parentProbe, childProbe;
  HWND parent = MakePopup(parentProbe, {0, 0, 100, 100});
  HWND child = MakeChild(childProbe, parent, {0, 0, 10, 10});
  childProbe.react = [parent](HWND self, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_USER) {
      DestroyWindow(self);
      DestroyWindow(parent);
      return 0;
    }
    if (m == WM_DESTROY) DestroyWindow(self);  // re-entrant: refused, harmless
    return std::nullopt;
  };
  EXPECT_EQ(SendMessageW(child, WM_USER, 0, 0), 0);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_EQ(childProbe.Count(WM_NCDESTROY), 1);
  EXPECT_EQ(parentProbe.Count(WM_NCDESTROY), 1);
  EXPECT_EQ(SendMessageW(child, WM_USER, 0, 0), 0);  // a stale handle finds nothing
}

class FakeBroker : public host::InstanceBroker {
 public:
  bool IsRunningElsewhere(std::wstring_view name) override { return name == elsewhere; }
  void RaiseElsewhere(std::wstring_view name) override { raised.emplace_back(name); }
  void Announce(std::wstring_view name) override { announced.emplace_back(name); }
  std::wstring elsewhere;
  std::vector<std::wstring> raised, announced;
};

TEST_F(LifecycleTest, FindWindowLooksHereFirstThenAsksTheBroker) {
  auto installed = std::make_unique<FakeBroker>();
  FakeBroker& broker = *installed;
  platform::Context::Get().Install<host::InstanceBroker>(std::move(installed));
  broker.elsewhere = L"Remote";
  Probe probe;
  HWND main = MakePopup(probe, {0, 0, 320, 240});
  MakePopup(probe, {0, 0, 10, 10}, main);  // owned: not announced
  EXPECT_THAT(broker.announced, ElementsAre(L"Probe"));

  EXPECT_EQ(FindWindowW(L"probe", nullptr), main);  // class names ignore case
  EXPECT_EQ(FindWindowW(L"Missing", nullptr), nullptr);
  HWND remote = FindWindowW(L"Remote", nullptr);
  ASSERT_NE(remote, nullptr);
  EXPECT_NE(remote, main);
  EXPECT_TRUE(SetForegroundWindow(remote));
  EXPECT_THAT(broker.raised, ElementsAre(L"Remote"));
  EXPECT_EQ(Host().raises, 0);
  EXPECT_TRUE(SetForegroundWindow(main));
  EXPECT_EQ(Host().raises, 1);
}

}  // namespace
}  // namespace win_test
