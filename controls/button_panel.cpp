#include "controls/button_panel.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <new>

#include "controls/panel_navigation.h"
#include "skin/back_buffer.h"
#include "skin/skin_bitmap.h"

namespace {

constexpr int kGrowth = 10;
constexpr int kRightMargin = 10;  // right-aligned captions; not the panel's text margin
constexpr int kRepaintMargin = 5;
constexpr COLORREF kBorderSelected = RGB(0, 0, 0);
constexpr COLORREF kBorderNormal = RGB(74, 130, 214);

void CopyCaption(wchar_t (&target)[PanelButton::kCaptionCapacity], LPCTSTR caption) {
  const std::size_t length = caption ? std::wcslen(caption) : 0;
  const std::size_t kept = std::min(length, std::size(target) - 1);
  std::copy_n(caption, kept, target);
  target[kept] = L'\0';
}

// Half, rounded down also below zero (where division would round up): a
// caption taller or wider than its button sticks out one pixel more above
// or on the left when the excess is odd.
int FloorHalf(int value) { return value >= 0 ? value / 2 : (value - 1) / 2; }

// The bitmap of the button's state: selected or normal, or the disabled one
// where a disabled button has it.
template <class Bitmap>
Bitmap* StateBitmap(const PanelButton& button, Bitmap* PanelBitmap::*kind) {
  if (!button.enabled && button.disabledBitmap.*kind) return button.disabledBitmap.*kind;
  return button.selected ? button.selectedBitmap.*kind : button.normalBitmap.*kind;
}

}  // namespace

void CButtonPanel::SetTextStyle(int fontHeight, int textMargin, COLORREF textSelected,
                                COLORREF textNormal) {
  m_nFontHeight = fontHeight;
  m_nTextMargin = textMargin;
  m_crTextSel = textSelected;
  m_crTextNormal = textNormal;
}

// Room for ten more records; false, with nothing changed, without memory.
bool CButtonPanel::Grow() {
  std::unique_ptr<PanelButton[]> grown;
  try {
    grown = std::make_unique<PanelButton[]>(static_cast<std::size_t>(m_nCapacity) + kGrowth);
  } catch (const std::bad_alloc&) {
    return false;
  }
  std::copy_n(m_pButtons.get(), m_nCount, grown.get());
  m_pButtons = std::move(grown);
  m_nCapacity += kGrowth;
  return true;
}

int CButtonPanel::AddButton(int left, int top, int width, int height, LPCTSTR caption, int id,
                            int visible, BOOL enabled, int align) {
  if (m_nCount == m_nCapacity && !Grow()) return -1;
  PanelButton& button = m_pButtons[m_nCount];
  button = PanelButton{};
  button.id = id;
  button.rect.SetRect(left, top, left + width, top + height);
  CopyCaption(button.caption, caption);
  button.visible = visible;
  button.enabled = enabled ? 1 : 0;
  button.align = align;
  button.style = PanelButton::kStylePlain;
  ++m_nCount;
  m_rcBounds.SetRect(std::min(m_rcBounds.left, button.rect.left),
                     std::min(m_rcBounds.top, button.rect.top),
                     std::max(m_rcBounds.right, button.rect.right),
                     std::max(m_rcBounds.bottom, button.rect.bottom));
  return m_nCount;
}

PanelButton* CButtonPanel::SetStyle(int id, int style, int width, int height) {
  const int index = FindButton(id);
  if (index < 0) return nullptr;
  PanelButton& button = m_pButtons[index];
  button.style = style;
  button.width = width;
  button.height = height;
  return &button;
}

int CButtonPanel::SetCellStyle(int id, CSkinBitmap* normal, CSkinBitmap* selected, int width,
                               int height, int cell, int transparent, CSkinBitmap* disabled) {
  PanelButton* button = SetStyle(id, PanelButton::kStyleCell, width, height);
  if (!button) return -1;
  button->normalBitmap.skin = normal;
  button->selectedBitmap.skin = selected;
  button->disabledBitmap.skin = disabled;
  button->cell = cell;
  button->transparent = transparent;
  return static_cast<int>(button - m_pButtons.get());
}

int CButtonPanel::SetImageStyle(int id, CBitmap* normal, CBitmap* selected, int width, int height,
                                CBitmap* disabled) {
  PanelButton* button = SetStyle(id, PanelButton::kStyleImage, width, height);
  if (!button) return -1;
  button->normalBitmap.image = normal;
  button->selectedBitmap.image = selected;
  button->disabledBitmap.image = disabled;
  button->rect = CRect(button->rect.TopLeft(), CSize(width, height));
  return static_cast<int>(button - m_pButtons.get());
}

PanelButton* CButtonPanel::GetButton(int index) {
  return index >= 0 && index < m_nCount ? &m_pButtons[index] : nullptr;
}

template <class Predicate>
int CButtonPanel::IndexWhere(Predicate predicate) const {
  const auto buttons = Buttons();
  const auto found = std::find_if(buttons.begin(), buttons.end(), predicate);
  return found == buttons.end() ? -1 : static_cast<int>(found - buttons.begin());
}

int CButtonPanel::FindButton(int id) const {
  if (id == 0) return -1;
  return IndexWhere([id](const PanelButton& button) { return button.id == id; });
}

int CButtonPanel::GetIdAt(int index) const {
  return index >= 0 && index < m_nCount ? m_pButtons[index].id : -1;
}

int CButtonPanel::GetFocusIndex() const {
  return IndexWhere([](const PanelButton& button) { return button.selected != 0; });
}

int CButtonPanel::GetFocusId() const {
  const int index = GetFocusIndex();
  return index < 0 ? 0 : m_pButtons[index].id;
}

