// The calendar: the program's only top-level window. One month as a grid of
// day cells between two arrow buttons, three text buttons below. Every paint
// composes the whole screen in a back buffer and copies it in one block.
#pragma once

#include "app/calendar.h"
#include "platform/framework/afxwin.h"
#include "skin/back_buffer.h"
#include "skin/skin_bitmap.h"

class CMainWnd : public CSkinPainted<CWnd> {
 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void PostNcDestroy() override { delete this; }

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return TRUE; }
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnAppExit();

  void SetToday();
  void BuildMonthGrid();
  void InvalidateCell(int column, int row);
  void PrevMonth();
  void NextMonth();
  void ShowSteppedMonth();
  void RunButtonAction(int button);
  void OpenEntryDialog();
  void OpenMonthList();

 private:
  void PaintDays();
  void PaintLabels();
  void DrawSelectionFrame(CRect cell);
  int HitTestButton(CPoint point) const;
  CRect CellRect(int column, int row) const;

 public:
  CBitmap m_bmpBackground;
  int m_nPressed = 0;
  CRect m_rcButton[7];  // 1..6; 0 unused
  CBitmap m_bmpPressedButton;
  CBitmap m_bmpArrowPressed[2];  // kPrev, kNext
  CSkinBitmap m_skinMarks;
  SYSTEMTIME m_timeNow{};
  int m_nYear = 0;
  int m_nMonth = 0;
  int m_nDay = 0;
  int m_nSelCol = -1;
  int m_nSelRow = -1;
  DayCell m_cells[49]{};
  CRect m_rcGrid;
  CSize m_sizeCell;
  CRect m_rcTitle;

  DECLARE_MESSAGE_MAP()
};
