#include "controls/skin_list_box.h"

#include <array>
#include <iterator>
#include <new>
#include <span>
#include <utility>

#include "resources/resource_ids.h"
#include "skin/fitted_text.h"

namespace {

constexpr UINT kListBoxId = 200;
constexpr int kNodesPerBlock = 100;
constexpr UINT kRepeatPeriodMs = 200;
constexpr int kRowSkinHeight = 28;
constexpr COLORREF kKeyGreen = RGB(0, 255, 0);
constexpr COLORREF kTextSelected = RGB(27, 43, 72);
constexpr COLORREF kTextNormal = RGB(255, 255, 255);
constexpr UINT kTextLeft = DT_VCENTER | DT_SINGLELINE;
constexpr UINT kTextRight = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;

// One column of a row: a fresh row background from `left`, whose left edge
// is the line between columns, and the text inside [textLeft, textRight),
// drawn whole (a number shortened first, see fitted_text.h).
// Each background runs past its column; the next column and finally the
// scroll strip paint over the excess.
struct RowCell {
  const std::wstring SkinListRow::*text;
  int left;
  int textLeft;
  int textRight;
  UINT format;
  bool number = false;
};

std::span<const RowCell> RowCells(int columns, int right, std::array<RowCell, 3>& cells) {
  if (columns == 3) {
    cells = {{{&SkinListRow::text1, 0, 5, 55, kTextLeft},
              {&SkinListRow::text2, 54, 59, 186, kTextLeft},
              {&SkinListRow::text3, 184, 189, right - 5, kTextRight, true}}};
    return cells;
  }
  cells[0] = {&SkinListRow::text1, 0, 5, right, kTextLeft};
  return std::span(cells).first(1);
}

std::wstring TextOf(LPCTSTR text) { return text ? std::wstring(text) : std::wstring(); }

// The platform's input method is never attached to the list's window.
void DetachInputMethod(HWND window) { ImmAssociateContext(window, nullptr); }

}  // namespace

bool CSkinListBox::s_bPenDown = false;

BEGIN_MESSAGE_MAP(CSkinListBox, CWnd)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_ACTIVATE()
  ON_WM_SIZE()
  ON_WM_TIMER()
  ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CSkinListBox::CSkinListBox() : m_rows(kNodesPerBlock) {}

int CSkinListBox::Create(CWnd* pParent, int nWidth, int nHeight, BYTE bSkinned) {
  DetachInputMethod(m_hWnd);
  if (!m_hWnd) {
    CWnd::Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, kListBoxId);
    LoadSkins(nWidth, nHeight);
  }
  m_bSkinned = bSkinned;
  return 0;
}

// The row skins are cut to the rows' width and the track to the height
// between the arrows.
void CSkinListBox::LoadSkins(int width, int height) {
  const int rowWidth = width - m_nScrollBarWidth;
  m_skinThumb.LoadFromResource(IDB_LIST_THUMB, kListThumbWidth, kListThumbHeight, kKeyGreen);
  m_skinTrack.LoadFromResource(IDB_LIST_TRACK, m_nScrollBarWidth, height - 2 * kListArrowSize,
                               kKeyGreen);
  m_skinTopArrow.LoadFromResource(IDB_LIST_UP, kListArrowSize, kListArrowSize, kKeyGreen);
  m_skinTopArrowDown.LoadFromResource(IDB_LIST_UP_DOWN, kListArrowSize, kListArrowSize, kKeyGreen);
  m_skinBottomArrow.LoadFromResource(IDB_LIST_DOWN, kListArrowSize, kListArrowSize, kKeyGreen);
  m_skinBottomArrowDown.LoadFromResource(IDB_LIST_DOWN_DOWN, kListArrowSize, kListArrowSize,
                                         kKeyGreen);
  m_skinRow.LoadFromResource(IDB_LIST_ROW, rowWidth, kRowSkinHeight, kKeyGreen);
  m_skinRowSel.LoadFromResource(IDB_LIST_ROW_SEL, rowWidth, kRowSkinHeight, kKeyGreen);
}

void CSkinListBox::SetPosition(int x, int y, int cx, int cy, BOOL bRepaint) {
  MoveWindow(x, y, cx, cy, bRepaint);
}

CSkinListBox::RowNode* CSkinListBox::AddString(LPCTSTR text, int data) {
  return AppendRow(text, nullptr, nullptr, data);
}

