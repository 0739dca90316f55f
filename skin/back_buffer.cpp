#include "skin/back_buffer.h"

CBackBuffer::~CBackBuffer() {
  Release();
  ReleaseSource();
}

void CBackBuffer::Prepare(CWnd* window, CRect& rcClient) {
  if (Ready()) return;
  window->GetClientRect(&rcClient);
  if (rcClient.Width() <= 0) return;
  CClientDC windowDC(window);
  m_dcBack.CreateCompatibleDC(&windowDC);
  m_bmpBack.CreateCompatibleBitmap(&windowDC, rcClient.Width(), rcClient.Height());
  m_pOldBackBitmap = m_dcBack.SelectObject(&m_bmpBack);
}

void CBackBuffer::Release() {
  if (!Ready()) return;
  m_dcBack.SelectObject(m_pOldBackBitmap);
  m_dcBack.DeleteDC();
  m_bmpBack.DeleteObject();
  m_pOldBackBitmap = nullptr;
}

void CBackBuffer::ReleaseSource() {
  if (m_dcSrc.GetSafeHdc()) m_dcSrc.DeleteDC();
}

void CBackBuffer::Blit(CDC* target, CBitmap* bitmap, int x, int y, int cx, int cy, int srcX,
                       int srcY) {
  if (!m_dcSrc.GetSafeHdc()) m_dcSrc.CreateCompatibleDC(target);
  CBitmap* pOld = m_dcSrc.SelectObject(bitmap);
  target->BitBlt(x, y, cx, cy, &m_dcSrc, srcX, srcY, SRCCOPY);
  m_dcSrc.SelectObject(pOld);
}

BOOL CreateGulimFont(CFont& font, int height, int weight) {
  return font.CreateFont(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                         FF_SWISS, L"Gulim");
}
