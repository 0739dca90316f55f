// One month of the ledger as a list (date, item, cost) with its total cost
// and distance. The arrows page the months; the bottom buttons edit the
// highlighted record, delete it after a confirmation, or close the list.
// Every change is saved before the list shows it.
#pragma once

#include <cstdint>

#include "controls/skin_list_box.h"
#include "dialogs/skin_dlg.h"

class CMonthListDlg : public CSkinDlg {
 public:
  explicit CMonthListDlg(CWnd* pParent);

  void FillList();
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
  // 64 bits: a month of large entries must not wrap.
  std::int64_t m_nTotalCost = 0;
  std::int64_t m_nTotalDistance = 0;
  CSkinListBox m_listRecords;
  int m_nPressedMonthArrow = -1;
  CBitmap m_bmpMonthArrowDown[2];  // back, on

  DECLARE_MESSAGE_MAP()
};
