#include "skin/skin_bitmap.h"

CSkinBitmap::~CSkinBitmap() { Release(); }

bool CSkinBitmap::LoadFromResource(UINT id, int cellWidth, int cellHeight, COLORREF transparent) {
  if (m_bLoaded) Release();
  if (cellWidth == 0) return false;
  m_dcMem.CreateCompatibleDC(nullptr);
  m_bitmap.LoadBitmap(id);
  BITMAP info{};
  if (!m_bitmap.m_hObject || !m_bitmap.GetBitmap(&info)) info = BITMAP{};
  m_nWidth = info.bmWidth;
  m_nHeight = info.bmHeight;
  m_nCellWidth = cellWidth;
  m_nCellHeight = cellHeight == 0 ? info.bmHeight : cellHeight;
  m_crTransparent = transparent;
  m_pOldBitmap = m_dcMem.SelectObject(&m_bitmap);
  m_bLoaded = true;
  return true;
}

// The surface and the bitmap go whether or not the bitmap was selected
// (it is not when the resource was missing), so a reload starts clean.
void CSkinBitmap::Release() {
  ReleaseWholeMask();
  if (m_pOldBitmap) m_dcMem.SelectObject(m_pOldBitmap);
  m_pOldBitmap = nullptr;
  m_dcMem.DeleteDC();
  m_bitmap.DeleteObject();
  m_bLoaded = false;
}
