#include "dialogs/month_list_dlg.h"

#include <cstdio>

#include "dialogs/expense_entry_dlg.h"
#include "dialogs/message_box_dlg.h"
#include "dialogs/month_list_text.h"
#include "ledger/expense_ledger.h"
#include "ledger/ledger_file.h"
#include "resources/resource_ids.h"
#include "skin/fitted_text.h"

namespace {

// The list rows' inner margin (controls/skin_list_box.cpp), kept by the totals.
constexpr int kTotalTextInset = 5;
constexpr int kDetailsButton = 0, kDeleteButton = 1, kCloseButton = 3;
constexpr int kPrevArrow = 0, kNextArrow = 1;
constexpr RECT kMonthArrows[] = {{11, 8, 43, 34}, {278, 8, 310, 34}};
constexpr RECT kTitle{95, 8, 226, 30};
constexpr RECT kCostTotal{15, 181, 159, 202}, kDistanceTotal{165, 181, 308, 202};

// Four rows of 28 in three columns.
constexpr POINT kListAt{14, 67};
constexpr int kListWidth = 291, kListRowHeight = 28, kListRows = 4;
constexpr int kListHeight = kListRowHeight * kListRows;

constexpr wchar_t kDeleteQuestion[] = L"선택된 목록을 삭제합니다.";
constexpr wchar_t kDeleteCaption[] = L"목록 삭제";

// A total inside its box, with the inner margin the list rows give their
// text, shrunk rather than cut when it does not fit.
void DrawTotal(CDC* pDC, const CString& text, CRect box) {
  box.left += kTotalTextInset;
  DrawShrunkToFit(pDC, static_cast<LPCTSTR>(text), box, CSkinDlg::kLeftLine);
}

}  // namespace

BEGIN_MESSAGE_MAP(CMonthListDlg, CSkinDlg)
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CMonthListDlg::CMonthListDlg(CWnd* pParent) : CSkinDlg(IDD_MONTH_LIST, pParent) {}

BOOL CMonthListDlg::OnInitDialog() {
  CSkinDlg::OnInitDialog();
  m_bmpSkin.LoadBitmap(IDB_MONTH_LIST_SCREEN);
  m_strButton[kDetailsButton] = L"상세정보";
  m_strButton[kDeleteButton] = L"삭  제";
  m_strButton[kCloseButton] = L"종  료";
  m_bmpMonthArrowDown[kPrevArrow].LoadBitmap(IDB_PREV_DOWN);
  m_bmpMonthArrowDown[kNextArrow].LoadBitmap(IDB_NEXT_DOWN);
  m_listRecords.Create(this, kListWidth, kListHeight, 1);
  m_listRecords.m_nItemHeight = kListRowHeight;
  m_listRecords.m_nVisibleRows = kListRows;
  m_listRecords.SetPosition(kListAt.x, kListAt.y, kListWidth, kListHeight, TRUE);
  FillList();
  return TRUE;
}

void CMonthListDlg::FillList() {
  m_listRecords.ResetContent();
  const CExpenseLedger& ledger = *GetLedger();
  m_totals = SumMonth(ledger, m_nYear, m_nMonth);
  ForEachRecordOfMonth(ledger, m_nYear, m_nMonth, [&](const ExpenseRecord& record) {
    const MonthListRow row = FormatMonthListRow(record);
    m_listRecords.AddRow(row.date, row.item, row.cost,
                         static_cast<int>(&record - ledger.m_pRecords));
  });
}

void CMonthListDlg::DrawContent(CDC* pDC) {
  const int arrow = m_nPressedMonthArrow;
  if (arrow >= 0) BlitBitmapToRect(pDC, &m_bmpMonthArrowDown[arrow], CRect(kMonthArrows[arrow]));
  pDC->SetTextColor(RGB(0, 0, 0));
  CString text;
  text.Format(L"%d년 %d월", m_nYear, m_nMonth);
  CRect title(kTitle);
  pDC->DrawText(text, -1, &title, kCentredLine);
  DrawTotal(pDC, FormatCostTotal(m_totals.cost), CRect(kCostTotal));
  DrawTotal(pDC, FormatDistanceTotal(m_totals.distance), CRect(kDistanceTotal));
}

void CMonthListDlg::OnLButtonDown(UINT nFlags, CPoint point) {
  if (CRect(kMonthArrows[kPrevArrow]).PtInRect(point))
    PressMonthArrow(kPrevArrow);
  else if (CRect(kMonthArrows[kNextArrow]).PtInRect(point))
    PressMonthArrow(kNextArrow);
  else if (!PressButtonAt(point))
    CSkinDlg::OnLButtonDown(nFlags, point);
}

void CMonthListDlg::PrevMonth() {
  if (StepMonth(m_nYear, m_nMonth, -1)) FillList();
}

void CMonthListDlg::NextMonth() {
  if (StepMonth(m_nYear, m_nMonth, 1)) FillList();
}

void CMonthListDlg::PressMonthArrow(int arrow) {
  m_nPressedMonthArrow = arrow;
  const CRect rect(kMonthArrows[arrow]);
  // Repainted whatever happens: the released arrow must show again.
  ShowPressedThenRun(this, rect, [this, arrow] {
    m_nPressedMonthArrow = -1;
    if (arrow == kPrevArrow)
      PrevMonth();
    else
      NextMonth();
    ShowChangedRecords();
  });
}

void CMonthListDlg::RunButtonAction(int index) {
  if (index == kDetailsButton)
    ShowDetails();
  else if (index == kDeleteButton)
    DeleteSelected();
  else if (index == kCloseButton)
    EndDialog(IDCANCEL);
}

void CMonthListDlg::ShowDetails() {
  const int row = m_listRecords.GetCurSel();
  if (row == -1) return;
  const int index = m_listRecords.GetItemData(row);
  const ExpenseRecord& record = GetLedger()->m_pRecords[index];
  CExpenseEntryDlg dialog(this);
  dialog.m_nYear = m_nYear;
  dialog.m_nMonth = m_nMonth;
  dialog.ShowRecord(index, record);
  if (dialog.DoModal() != IDOK) return;
  FillList();
  m_listRecords.SetCurSel(row);
  ShowChangedRecords();
}

// A delete that cannot be saved is undone, so the list, the calendar and
// the file agree, and the driver is told.
void CMonthListDlg::DeleteSelected() {
  int row = m_listRecords.GetCurSel();
  if (row == -1) return;
  const int index = m_listRecords.GetItemData(row);
  if (SkinMessageBox(this, kDeleteQuestion, kDeleteCaption, MB_OKCANCEL) != IDOK) return;
  CExpenseLedger& ledger = *GetLedger();
  if (!ledger.RemoveAndSave(index)) {
    ReportSaveFailure(ledger, stderr);
    SkinMessageBox(this, kNotSavedText, kNotSavedCaption, MB_OKCANCEL);
  }
  FillList();
  if (row >= m_listRecords.GetCount()) --row;
  m_listRecords.SetCurSel(row);
  ShowChangedRecords();
}

// A closing dialog uncovers this one as it was drawn, so the totals are
// repainted here, not left to an uncovering paint.
void CMonthListDlg::ShowChangedRecords() {
  m_listRecords.Invalidate(FALSE);
  Invalidate(FALSE);
}
