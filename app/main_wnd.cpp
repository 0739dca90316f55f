#include "app/main_wnd.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "dialogs/expense_entry_dlg.h"
#include "dialogs/month_list_dlg.h"
#include "ledger/expense_ledger.h"
#include "ledger/ledger_file.h"
#include "ledger/month_summary.h"
#include "platform/win/files.h"
#include "resources/resource_ids.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrameColour = RGB(241, 154, 66);
constexpr COLORREF kKeyGreen = RGB(0, 255, 0);
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kCloseKey = 0xC3;

enum Button { kPrev = 1, kNext = 2, kEntry = 3, kMonthList = 4, kNone = 5, kExit = 6 };
// By Button; slot 0 and kNone are never hit.
constexpr RECT kButtonRects[] = {
    {}, {11, 8, 43, 34},     {278, 8, 310, 34}, {6, 210, 81, 234}, {82, 210, 157, 234},
    {}, {237, 210, 312, 234}};
constexpr RECT kGrid{24, 65, 296, 202};
constexpr SIZE kCell{39, 23};

}  // namespace

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
  ON_WM_TIMER()
  ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

// Whatever the default hook makes of the style, the window is a popup.
BOOL CMainWnd::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_CHILD;
  const BOOL result = CWnd::PreCreateWindow(cs);
  cs.style &= ~(WS_CHILD | WS_POPUP);
  cs.style |= WS_POPUP;
  return result;
}

int CMainWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // The launcher decided the data file once, by the program's rule.
  GetLedger()->Load(ProgramDataFile().c_str());
  ReportLoadProblem(*GetLedger(), stderr);
  m_bmpBackground.LoadBitmap(IDB_CALENDAR);
  m_skinMarks.LoadFromResource(IDB_DAY_MARKERS, 12, 14, kKeyGreen);
  m_rcGrid = kGrid;
  m_sizeCell = kCell;
  m_rcTitle.SetRect(95, 8, 226, 30);
  std::copy(std::begin(kButtonRects), std::end(kButtonRects), m_rcButton);
  m_bmpPressedButton.LoadBitmap(IDB_BUTTON_DOWN);
  m_bmpArrowPressed[0].LoadBitmap(IDB_PREV_DOWN);
  m_bmpArrowPressed[1].LoadBitmap(IDB_NEXT_DOWN);
  SetToday();
  return 0;
}

void CMainWnd::SetToday() {
  GetLocalTime(&m_timeNow);
  m_nYear = m_timeNow.wYear;
  m_nMonth = m_timeNow.wMonth;
  m_nDay = m_timeNow.wDay;
  BuildMonthGrid();
}

void CMainWnd::BuildMonthGrid() { ::BuildMonthGrid(m_nYear, m_nMonth, *GetLedger(), m_cells); }

void CMainWnd::OnPaint() {
  PrepareBackBuffer();
  CPaintDC dc(this);
  // Without a client area there is nothing to compose into.
  if (!m_dcBack.GetSafeHdc()) return;
  BlitBitmap(&m_dcBack, &m_bmpBackground, 0, 0, m_rcClient.Width(), m_rcClient.Height(), 0, 0);
  m_dcBack.SetBkMode(TRANSPARENT);
  if (m_nPressed == kPrev || m_nPressed == kNext)
    BlitBitmapToRect(&m_dcBack, &m_bmpArrowPressed[m_nPressed - kPrev], m_rcButton[m_nPressed]);
  if (!m_font.GetSafeHandle()) CreateGulimFont(m_font, 14, FW_BOLD);
  CFont* pOldFont = m_dcBack.SelectObject(&m_font);
  PaintDays();
  wchar_t title[32];
  std::swprintf(title, 32, L"%d년 %d월", m_nYear, m_nMonth);
  m_dcBack.DrawText(title, -1, &m_rcTitle, kCentred);
  PaintLabels();
  m_dcBack.SelectObject(pOldFont);
  dc.BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), &m_dcBack, 0, 0, SRCCOPY);
}