bool CButtonPanel::SetFocusId(int id) {
  if (m_nCount == 0) return false;
  const int current = GetFocusIndex();
  if (current >= 0) {
    if (m_pButtons[current].id == id) return false;
    m_pButtons[current].selected = 0;
  }
  const int index = FindButton(id);
  if (index >= 0) m_pButtons[index].selected = 1;
  return true;
}

bool CButtonPanel::MoveFocus(int direction) {
  if (direction < 0) return false;
  const int current = GetFocusIndex();
  const int next = FindNeighbour(Buttons(), current, m_rcBounds, direction);
  if (next < 0) return false;
  m_pButtons[current].selected = 0;
  m_pButtons[next].selected = 1;
  if (m_pOwner) {
    CRect from = m_pButtons[current].rect, to = m_pButtons[next].rect;
    from.InflateRect(kRepaintMargin, kRepaintMargin);
    to.InflateRect(kRepaintMargin, kRepaintMargin);
    const CRect changed = from | to;
    m_pOwner->InvalidateRect(&changed, FALSE);
  }
  return true;
}

int CButtonPanel::HitTest(int x, int y) {
  const int index = FindButtonAt(Buttons(), CPoint(x, y));
  if (index >= 0) SetFocusId(m_pButtons[index].id);
  return index;
}

// The pressed look shows at the owner's next paint; a miss clears the
// selection without one, so the old highlight stays on screen until then.
int CButtonPanel::OnPenDown(int x, int y) {
  if (m_pOwner) m_pOwner->SetCapture();
  const int index = HitTest(x, y);
  if (index >= 0 && m_pOwner) m_pOwner->Invalidate(TRUE);
  SetFocusId(GetIdAt(index));
  return index;
}

// Every pen-up ends the selection, whether the pen or the keys made it.
void CButtonPanel::OnPenUp(int x, int y) {
  ReleaseCapture();
  const PanelButton* released = nullptr;
  for (PanelButton& button : Buttons()) {
    if (!button.selected) continue;
    button.selected = 0;
    released = &button;
  }
  if (!released) return;
  const bool tapped = released->enabled && released->rect.PtInRect(CPoint(x, y));
  const int id = released->id;  // the owner's handler may change the panel
  if (!m_pOwner) return;
  m_pOwner->Invalidate(TRUE);
  if (tapped) m_pOwner->SendMessage(WM_COMMAND, static_cast<WPARAM>(id), 0);
}

bool CButtonPanel::Paint(CDC* pDC) {
  if (m_nCount == 0) return false;
  CFont font;
  CreateGulimFont(font, m_nFontHeight, FW_NORMAL);
  CFont* pOldFont = pDC->SelectObject(&font);
  pDC->SetBkMode(TRANSPARENT);
  for (const PanelButton& button : Buttons()) {
    if (!button.visible) continue;
    pDC->SetTextColor(button.selected ? m_crTextSel : m_crTextNormal);
    switch (button.style) {
      case PanelButton::kStyleCell: PaintCell(pDC, button); break;
      case PanelButton::kStyleImage: PaintImage(pDC, button); break;
      default: PaintPlain(pDC, button); break;
    }
  }
  pDC->SelectObject(pOldFont);
  return true;
}

// A one-pixel border around the fill.
void CButtonPanel::PaintPlain(CDC* pDC, const PanelButton& button) const {
  CRect r = button.rect;
  pDC->FillSolidRect(&r, button.selected ? kBorderSelected : kBorderNormal);
  r.DeflateRect(1, 1);
  pDC->FillSolidRect(&r, button.selected ? m_crFillSel : m_crFillNormal);
  if (button.enabled) DrawCaption(pDC, button, r);
}

void CButtonPanel::PaintCell(CDC* pDC, const PanelButton& button) const {
  const CRect r(button.rect.TopLeft(), CSize(button.width, button.height));
  if (CSkinBitmap* skin = StateBitmap(button, &PanelBitmap::skin)) {
    if (button.transparent)
      skin->DrawCellTransparent(pDC, r.TopLeft(), button.cell, 0);
    else
      skin->DrawCell(pDC, r.TopLeft(), button.cell, 0, CSkinBitmap::kModeOpaque);
  }
  if (button.enabled) DrawCaption(pDC, button, r);
}

// Without a bitmap for its state the button shows its normal image; its
// caption is drawn even when it is disabled.
void CButtonPanel::PaintImage(CDC* pDC, const PanelButton& button) const {
  CRect r = button.rect;
  CBitmap* image = StateBitmap(button, &PanelBitmap::image);
  if (!image) image = button.normalBitmap.image;
  if (image) {
    r = CRect(r.TopLeft(), CSize(button.width, button.height));
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    CBitmap* pOld = memory.SelectObject(image);
    pDC->BitBlt(r.left, r.top, button.width, button.height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(pOld);
  }
  DrawCaption(pDC, button, r);
}

void CButtonPanel::DrawCaption(CDC* pDC, const PanelButton& button, const CRect& r) const {
  const int length = static_cast<int>(std::wcslen(button.caption));
  if (length == 0) return;
  const CSize extent = pDC->GetTextExtent(button.caption, length);
  const int y = r.top + FloorHalf(r.bottom - extent.cy - r.top);
  int x;
  switch (button.align) {
    case PanelButton::kAlignCentre: x = r.left + FloorHalf(r.right - extent.cx - r.left); break;
    case PanelButton::kAlignLeft: x = r.left + m_nTextMargin; break;
    default: x = r.right - extent.cx - kRightMargin; break;
  }
  pDC->TextOut(x, y, button.caption, length);
}