CSkinListBox::RowNode* CSkinListBox::AddRow(LPCTSTR text1, LPCTSTR text2, LPCTSTR text3, int data) {
  RowNode* node = AppendRow(text1, text2, text3, data);
  if (node) m_nColumns = 3;
  return node;
}

CSkinListBox::RowNode* CSkinListBox::AppendRow(LPCTSTR text1, LPCTSTR text2, LPCTSTR text3,
                                               int data) {
  SkinListRow row;
  try {
    row = SkinListRow{TextOf(text1), TextOf(text2), TextOf(text3), data};
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  return m_rows.AddTail(std::move(row));
}

void CSkinListBox::ResetContent() {
  m_rows.Clear();
  m_nCurSel = 0;
  m_nTopIndex = 0;
  Repaint();
}

int CSkinListBox::GetCurSel() const { return GetCount() == 0 ? -1 : m_nCurSel; }

BOOL CSkinListBox::SetCurSel(int index) {
  m_nCurSel = LimitSelection(index, GetCount());
  EnsureSelVisible();
  Repaint();
  return TRUE;
}

void CSkinListBox::EnsureSelVisible() { ScrollSelIntoView(m_nTopIndex, m_nCurSel, m_nVisibleRows); }

BOOL CSkinListBox::PageUp() {
  if (!MovePageUp(m_nTopIndex, m_nCurSel, m_nVisibleRows)) return FALSE;
  Repaint();
  return TRUE;
}

BOOL CSkinListBox::PageDown() {
  if (!MovePageDown(m_nTopIndex, m_nCurSel, GetCount(), m_nVisibleRows)) return FALSE;
  Repaint();
  return TRUE;
}

void CSkinListBox::Repaint() {
  Invalidate(FALSE);
  UpdateWindow();
}

void CSkinListBox::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (cx == 0 && cy == 0) return;
  GetClientRect(&m_rcClient);
  m_layout = LayoutList(m_rcClient.Width(), m_rcClient.Height(), m_nScrollBarWidth);
  m_back.Release();
  m_back.Prepare(this, m_rcClient);
}

// The whole client area is composed off screen and copied in one block.
// The surface is exactly the client area, so drawing into it needs no clip.
void CSkinListBox::OnPaint() {
  CPaintDC dc(this);
  if (!m_back.Ready()) return;
  CDC& back = m_back.m_dcBack;
  m_nTopIndex = FirstPaintedRow(m_nTopIndex, GetCount());
  CFont font;
  CreateGulimFont(font, 13, FW_NORMAL);
  CFont* pOldFont = back.SelectObject(&font);
  PaintPageBackgrounds(back);
  PaintRows(back);
  PaintScrollBar(back);
  back.SelectObject(pOldFont);
  dc.BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), &back, 0, 0, SRCCOPY);
}

// Every slot of the page shows a row background, with a row or without.
void CSkinListBox::PaintPageBackgrounds(CDC& dc) {
  for (int slot = 0; slot < m_nVisibleRows; ++slot)
    m_skinRow.DrawStripCell(&dc, 0, CPoint(0, slot * m_nItemHeight), CSkinBitmap::kModeOpaque);
}

void CSkinListBox::PaintRows(CDC& dc) {
  int row = m_nTopIndex, top = 0;
  for (auto it = std::next(m_rows.begin(), row); it != m_rows.end() && top < m_rcClient.Height();
       ++it, ++row, top += m_nItemHeight)
    PaintRow(dc, *it, top, row == m_nCurSel);
}

void CSkinListBox::PaintRow(CDC& dc, const SkinListRow& row, int top, bool selected) {
  CSkinBitmap& background = selected ? m_skinRowSel : m_skinRow;
  std::array<RowCell, 3> storage;
  for (const RowCell& cell : RowCells(m_nColumns, m_layout.rcList.right, storage)) {
    background.DrawStripCell(&dc, 0, CPoint(cell.left, top), CSkinBitmap::kModeOpaque);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF oldColour = dc.SetTextColor(selected ? kTextSelected : kTextNormal);
    CRect text(cell.textLeft, top, cell.textRight, top + m_nItemHeight);
    if (cell.number)
      DrawNumberToFit(&dc, row.*cell.text, text, cell.format);
    else
      DrawShrunkToFit(&dc, row.*cell.text, text, cell.format);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
  }
}