// Day numbers and markers; also finds the highlighted cell for the key moves.
void CMainWnd::PaintDays() {
  m_nSelCol = -1;
  m_nSelRow = -1;
  m_dcBack.SetTextColor(kRed);
  for (int c = 0; c < 7; ++c) {
    for (int r = 0; r < 7; ++r) {
      DayCell& cell = m_cells[c * 7 + r];
      if (cell.nDay == 0) continue;
      CRect rect = CellRect(c, r);
      if (cell.bFuel)
        m_skinMarks.DrawStripCellTransparent(&m_dcBack, 0, CPoint(rect.left + 2, rect.top + 2), 1);
      if (cell.bOther)
        m_skinMarks.DrawStripCellTransparent(&m_dcBack, 1, CPoint(rect.right - 14, rect.top + 2),
                                             1);
      m_dcBack.DrawText(cell.szDay, -1, &rect, kCentred);
      if (m_nDay == cell.nDay) {
        m_nSelCol = c;
        m_nSelRow = r;
        DrawSelectionFrame(rect);
      }
    }
    m_dcBack.SetTextColor(kBlack);
  }
}

// Two one-pixel frames, the second inside the first.
void CMainWnd::DrawSelectionFrame(CRect cell) {
  CPen pen(PS_SOLID, 1, kFrameColour);
  CPen* pOldPen = m_dcBack.SelectObject(&pen);
  CRect frame(cell.left, cell.top, cell.right - 1, cell.bottom - 1);
  for (int pass = 0; pass < 2; ++pass) {
    m_dcBack.MoveTo(frame.left, frame.top);
    m_dcBack.LineTo(frame.right, frame.top);
    m_dcBack.LineTo(frame.right, frame.bottom);
    m_dcBack.LineTo(frame.left, frame.bottom);
    m_dcBack.LineTo(frame.left, frame.top);
    frame.DeflateRect(1, 1);
  }
  m_dcBack.SelectObject(pOldPen);
}

void CMainWnd::PaintLabels() {
  if (m_nPressed >= kEntry) {
    m_dcBack.SetTextColor(kBlack);
    BlitBitmapToRect(&m_dcBack, &m_bmpPressedButton, m_rcButton[m_nPressed]);
  } else {
    m_dcBack.SetTextColor(kWhite);
  }
  m_dcBack.DrawText(L"지출입력", -1, &m_rcButton[kEntry], kCentred);
  m_dcBack.DrawText(L"월별보기", -1, &m_rcButton[kMonthList], kCentred);
  m_dcBack.DrawText(L"종   료", -1, &m_rcButton[kExit], kCentred);
}

int CMainWnd::HitTestButton(CPoint point) const {
  for (int i = kPrev; i <= kExit; ++i)
    if (m_rcButton[i].PtInRect(point)) return i;
  return 0;
}

void CMainWnd::OnLButtonDown(UINT nFlags, CPoint point) {
  m_nPressed = HitTestButton(point);
  if (m_nPressed) {
    ShowPressedThenRun(this, m_rcButton[m_nPressed], [this] { RunButtonAction(m_nPressed); });
    m_nPressed = 0;
    return;
  }
  if (m_rcGrid.PtInRect(point)) {
    const int column = (point.x - m_rcGrid.left) / m_sizeCell.cx;
    const int row = (point.y - m_rcGrid.top) / m_sizeCell.cy;
    const DayCell& cell = m_cells[column * 7 + row];
    if (cell.nDay != 0) {
      if (m_nSelRow >= 0) InvalidateCell(m_nSelCol, m_nSelRow);
      m_nDay = cell.nDay;
      InvalidateCell(column, row);
    }
  }
  CWnd::OnLButtonDown(nFlags, point);
}

