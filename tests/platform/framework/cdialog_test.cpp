// Modal dialogs: the nested loop, EndDialog, the dialog keys, the owner
// disabled meanwhile, and unwinding on a close request.
#include <gmock/gmock.h>

#include "tests/platform/framework/framework_fixture.h"

namespace framework_test {
namespace {

using Kind = host::InputEvent::Kind;
constexpr UINT kPlain = 200, kAbout = 201;

class CProbeDialog : public CDialog {
 public:
  explicit CProbeDialog(CWnd* parent, UINT id = kPlain) : CDialog(id, parent) {}
  std::function<BOOL(CProbeDialog&)> init;
  std::function<void(CProbeDialog&, UINT)> onKey;
  std::vector<MSG> pretranslated;
  int shows = 0, paints = 0;
  bool okIgnored = false;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    return init ? init(*this) : TRUE;
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) pretranslated.push_back(*pMsg);
    return CDialog::PreTranslateMessage(pMsg);
  }

 protected:
  void OnOK() override {
    if (!okIgnored) CDialog::OnOK();
  }
  afx_msg void OnKeyDown(UINT nChar, UINT, UINT) {
    if (onKey) onKey(*this, nChar);
  }
  afx_msg void OnPaint() {
    ++paints;
    CPaintDC dc(this);
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SHOWWINDOW && wParam) ++shows;
    return CDialog::WindowProc(message, wParam, lParam);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDialog, CDialog)
  ON_WM_KEYDOWN()
  ON_WM_PAINT()
END_MESSAGE_MAP()

class CDialogTest : public FrameworkTest {
 protected:
  CDialogTest() {
    EXPECT_TRUE(main.CreateEx(0, nullptr, L"Roadtally", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240,
                              nullptr, nullptr));
    app.m_pMainWnd = &main;
  }
  ~CDialogTest() override {
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
  }
  CWnd main;
};

TEST_F(CDialogTest, EscapeCancelsAndTheOwnerIsDisabledMeanwhile) {
  CProbeDialog dialog(&main);
  BOOL ownerEnabledInside = TRUE;
  dialog.init = [&](CProbeDialog& d) {
    ownerEnabledInside = main.IsWindowEnabled();
    EXPECT_EQ(::GetWindow(d.m_hWnd, GW_OWNER), main.m_hWnd);
    return TRUE;
  };
  Host().Key(VK_ESCAPE);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_FALSE(ownerEnabledInside);
  EXPECT_TRUE(main.IsWindowEnabled());
  EXPECT_EQ(win::WindowManager::Get().active, main.m_hWnd);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.shows, 1);
  EXPECT_GE(dialog.paints, 1);
}

TEST_F(CDialogTest, EnterGoesToOnOkWhichASkinnedDialogMayIgnore) {
  CProbeDialog dialog(&main);
  dialog.okIgnored = true;
  Host().Key(VK_RETURN);  // ignored: the dialog stays
  Host().Key(VK_ESCAPE);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  ASSERT_EQ(dialog.pretranslated.size(), 3u);  // the loop ends before Escape's key-up
  EXPECT_EQ(dialog.pretranslated[0].wParam, static_cast<WPARAM>(VK_RETURN));
}

TEST_F(CDialogTest, EndDialogInsideOnInitDialogEndsBeforeItIsShown) {
  CProbeDialog dialog(&main);
  dialog.init = [](CProbeDialog& d) {
    d.EndDialog(IDABORT);
    return TRUE;
  };
  EXPECT_EQ(dialog.DoModal(), IDABORT);
  EXPECT_EQ(dialog.shows, 0);
  EXPECT_EQ(dialog.paints, 0);
  EXPECT_EQ(Host().waits, 0);  // no message was waited for
  EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(CDialogTest, InnerEndDialogReturnsToTheOuterLoopWhichStillWorks) {
  CProbeDialog outer(&main);
  INT_PTR innerResult = 0;
  bool ownerDisabledDuringInner = false;
  outer.onKey = [&](CProbeDialog& self, UINT key) {
    if (key != VK_F1) return;
    CProbeDialog inner(&self);
    inner.onKey = [&](CProbeDialog& in, UINT k) {
      ownerDisabledDuringInner = !self.IsWindowEnabled() && !main.IsWindowEnabled();
      if (k == VK_F2) in.EndDialog(IDYES);
    };
    innerResult = inner.DoModal();
  };
  Host().Key(VK_F1);  // opens the inner dialog
  Host().Key(VK_F2);  // ends it
  Host().Key(VK_F1);  // the outer dialog opens another: it still takes keys
  Host().Key(VK_F2);
  Host().Key(VK_ESCAPE);  // and ends the outer one
  EXPECT_EQ(outer.DoModal(), IDCANCEL);
  EXPECT_EQ(innerResult, IDYES);
  EXPECT_TRUE(ownerDisabledDuringInner);
  EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(CDialogTest, PreTranslateMessageSeesTheKeysOfAFocusedChild) {
  CProbeDialog dialog(&main);
  CWnd child;
  HWND childHwnd = nullptr;
  dialog.init = [&](CProbeDialog& d) {
    child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &d, 300);
    child.SetFocus();
    childHwnd = child.m_hWnd;
    return FALSE;  // the focus was set here
  };
  Host().Key(VK_LEFT);
  Host().Key(VK_ESCAPE);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  ASSERT_GE(dialog.pretranslated.size(), 1u);
  EXPECT_EQ(dialog.pretranslated[0].hwnd, childHwnd);
  EXPECT_EQ(dialog.pretranslated[0].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(dialog.pretranslated[0].wParam, static_cast<WPARAM>(VK_LEFT));
  EXPECT_EQ(child.m_hWnd, nullptr);  // destroyed with the dialog
}

TEST_F(CDialogTest, CloseRequestDuringADialogUnwindsItThenTheMainWindowGoes) {
  app.init = [this] {
    CProbeDialog dialog(&main);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(IsWindow(main.m_hWnd));  // still there while the dialog unwinds
    return TRUE;
  };
  Host().Queue(Kind::Close);
  EXPECT_EQ(AfxWinMain(), 0);
  EXPECT_EQ(main.m_hWnd, nullptr);
}

TEST_F(CDialogTest, TemplateButtonTapEndsTheAboutBoxWithItsId) {
  CProbeDialog about(&main, kAbout);
  HWND button = nullptr;
  RECT placed{};
  Host().Tap(0, 0);
  Host().Key(VK_ESCAPE);  // reached only if the tap missed
  auto& events = Host().events;
  // The tap is aimed once the button exists, wherever the font's units put it.
  about.init = [&](CProbeDialog& d) {
    button = ::GetDlgItem(d.m_hWnd, IDOK);
    ::GetWindowRect(button, &placed);
    for (int i = 0; i < 2; ++i) {
      events[i].event.x = placed.left + 2;
      events[i].event.y = placed.top + 2;
    }
    return TRUE;
  };
  EXPECT_EQ(about.DoModal(), IDOK);
  ASSERT_NE(button, nullptr);
  EXPECT_GT(placed.right - placed.left, 0);
}

TEST_F(CDialogTest, MissingTemplateReturnsMinusOne) {
  CProbeDialog missing(&main, 999);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_TRUE(main.IsWindowEnabled());
}

}  // namespace
}  // namespace framework_test
