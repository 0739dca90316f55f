#include "skin/skin_bitmap.h"

#include <algorithm>

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

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Blends the skin's bytes into the target's: halves for 50 %, else the
// weighted sum truncated. Out-of-range percentages would leave the byte
// range; they mean all or nothing of the skin.
void BlendBytes(BYTE* target, const BYTE* skin, std::size_t count, int percentage) {
  const int p = std::clamp(percentage, 0, 100);
  const double alpha = p * 0.01;
  for (std::size_t i = 0; i < count; ++i) {
    target[i] = p == 50 ? static_cast<BYTE>((skin[i] >> 1) + (target[i] >> 1))
                        : static_cast<BYTE>(skin[i] * alpha + target[i] * (1.0 - alpha));
  }
}

}  // namespace

bool CSkinBitmap::HasCell(int column, int row) const {
  if (column < 0 || row < 0 || m_nCellWidth <= 0 || m_nCellHeight <= 0) return false;
  // Wide arithmetic: a large column must not overflow into "inside".
  return (column + 1LL) * m_nCellWidth <= m_nWidth && (row + 1LL) * m_nCellHeight <= m_nHeight;
}

// Unchecked draws may name any cell; far-off origins are pulled in to a
// range that stays off every bitmap instead of overflowing.
CPoint CSkinBitmap::CellOrigin(int column, int row) const {
  static constexpr long long kFar = 1LL << 30;
  auto offset = [](int index, int size) {
    return static_cast<int>(std::clamp(static_cast<long long>(index) * size, -kFar, kFar));
  };
  return CPoint(offset(column, m_nCellWidth), offset(row, m_nCellHeight));
}

bool CSkinBitmap::DrawCell(CDC* target, POINT point, int column, int row, int mode) {
  if (!m_bLoaded || !HasCell(column, row)) return false;
  if (mode == kModeTransparent) {
    DrawCellTransparent(target, point, column, row);
  } else if (mode == kModeOpaque) {
    const CPoint origin = CellOrigin(column, row);
    target->BitBlt(point.x, point.y, m_nCellWidth, m_nCellHeight, &m_dcMem, origin.x, origin.y,
                   SRCCOPY);
  } else if (mode == kModeBlend) {
    DrawCellBlend(target, point, column, row, 50);
  }
  return true;
}

bool CSkinBitmap::DrawStripCell(CDC* target, int column, POINT point, int mode) {
  return DrawCell(target, point, column, 0, mode);
}

bool CSkinBitmap::DrawStripCellTransparent(CDC* target, int column, POINT point, int flag) {
  return DrawCell(target, point, column, 0, flag == 1 ? kModeTransparent : kModeOpaque);
}

void CSkinBitmap::BuildMask(CDC& maskDC, CBitmap& mask, int column, int row) {
  mask.CreateBitmap(m_nCellWidth, m_nCellHeight, 1, 1, nullptr);
  maskDC.SelectObject(&mask);
  m_dcMem.SetBkColor(m_crTransparent);
  const CPoint origin = CellOrigin(column, row);
  maskDC.BitBlt(0, 0, m_nCellWidth, m_nCellHeight, &m_dcMem, origin.x, origin.y, SRCCOPY);
}

CDC& CSkinBitmap::WholeMask() {
  if (!m_dcWholeMask.GetSafeHdc()) {
    m_dcWholeMask.CreateCompatibleDC(&m_dcMem);
    m_bmpWholeMask.CreateBitmap(m_nWidth, m_nHeight, 1, 1, nullptr);
    m_pOldWholeMask = m_dcWholeMask.SelectObject(&m_bmpWholeMask);
    m_dcMem.SetBkColor(m_crTransparent);
    m_dcWholeMask.BitBlt(0, 0, m_nWidth, m_nHeight, &m_dcMem, 0, 0, SRCCOPY);
  }
  return m_dcWholeMask;
}

void CSkinBitmap::ReleaseWholeMask() {
  if (!m_dcWholeMask.GetSafeHdc()) return;
  m_dcWholeMask.SelectObject(m_pOldWholeMask);
  m_pOldWholeMask = nullptr;
  m_dcWholeMask.DeleteDC();
  m_bmpWholeMask.DeleteObject();
}

