// One month of the ledger as a list (date, item, cost) with its total cost
// and distance. The arrows page the months; the bottom buttons edit the
// highlighted record, delete it after a confirmation, or close the list.
// Every change is saved before the list shows it.
#pragma once

#include "controls/skin_list_box.h"
#include "dialogs/skin_dlg.h"
#include "ledger/month_summary.h"

class CMonthListDlg : public CSkinDlg {
 public:
  explicit CMonthListDlg(CWnd* pParent);

  void FillList();
  void PrevMonth();
  void NextMonth();
  void ShowDetails();
  void DeleteSelected();

 protected:
  BOOL OnInitDialog() override;
  void RunButtonAction(int index) override;
  void DrawContent(CDC* pDC) override;

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

 private:
  void PressMonthArrow(int arrow);
  void ShowChangedRecords();

 public:
  int m_nYear = 0;
  int m_nMonth = 0;
  MonthTotals m_totals;
  CSkinListBox m_listRecords;
  int m_nPressedMonthArrow = -1;
  CBitmap m_bmpMonthArrowDown[2];  // back, on

  DECLARE_MESSAGE_MAP()
};
