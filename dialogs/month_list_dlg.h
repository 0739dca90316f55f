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

  // The months the list can page through, as the calendar's.
  static constexpr int kFirstYear = 1;
  static constexpr int kLastYear = 9999;

  void FillList();
  void PrevMonth();
  void NextMonth();
  void ShowDetails();
  void DeleteSelected();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void RunButtonAction(int index) override;
  void DrawContent(CDC* pDC) override;

  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

 private:
  void PressMonthArrow(int arrow);
  void ShowChangedRecords();

 public:
  int m_nYear = 0;
  int m_nMonth = 0;
  // 64 bits: a month of large entries must not wrap.
  std::int64_t m_nTotalCost = 0;
  std::int64_t m_nTotalDistance = 0;
  CRect m_rcDistanceTotal;
  CRect m_rcCostTotal;
  CSkinListBox m_listRecords;
  CRect m_rcTitle;
  int m_nPressedMonthArrow = -1;
  CRect m_rcPrevMonth;
  CRect m_rcNextMonth;
  CBitmap m_bmpPrevMonthDown;
  CBitmap m_bmpNextMonthDown;

  DECLARE_MESSAGE_MAP()
};
