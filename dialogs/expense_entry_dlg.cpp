#include "dialogs/expense_entry_dlg.h"

#include <algorithm>
#include <cstdio>

#include "dialogs/keypad_dlg.h"
#include "dialogs/message_box_dlg.h"
#include "dialogs/scaled_value.h"
#include "ledger/expense_items.h"
#include "ledger/expense_ledger.h"
#include "ledger/ledger_file.h"
#include "resources/resource_ids.h"
#include "skin/fitted_text.h"

namespace {

constexpr UINT kRightLine = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
constexpr RECT kDateBar{11, 7, 309, 38};
constexpr int kConfirmButton = 0, kCancelButton = 3;

struct RowLayout {
  const wchar_t* caption;
  RECT captionBox, valueBox, valueText;
};
constexpr RowLayout kRows[CExpenseEntryDlg::kRowCount] = {
    {L"항목선택", {11, 47, 95, 81}, {102, 47, 309, 81}, {113, 52, 281, 75}},
    {L"주 유 량", {11, 86, 95, 120}, {102, 86, 309, 120}, {108, 91, 258, 114}},
    {L"비    용", {11, 126, 95, 160}, {102, 126, 309, 160}, {108, 131, 258, 154}},
    {L"주행거리", {11, 164, 95, 198}, {102, 164, 309, 198}, {108, 169, 258, 192}},
};

constexpr POINT kListAt{108, 52};
constexpr int kListWidth = 195, kListRowHeight = 28, kListRows = 5;
constexpr int kListHeight = kListRowHeight * kListRows;

struct KeypadTexts {
  const wchar_t* caption;
  const wchar_t* prompt;
};
constexpr KeypadTexts kKeypadTexts[CExpenseEntryDlg::kRowCount] = {
    {L"", L""},
    {L"주유량 입력", L"주유량을 입력하십시오."},
    {L"지출비용 입력", L"지출비용을 입력하십시오."},
    {L"주행거리 입력", L"주행거리를 입력하십시오."},
};

constexpr int kScale[CExpenseEntryDlg::kRowCount] = {0, 100, 100, 1000};

constexpr wchar_t kInputErrorCaption[] = L"입력오류";
constexpr wchar_t kNothingEntered[] = L"지출금액 또는 주행거리를 입력하십시오.";
constexpr wchar_t kTooLarge[] = L"입력값이 너무 큽니다.";

}  // namespace

BEGIN_MESSAGE_MAP(CExpenseEntryDlg, CSkinDlg)
  ON_WM_LBUTTONDOWN()
  ON_MESSAGE(WM_SKINLIST_SELCHANGE, OnItemChosen)
END_MESSAGE_MAP()

CExpenseEntryDlg::CExpenseEntryDlg(CWnd* pParent) : CSkinDlg(IDD_ENTRY, pParent) {
  for (int row = kFuelRow; row < kRowCount; ++row) m_strRowValue[row] = L"0.00";
}

BOOL CExpenseEntryDlg::OnInitDialog() {
  CSkinDlg::OnInitDialog();
  m_bmpSkin.LoadBitmap(IDB_ENTRY_SCREEN);
  m_strButton[kConfirmButton] = m_nRecordIndex >= 0 ? L"수  정" : L"확  인";
  m_strButton[kCancelButton] = L"취  소";
  m_listItems.Create(this, kListWidth, kListHeight, 1);
  m_listItems.m_nItemHeight = kListRowHeight;
  m_listItems.m_nVisibleRows = kListRows;
  m_listItems.SetPosition(kListAt.x, kListAt.y, kListWidth, kListHeight, TRUE);
  m_listItems.ShowWindow(SW_HIDE);
  // An id the catalogue does not name is shown blank and kept unless the
  // driver picks an item; the drop-down then opens on the first.
  m_strRowValue[kItemRow] = GetItemName(m_nItemId);
  m_nItemIndex = 0;
  while (g_expenseItems[m_nItemIndex].name && g_expenseItems[m_nItemIndex].id != m_nItemId)
    ++m_nItemIndex;
  if (!g_expenseItems[m_nItemIndex].name) m_nItemIndex = 0;
  return TRUE;
}

void CExpenseEntryDlg::ShowRecord(int index, const ExpenseRecord& record) {
  m_nRecordIndex = index;
  m_nDay = record.day;
  m_nItemId = record.itemId;
  const std::int32_t values[kRowCount] = {0, record.fuel, record.cost, record.distance};
  for (int row = kFuelRow; row < kRowCount; ++row)
    m_strRowValue[row] = FormatScaledValue(values[row], kScale[row]).c_str();
}

void CExpenseEntryDlg::DrawContent(CDC* pDC) {
  pDC->SetTextColor(RGB(255, 255, 255));
  CString date;
  date.Format(L"%d년 %d월 %d일", m_nYear, m_nMonth, m_nDay);
  CRect dateBar(kDateBar);
  pDC->DrawText(date, -1, &dateBar, kCentredLine);
  for (int row = 0; row < kRowCount; ++row) {
    CRect caption(kRows[row].captionBox);
    pDC->DrawText(kRows[row].caption, -1, &caption, kCentredLine);
    const std::wstring_view value = static_cast<LPCTSTR>(m_strRowValue[row]);
    if (row == kItemRow)
      DrawShrunkToFit(pDC, value, CRect(kRows[row].valueText), kLeftLine);
    else
      DrawNumberToFit(pDC, value, CRect(kRows[row].valueText), kRightLine);
  }
}

