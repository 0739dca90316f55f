// Message tables: lookup walks from the derived class to its bases, the
// nearest entry wins, and handlers get the message's parameters unpacked.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "tests/platform/framework/framework_fixture.h"

namespace framework_test {
namespace {

using ::testing::ElementsAre;

constexpr UINT kRefresh = WM_USER + 5;

class CBaseWnd : public CWnd {
 public:
  std::vector<std::string> calls;

 protected:
  afx_msg void OnTimer(UINT_PTR id) { calls.push_back("base timer " + std::to_string(id)); }
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT) {
    calls.push_back("base key " + std::to_string(nChar) + "x" + std::to_string(nRepCnt));
  }
  afx_msg void OnSave() { calls.push_back("base save"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
  ON_WM_TIMER()
  ON_WM_KEYDOWN()
  ON_COMMAND(10, OnSave)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
 protected:
  afx_msg void OnKeyDown(UINT nChar, UINT, UINT) {
    calls.push_back("derived key " + std::to_string(nChar));
  }
  afx_msg void OnDigit(UINT id) { calls.push_back("digit " + std::to_string(id)); }
  afx_msg LRESULT OnRefresh(WPARAM wParam, LPARAM lParam) {
    calls.push_back("refresh " + std::to_string(wParam) + "," + std::to_string(lParam));
    return 77;
  }
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
    calls.push_back("down " + std::to_string(nFlags) + " " + std::to_string(point.x) + "," +
                    std::to_string(point.y));
  }
  afx_msg void OnSize(UINT, int cx, int cy) {
    calls.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONDOWN()
  ON_WM_SIZE()
  ON_COMMAND_RANGE(20, 29, OnDigit)
  ON_MESSAGE(kRefresh, OnRefresh)
END_MESSAGE_MAP()

class MessageMapTest : public FrameworkTest {};

TEST_F(MessageMapTest, DerivedEntriesWinAndBaseEntriesStillServe) {
  CDerivedWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  wnd.calls.clear();
  wnd.SendMessage(WM_KEYDOWN, VK_LEFT, 1);
  wnd.SendMessage(WM_TIMER, 100, 0);
  wnd.SendMessage(WM_COMMAND, 10, 0);
  wnd.SendMessage(WM_COMMAND, 23, 0);
  wnd.SendMessage(WM_COMMAND, 30, 0);               // in no table: nothing
  wnd.SendMessage(WM_COMMAND, MAKELONG(23, 1), 0);  // another notification code: nothing
  EXPECT_EQ(wnd.SendMessage(kRefresh, 4, -2), 77);
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-3), 9));
  wnd.MoveWindow(0, 0, 30, 40);
  EXPECT_THAT(wnd.calls, ElementsAre("derived key 37", "base timer 100", "base save", "digit 23",
                                     "refresh 4,-2", "down 1 -3,9", "size 30x40"));
  wnd.DestroyWindow();
}

// Constructed last, this becomes the application AfxGetApp returns.
class CAboutApp : public CWinApp {
 public:
  int abouts = 0;

 protected:
  afx_msg void OnAbout() { ++abouts; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAboutApp, CWinApp)
  ON_COMMAND(ID_APP_ABOUT, OnAbout)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, ApplicationTableAnswersCommandsOfItsMainWindowOnly) {
  CAboutApp aboutApp;
  ASSERT_EQ(AfxGetApp(), &aboutApp);
  CDerivedWnd main, other;
  ASSERT_TRUE(main.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  ASSERT_TRUE(other.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  aboutApp.m_pMainWnd = &main;
  other.SendMessage(WM_COMMAND, ID_APP_ABOUT, 0);
  EXPECT_EQ(aboutApp.abouts, 0);
  main.SendMessage(WM_COMMAND, ID_APP_ABOUT, 0);
  EXPECT_EQ(aboutApp.abouts, 1);
  aboutApp.m_pMainWnd = nullptr;
  main.DestroyWindow();
  other.DestroyWindow();
}

}  // namespace
}  // namespace framework_test
