// The off-screen surface a window composes its whole screen in before one
// block copy to the window, with the memory surface that bitmaps are copied
// from. Made on the first paint, kept for every later one, released with
// its owner or when the window goes.
#pragma once

#include "platform/framework/afxwin.h"

class CBackBuffer {
 public:
  CBackBuffer() = default;
  ~CBackBuffer();
  CBackBuffer(const CBackBuffer&) = delete;
  CBackBuffer& operator=(const CBackBuffer&) = delete;

  // Makes the buffer once, as large as the window's client area, which is
  // read into rcClient. With an empty client area nothing is made and the
  // next call tries again.
  void Prepare(CWnd* window, CRect& rcClient);
  bool Ready() const { return m_dcBack.GetSafeHdc() != nullptr; }
  void Release();
  // The surface bitmaps are copied from; made again by the next copy.
  void ReleaseSource();

  // Plain copy of the cx x cy block of bitmap at (srcX, srcY) to (x, y).
  void Blit(CDC* target, CBitmap* bitmap, int x, int y, int cx, int cy, int srcX, int srcY);

  CDC m_dcBack;

 private:
  CBitmap* m_pOldBackBitmap = nullptr;
  CBitmap m_bmpBack;
  CDC m_dcSrc;
};

// The painting frame every screen shares: the calendar window and every
// dialog compose their whole screen in the back buffer, from bitmaps, in
// the 14-pixel bold face, and copy it to the window in one block.
template <class Window>
class CSkinPainted : public Window {
 public:
  using Window::Window;

 protected:
  void PrepareBackBuffer() { m_back.Prepare(this, m_rcClient); }
  void ReleaseBackBuffer() { m_back.Release(); }
  void BlitBitmap(CDC* pDC, CBitmap* pBitmap, int x, int y, int cx, int cy, int srcX, int srcY) {
    m_back.Blit(pDC, pBitmap, x, y, cx, cy, srcX, srcY);
  }
  // The bitmap from its top-left corner into the rectangle.
  void BlitBitmapToRect(CDC* pDC, CBitmap* pBitmap, const CRect& rect) {
    m_back.Blit(pDC, pBitmap, rect.left, rect.top, rect.Width(), rect.Height(), 0, 0);
  }

 public:
  CRect m_rcClient;
  CFont m_font;
  CBackBuffer m_back;
  CDC& m_dcBack = m_back.m_dcBack;
};

// The program's one face, "Gulim", at a cell height in pixels and a weight
// (FW_BOLD or FW_NORMAL), for every window and control that draws text.
BOOL CreateGulimFont(CFont& font, int height, int weight);

// How long a tapped button shows pressed before its action runs.
constexpr DWORD kPressedPauseMs = 200;

// A tapped button: drawn pressed at once (only its rectangle repaints), the
// pause, the action while it still shows pressed (a dialog it opens opens
// over the pressed look), then its rectangle invalidated for the released
// look at the next paint. Taps made during the pause are discarded before
// the action, so a double click acts once and does not press whatever the
// action puts under the pen.
template <typename Action>
void ShowPressedThenRun(CWnd* window, const CRect& button, Action&& action) {
  window->InvalidateRect(&button, FALSE);
  window->UpdateWindow();
  Sleep(kPressedPauseMs);
  DiscardPenPresses();
  action();
  window->InvalidateRect(&button, FALSE);
}
