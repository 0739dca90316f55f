// A small program on the framework that exercises the whole windowing path
// until the real program's windows exist. Its main window paints a blue
// screen with a white bar that grows by 4 pixels at every tick of a 200 ms
// timer, a yellow 8 x 8 marker where the pen was last lifted, and a bottom
// strip showing the last dialog's result (grey none, green IDOK, red
// IDCANCEL). Enter, or a tap in the bottom-right corner, opens a modal
// dialog (magenta, at 80,60 160 x 120) that a tap ends with IDOK and Escape
// cancels. F1 writes "demo" to Roadtally.dat beside the executable, as
// the device names it. A tap in the bottom-left corner ends the program with status
// 10 + x / 10, so a click can be checked from outside; key 0xC3 closes it.
#include <algorithm>

#include <string>

#include "platform/framework/afxwin.h"
#include "platform/win/files.h"

namespace {

constexpr wchar_t kDemoClass[] = L"RoadtallyDemo";
constexpr UINT IDD_DEMO = 200;
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 200;
constexpr int kBarHeight = 10;
constexpr int kBarStep = 4;
constexpr RECT kResultStrip{0, 230, 320, 240};
constexpr int kCornerSize = 40;
constexpr UINT kDeviceCloseKey = 0xC3;

bool InBottomCorner(CPoint point, bool right) {
  if (point.y < 240 - kCornerSize) return false;
  return right ? point.x >= 320 - kCornerSize : point.x < kCornerSize;
}

class CDemoDlg : public CDialog {
 public:
  explicit CDemoDlg(CWnd* parent) : CDialog(IDD_DEMO, parent) {}

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    MoveWindow(80, 60, 160, 120);
    return TRUE;
  }
  afx_msg void OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(255, 0, 255));
  }
  afx_msg void OnLButtonUp(UINT, CPoint) { EndDialog(IDOK); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDemoDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

class CDemoWnd : public CWnd {
 protected:
  afx_msg int OnCreate(LPCREATESTRUCT) {
    SetTimer(kTickTimer, kTickMs);
    return 0;
  }
  afx_msg void OnTimer(UINT_PTR) {
    ++m_nTicks;
    RECT bar{0, 0, 320, kBarHeight};
    InvalidateRect(&bar, FALSE);
  }
  afx_msg void OnPaint();
  afx_msg void OnLButtonUp(UINT, CPoint point);
  afx_msg void OnKeyUp(UINT nChar, UINT, UINT);
  void PostNcDestroy() override { delete this; }

  DECLARE_MESSAGE_MAP()

  void RunDialog() {
    CDemoDlg dialog(this);
    m_nResult = static_cast<int>(dialog.DoModal());
    InvalidateRect(&kResultStrip, FALSE);
  }

  int m_nTicks = 0;
  int m_nResult = 0;
  CPoint m_ptTap{-100, -100};
};

BEGIN_MESSAGE_MAP(CDemoWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_TIMER()
  ON_WM_PAINT()
  ON_WM_LBUTTONUP()
  ON_WM_KEYUP()
END_MESSAGE_MAP()

void CDemoWnd::OnPaint() {
  CPaintDC dc(this);
  dc.FillSolidRect(0, 0, 320, 240, RGB(0, 0, 128));
  dc.FillSolidRect(0, 0, std::min(320, m_nTicks * kBarStep), kBarHeight, RGB(255, 255, 255));
  dc.FillSolidRect(m_ptTap.x - 4, m_ptTap.y - 4, 8, 8, RGB(255, 255, 0));
  COLORREF result = m_nResult == IDOK       ? RGB(0, 255, 0)
                    : m_nResult == IDCANCEL ? RGB(255, 0, 0)
                                            : RGB(128, 128, 128);
  dc.FillSolidRect(&kResultStrip, result);
}

void CDemoWnd::OnLButtonUp(UINT, CPoint point) {
  if (InBottomCorner(point, false)) {
    PostQuitMessage(10 + point.x / 10);
  } else if (InBottomCorner(point, true)) {
    RunDialog();
  } else {
    m_ptTap = point;
    Invalidate(FALSE);
  }
}

void WriteDataFile() {
  const std::wstring module = ModulePath();
  const std::wstring path = module.substr(0, module.rfind(L'\\')) + L"\\Roadtally.dat";
  const FileChunk demo{"demo", 4};
  WriteWholeFile(path.c_str(), {&demo, 1});
}

void CDemoWnd::OnKeyUp(UINT nChar, UINT, UINT) {
  if (nChar == kDeviceCloseKey) PostMessage(WM_CLOSE);
  if (nChar == VK_RETURN) RunDialog();
  if (nChar == VK_F1) WriteDataFile();
}

class CDemoApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    if (HWND running = FindWindow(kDemoClass, nullptr)) {
      SetForegroundWindow(running);
      return FALSE;
    }
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = kDemoClass;
    RegisterClass(&windowClass);
    auto* window = new CDemoWnd;
    if (!window->CreateEx(0, kDemoClass, L"Demo", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr,
                          nullptr)) {
      delete window;
      return FALSE;
    }
    m_pMainWnd = window;
    return TRUE;
  }
};

CDemoApp theApp;

}  // namespace
