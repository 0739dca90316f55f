// The entry of one expense: a new record for a given day, or a change to an
// existing one. The item is picked from a drop-down list of the catalogue,
// the numbers are typed on the keypad; confirming checks the values, writes
// the record into the ledger and saves the file before the dialog ends.
#pragma once

#include <optional>

#include "controls/skin_list_box.h"
#include "dialogs/skin_dlg.h"
#include "ledger/expense_record.h"

class CExpenseEntryDlg : public CSkinDlg {
 public:
  explicit CExpenseEntryDlg(CWnd* pParent);

  static constexpr int kRowCount = 4;
  enum Row { kItemRow = 0, kFuelRow = 1, kCostRow = 2, kDistanceRow = 3 };

  // Opens the dialog on ledger record `index` for a change: its day, its
  // item id (kept as stored, even one the catalogue does not name) and its
  // numbers in texts that read back exactly, so what the driver leaves
  // alone is stored as it was. The caller sets the month shown.
  void ShowRecord(int index, const ExpenseRecord& record);

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override {}
  virtual void SaveEntry();

  void RunButtonAction(int index) override;
  void DrawContent(CDC* pDC) override;

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg LRESULT OnItemChosen(WPARAM wParam, LPARAM lParam);

 private:
  void OpenItemList();
  void EditNumber(int row);
  // The record as typed, or nothing (after telling the driver) when a
  // value does not fit its field.
  std::optional<ExpenseRecord> BuildRecord();

 public:
  int m_nRecordIndex = -1;
  int m_nYear = 0;
  int m_nMonth = 0;
  int m_nDay = 0;
  CString m_strRowValue[kRowCount];
  int m_nItemIndex = 0;
  int m_nItemId = 0;
  CSkinListBox m_listItems;

  DECLARE_MESSAGE_MAP()
};