void CSkinListBox::PaintScrollBar(CDC& dc) {
  constexpr int kKeyed = CSkinBitmap::kModeTransparent;
  CSkinBitmap& top = m_nPressedArrow == kArrowTop ? m_skinTopArrowDown : m_skinTopArrow;
  CSkinBitmap& bottom = m_nPressedArrow == kArrowBottom ? m_skinBottomArrowDown : m_skinBottomArrow;
  top.DrawStripCell(&dc, 0, m_layout.rcTopArrow.TopLeft(), kKeyed);
  bottom.DrawStripCell(&dc, 0, m_layout.rcBottomArrow.TopLeft(), kKeyed);
  const CPoint track(m_layout.rcBar.left, m_layout.rcTopArrow.bottom);
  m_skinTrack.DrawStripCell(&dc, 0, track, kKeyed);
  const CPoint thumb = ThumbPosition(m_layout, m_nTopIndex, GetCount(), m_nVisibleRows);
  m_skinThumb.DrawStripCell(&dc, 0, thumb, kKeyed);
}

void CSkinListBox::OnLButtonDown(UINT, CPoint point) {
  s_bPenDown = true;
  SetCapture();
  m_nPressedArrow = kArrowNone;
  switch (HitTestList(m_layout, point)) {
    case ListArea::kRows: SelectRowAt(point.y); break;
    case ListArea::kTopArrow: HoldArrow(kArrowTop); break;
    case ListArea::kBottomArrow: HoldArrow(kArrowBottom); break;
    default: break;
  }
}

// A tap past the last row clears the selection silently. A tap on a row
// shows it selected for the pause before the parent hears of it.
void CSkinListBox::SelectRowAt(int y) {
  const int row = RowAt(y, m_nTopIndex, m_nItemHeight);
  if (row >= GetCount()) {
    m_nCurSel = -1;
    Repaint();
    return;
  }
  m_nCurSel = row;
  ShowPressedThenRun(this, m_rcClient, [this] { NotifyParent(WM_SKINLIST_SELCHANGE); });
}

void CSkinListBox::HoldArrow(int arrow) {
  m_nPressedArrow = arrow;
  if (arrow == kArrowTop)
    PageUp();
  else
    PageDown();
  if (m_nRepeatTimer != 0) return;
  StartRepeat();
  Invalidate(FALSE);
}

void CSkinListBox::StartRepeat() { m_nRepeatTimer = SetTimer(IDT_LIST_REPEAT, kRepeatPeriodMs); }

void CSkinListBox::ReleaseArrow() {
  KillTimer(m_nRepeatTimer);
  m_nRepeatTimer = 0;
  m_nPressedArrow = kArrowNone;
  Invalidate(FALSE);
}

void CSkinListBox::NotifyParent(UINT message) {
  if (CWnd* parent = GetParent()) parent->SendMessage(message);
}

void CSkinListBox::OnMouseMove(UINT, CPoint point) {
  const CRect& held = m_nPressedArrow == kArrowTop ? m_layout.rcTopArrow : m_layout.rcBottomArrow;
  if (m_nPressedArrow != kArrowNone && !held.PtInRect(point)) ReleaseArrow();
}

// The pen lifted on the row it selected is a click; lifted anywhere on the
// strip it ends a held arrow.
void CSkinListBox::OnLButtonUp(UINT, CPoint point) {
  if (!s_bPenDown) return;
  s_bPenDown = false;
  ReleaseCapture();
  const ListArea area = HitTestList(m_layout, point);
  if (area == ListArea::kRows) {
    const int row = RowAt(point.y, m_nTopIndex, m_nItemHeight);
    if (row < GetCount() && row == m_nCurSel) NotifyParent(WM_SKINLIST_CLICK);
  } else if (area != ListArea::kOutside && m_nRepeatTimer != 0) {
    ReleaseArrow();
  }
}

// Each step stops the timer and starts it again, so every page waits a
// full period.
void CSkinListBox::OnTimer(UINT_PTR nIDEvent) {
  if (m_nRepeatTimer != 0 && nIDEvent == m_nRepeatTimer) {
    KillTimer(m_nRepeatTimer);
    if (m_nPressedArrow == kArrowTop)
      PageUp();
    else if (m_nPressedArrow == kArrowBottom)
      PageDown();
    StartRepeat();
  }
  CWnd::OnTimer(nIDEvent);
}

void CSkinListBox::OnActivate(UINT, CWnd*, BOOL) { DetachInputMethod(m_hWnd); }
