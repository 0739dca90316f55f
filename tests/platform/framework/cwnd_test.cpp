// CWnd: creation through PreCreateWindow, attachment, default handling,
// self-deleting windows, temporary wrappers and the quit on main window end.
#include <gmock/gmock.h>

#include "tests/platform/framework/framework_fixture.h"

namespace framework_test {
namespace {

// Like the program's main window: always a popup, whatever was asked.
class CPopupOnly : public CWnd {
 public:
  int creates = 0;
  CREATESTRUCT seen{};
  bool* deleted = nullptr;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override {
    cs.style |= WS_CHILD;
    BOOL ok = CWnd::PreCreateWindow(cs);
    cs.style = (cs.style & ~(WS_CHILD | WS_POPUP)) | static_cast<LONG>(WS_POPUP);
    return ok;
  }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT cs) {
    ++creates;
    seen = *cs;
    EXPECT_EQ(CWnd::FromHandlePermanent(m_hWnd), this);  // attached before the first message
    return CWnd::OnCreate(cs);
  }
  void PostNcDestroy() override {
    if (deleted) *deleted = true;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPopupOnly, CWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

class CSelfDeleting : public CWnd {
 public:
  explicit CSelfDeleting(int* alive) : alive_(alive) { ++*alive_; }
  ~CSelfDeleting() override { --*alive_; }

 protected:
  void PostNcDestroy() override { delete this; }

 private:
  int* alive_;
};

class CWndTest : public FrameworkTest {
 protected:
  CWndTest() {
    WNDCLASSW wc;
    wc.lpfnWndProc = DefWindowProcW;  // the framework attaches its own handling
    wc.lpszClassName = L"Roadtally";
    RegisterClassW(&wc);
  }
};

TEST_F(CWndTest, PreCreateWindowHookDecidesTheStyleAndTheClassProcedureBecomesTheDefault) {
  CPopupOnly wnd;
  ASSERT_TRUE(wnd.CreateEx(0, L"Roadtally", L"Roadtally", WS_POPUP | WS_SYSMENU, 0, 0, 320, 240,
                           nullptr, nullptr));
  EXPECT_EQ(wnd.creates, 1);
  EXPECT_EQ(static_cast<DWORD>(wnd.seen.style) & (WS_POPUP | WS_CHILD),
            static_cast<DWORD>(WS_POPUP));
  EXPECT_EQ(GetWindowLongPtrW(wnd.m_hWnd, GWL_STYLE) & WS_CHILD, 0);
  EXPECT_EQ(CWnd::FromHandle(wnd.m_hWnd), &wnd);
  EXPECT_EQ(CWnd::FromHandle(::FindWindow(L"Roadtally", nullptr)), &wnd);
  CRect client;
  wnd.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 320);
  bool deleted = false;
  wnd.deleted = &deleted;
  HWND hwnd = wnd.m_hWnd;
  wnd.SendMessage(WM_CLOSE);  // default close handling destroys the window
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_TRUE(deleted);
}

TEST_F(CWndTest, SelfDeletingWindowGoesWithItsWindowAndItsParent) {
  int alive = 0;
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
  auto* child = new CSelfDeleting(&alive);
  ASSERT_TRUE(child->Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 200));
  EXPECT_EQ(child->GetDlgCtrlID(), 200);
  EXPECT_EQ(parent.GetDlgItem(200), child);
  EXPECT_EQ(child->GetParent(), &parent);
  parent.DestroyWindow();
  EXPECT_EQ(alive, 0);  // ASan reports it if the object leaked or was used after deletion
}

TEST_F(CWndTest, FailedCreationReturnsFalseAndDetaches) {
  struct CRefuses : CWnd {
    BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }
  } refuses;
  EXPECT_FALSE(refuses.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
  EXPECT_EQ(refuses.m_hWnd, nullptr);
  CWnd orphan;
  EXPECT_FALSE(orphan.CreateEx(0, nullptr, L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr));
  EXPECT_EQ(orphan.m_hWnd, nullptr);
}

TEST_F(CWndTest, TemporaryWrapperOfAForeignWindowLivesAsLongAsTheWindow) {
  HWND foreign = CreateWindowExW(0, L"Roadtally", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                 nullptr, nullptr);
  CWnd* wrapper = CWnd::FromHandle(foreign);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->m_hWnd, foreign);
  EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
  EXPECT_EQ(CWnd::FromHandle(foreign), wrapper);
  DestroyWindow(foreign);
  EXPECT_EQ(CWnd::FromHandle(foreign), nullptr);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}

TEST_F(CWndTest, DestroyingTheMainWindowEndsTheApplicationLoop) {
  int alive = 0;
  app.init = [this, &alive] {
    auto* main = new CSelfDeleting(&alive);
    app.m_pMainWnd = main;
    main->CreateEx(0, L"Roadtally", L"Roadtally", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr,
                   nullptr);
    main->UpdateWindow();
    return TRUE;
  };
  Host().Queue(host::InputEvent::Kind::Close);
  EXPECT_EQ(AfxWinMain(), 0);
  EXPECT_EQ(alive, 0);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(CWndTest, InitInstanceFalseEndsAtOnceWithZero) {
  app.init = [] { return FALSE; };
  Host().Queue(host::InputEvent::Kind::Quit);
  EXPECT_EQ(AfxWinMain(), 0);
  EXPECT_EQ(Host().waits, 0);  // no loop ran
}

TEST_F(CWndTest, RegistryKeyIsKeptAndTheInputMethodStandInSucceeds) {
  app.SetRegistryKey(L"Local AppWizard-Generated Applications");
  EXPECT_EQ(app.GetRegistryKey(), L"Local AppWizard-Generated Applications");
  EXPECT_EQ(ImmAssociateContext(nullptr, nullptr), nullptr);
}

}  // namespace
}  // namespace framework_test