void CSkinBitmap::ComposeThroughMask(CDC* target, POINT point, CDC& image, POINT imageOrigin,
                                     CDC& mask, POINT maskOrigin) {
  const COLORREF oldBk = target->SetBkColor(kWhite), oldText = target->SetTextColor(kBlack);
  const int w = m_nCellWidth, h = m_nCellHeight;
  target->BitBlt(point.x, point.y, w, h, &image, imageOrigin.x, imageOrigin.y, SRCINVERT);
  target->BitBlt(point.x, point.y, w, h, &mask, maskOrigin.x, maskOrigin.y, SRCAND);
  target->BitBlt(point.x, point.y, w, h, &image, imageOrigin.x, imageOrigin.y, SRCINVERT);
  target->SetBkColor(oldBk);
  target->SetTextColor(oldText);
}

// A cell that lies wholly inside the skin is keyed straight onto a 32-bit
// target, else cut through the kept mask; any other cell (these draws do
// not check) gets a mask of its own, as it always did.
void CSkinBitmap::DrawCellTransparent(CDC* target, POINT point, int column, int row) {
  const CPoint origin = CellOrigin(column, row);
  if (m_bLoaded && HasCell(column, row)) {
    const int w = m_nCellWidth, h = m_nCellHeight;
    if (!target->TransparentBlt(point.x, point.y, w, h, &m_dcMem, origin.x, origin.y, w, h,
                                m_crTransparent))
      ComposeThroughMask(target, point, m_dcMem, origin, WholeMask(), origin);
    return;
  }
  CBitmap mask;  // declared before its DC, which releases it when it goes
  CDC maskDC;
  maskDC.CreateCompatibleDC(target);
  BuildMask(maskDC, mask, column, row);
  ComposeThroughMask(target, point, m_dcMem, origin, maskDC, CPoint(0, 0));
}

HBITMAP CSkinBitmap::CopyToDibSection(CDC* memory, CDC* source, int x, int y, BYTE** bits) {
  if (bits) *bits = nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = m_nCellWidth;
  info.bmiHeader.biHeight = m_nCellHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP image = ::CreateDIBSection(memory->m_hDC, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!image) return nullptr;
  if (!::SelectObject(memory->m_hDC, image)) {
    ::DeleteObject(image);
    return nullptr;
  }
  memory->BitBlt(0, 0, m_nCellWidth, m_nCellHeight, source, x, y, SRCCOPY);
  if (bits) *bits = static_cast<BYTE*>(pixels);
  return image;
}

void CSkinBitmap::DrawCellBlend(CDC* target, POINT point, int column, int row, int percentage) {
  // Bitmaps before the DCs holding them: the DCs go first and release them.
  CBitmap mask, targetCopy, skinCopy;
  CDC maskDC, targetCopyDC, skinCopyDC;
  maskDC.CreateCompatibleDC(target);
  BuildMask(maskDC, mask, column, row);
  targetCopyDC.CreateCompatibleDC(target);
  skinCopyDC.CreateCompatibleDC(target);
  BYTE* targetBytes = nullptr;
  BYTE* skinBytes = nullptr;
  const CPoint origin = CellOrigin(column, row);
  targetCopy.Attach(CopyToDibSection(&targetCopyDC, target, point.x, point.y, &targetBytes));
  skinCopy.Attach(CopyToDibSection(&skinCopyDC, &m_dcMem, origin.x, origin.y, &skinBytes));
  if (targetBytes && skinBytes) {
    const std::size_t rowBytes = (static_cast<std::size_t>(m_nCellWidth) * 3 + 3) / 4 * 4;
    BlendBytes(targetBytes, skinBytes, rowBytes * static_cast<std::size_t>(m_nCellHeight),
               percentage);
  }
  // Without a copy of the target there is nothing to put back.
  if (targetBytes)
    ComposeThroughMask(target, point, targetCopyDC, CPoint(0, 0), maskDC, CPoint(0, 0));
}