void CMainWnd::PrevMonth() {
  if (StepMonth(m_nYear, m_nMonth, -1)) ShowSteppedMonth();
}

void CMainWnd::NextMonth() {
  if (StepMonth(m_nYear, m_nMonth, 1)) ShowSteppedMonth();
}

void CMainWnd::RunButtonAction(int button) {
  switch (button) {
    case kPrev: PrevMonth(); break;
    case kNext: NextMonth(); break;
    case kEntry: OpenEntryDialog(); break;
    case kMonthList: OpenMonthList(); break;
    case kExit: PostMessage(WM_CLOSE, 0, 0); break;
    default: break;
  }
}

// The day is kept within the shown month: after a step from a 31-day month
// the selected day may not exist in it.
void CMainWnd::OpenEntryDialog() {
  if (m_nDay < 1) return;
  CExpenseEntryDlg dialog(this);
  dialog.m_nYear = m_nYear;
  dialog.m_nMonth = m_nMonth;
  dialog.m_nDay = std::min(m_nDay, DaysInMonth(m_nYear, m_nMonth));
  if (dialog.DoModal() == IDOK) BuildMonthGrid();
  Invalidate(FALSE);
}

// The list may have changed or deleted records whatever its result; the
// month it paged to stays its own.
void CMainWnd::OpenMonthList() {
  CMonthListDlg dialog(this);
  dialog.m_nYear = m_nYear;
  dialog.m_nMonth = m_nMonth;
  dialog.DoModal();
  BuildMonthGrid();
  Invalidate(FALSE);
}

CRect CMainWnd::CellRect(int column, int row) const {
  const int left = m_rcGrid.left + m_sizeCell.cx * column;
  const int top = m_rcGrid.top + m_sizeCell.cy * row;
  return CRect(left, top, left + m_sizeCell.cx, top + m_sizeCell.cy);
}

void CMainWnd::InvalidateCell(int column, int row) {
  const CRect cell = CellRect(column, row);
  InvalidateRect(&cell, FALSE);
}

// The cells reach one pixel past the grid's hit rectangle on the right and
// at the bottom, where a highlight frame can lie: repaint all of them.
void CMainWnd::ShowSteppedMonth() {
  BuildMonthGrid();
  const CRect cells = CellRect(0, 0) | CellRect(6, 5);
  InvalidateRect(&m_rcTitle, FALSE);
  InvalidateRect(&cells, FALSE);
}

// The arrows move the highlight within its row or column, wrapping around
// and skipping empty cells; the highlighted cell has a day, so the search ends.
void CMainWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  struct Arrow {
    UINT key;
    int dColumn;
    int dRow;
  };
  static constexpr Arrow kArrows[] = {
      {VK_LEFT, kGridColumns - 1, 0}, {VK_RIGHT, 1, 0}, {VK_UP, 0, kGridRows - 1}, {VK_DOWN, 0, 1}};
  const Arrow* arrow = std::find_if(std::begin(kArrows), std::end(kArrows),
                                    [nChar](const Arrow& a) { return a.key == nChar; });
  if (arrow == std::end(kArrows) || m_nSelCol < 0) return;
  const GridCell to = StepToDay(m_cells, {m_nSelCol, m_nSelRow}, arrow->dColumn, arrow->dRow);
  m_nDay = m_cells[to.column * kGridRows + to.row].nDay;
  InvalidateCell(m_nSelCol, m_nSelRow);
  InvalidateCell(to.column, to.row);
  UpdateWindow();
  CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMainWnd::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == kCloseKey) {
    PostMessage(WM_CLOSE, 0, 0);
    return;
  }
  CWnd::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CMainWnd::OnTimer(UINT_PTR nIDEvent) {
  KillTimer(nIDEvent);
  CWnd::OnTimer(nIDEvent);
}

void CMainWnd::OnAppExit() {
  ReleaseBackBuffer();
  PostQuitMessage(0);
  DestroyWindow();
}