// While the drop-down is open, a tap anywhere else only closes it.
void CExpenseEntryDlg::OnLButtonDown(UINT nFlags, CPoint point) {
  if (m_listItems.IsWindowVisible()) {
    const CRect list(kListAt.x, kListAt.y, kListAt.x + kListWidth, kListAt.y + kListHeight);
    if (!list.PtInRect(point)) m_listItems.ShowWindow(SW_HIDE);
    return;
  }
  if (PressButtonAt(point)) return;
  for (int row = 0; row < kRowCount; ++row) {
    if (CRect(kRows[row].captionBox).PtInRect(point) ||
        CRect(kRows[row].valueBox).PtInRect(point)) {
      if (row == kItemRow)
        OpenItemList();
      else
        EditNumber(row);
      return;
    }
  }
  CSkinDlg::OnLButtonDown(nFlags, point);
}

void CExpenseEntryDlg::RunButtonAction(int index) {
  if (index == kConfirmButton)
    SaveEntry();
  else if (index == kCancelButton)
    EndDialog(IDCANCEL);
}

void CExpenseEntryDlg::OpenItemList() {
  m_listItems.ResetContent();
  for (int i = 0; g_expenseItems[i].name; ++i) m_listItems.AddString(g_expenseItems[i].name, i);
  m_listItems.ShowWindow(SW_SHOW);
  m_listItems.SetCurSel(m_nItemIndex);
}

void CExpenseEntryDlg::EditNumber(int row) {
  CKeypadDlg keypad(this);
  keypad.m_strValue = m_strRowValue[row];
  keypad.m_strCaption = kKeypadTexts[row].caption;
  keypad.m_strPrompt = kKeypadTexts[row].prompt;
  if (keypad.DoModal() != IDOK) return;
  // A number too large for its field stays as typed; saving refuses it.
  const std::optional<std::int32_t> value =
      ParseScaledValue(static_cast<LPCTSTR>(keypad.m_strValue), kScale[row]);
  if (value)
    m_strRowValue[row] = FormatScaledValue(*value, kScale[row]).c_str();
  else
    m_strRowValue[row] = keypad.m_strValue;
  Invalidate(FALSE);
}

LRESULT CExpenseEntryDlg::OnItemChosen(WPARAM, LPARAM) {
  if (!m_listItems.HasValidSel()) return 0;
  m_listItems.ShowWindow(SW_HIDE);
  m_nItemIndex = m_listItems.GetSelItemData();
  m_nItemId = g_expenseItems[m_nItemIndex].id;
  m_strRowValue[kItemRow] = g_expenseItems[m_nItemIndex].name;
  Invalidate(FALSE);
  return 0;
}

void CExpenseEntryDlg::SaveEntry() {
  const std::optional<ExpenseRecord> record = BuildRecord();
  if (!record) return;
  if (record->cost == 0 && record->distance == 0) {
    SkinMessageBox(this, kNothingEntered, kInputErrorCaption, MB_OKCANCEL);
    return;
  }
  // An edited record keeps its stored date and its place; a new one goes
  // after the records of its day. The ledger undoes a change it could not
  // save, so the calendar shows what the file holds.
  CExpenseLedger& ledger = *GetLedger();
  const bool saved = m_nRecordIndex >= 0 ? ledger.ReplaceAndSave(m_nRecordIndex, *record)
                                         : ledger.AddAndSave(*record);
  if (!saved) {
    ReportSaveFailure(ledger, stderr);
    SkinMessageBox(this, kNotSavedText, kNotSavedCaption, MB_OKCANCEL);
    return;
  }
  EndDialog(IDOK);
}

std::optional<ExpenseRecord> CExpenseEntryDlg::BuildRecord() {
  ExpenseRecord record{};
  record.year = static_cast<std::int16_t>(m_nYear);
  record.month = static_cast<std::int16_t>(m_nMonth);
  record.day = static_cast<std::int16_t>(m_nDay);
  const CExpenseLedger& ledger = *GetLedger();
  if (m_nRecordIndex >= 0 && m_nRecordIndex < ledger.m_nCount)
    record = ledger.m_pRecords[m_nRecordIndex];
  record.itemId = static_cast<std::int16_t>(m_nItemId);
  std::optional<std::int32_t> values[kRowCount];
  for (int row = kFuelRow; row < kRowCount; ++row) {
    values[row] = ParseScaledValue(static_cast<LPCTSTR>(m_strRowValue[row]), kScale[row]);
    if (!values[row]) {
      SkinMessageBox(this, kTooLarge, kInputErrorCaption, MB_OKCANCEL);
      return std::nullopt;
    }
  }
  record.fuel = *values[kFuelRow];
  record.cost = *values[kCostRow];
  record.distance = *values[kDistanceRow];
  return record;
}
