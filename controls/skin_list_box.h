// A painted list of text rows at a fixed pitch with one selected row and a
// scroll strip on its right edge: a page arrow at each end, a track and a
// thumb showing where the top row lies. A tap on a row selects it and,
// after a pause that shows the highlight, sends the parent
// WM_SKINLIST_SELCHANGE; lifting the pen on the selected row sends
// WM_SKINLIST_CLICK. Holding an arrow pages at once and then every 200 ms.
// Rows hold one text, or three in columns. The parent reads the selection
// back; paging and SetCurSel send nothing.
#pragma once

#include <cstdint>
#include <string>

#include "controls/list_layout.h"
#include "controls/pooled_list.h"
#include "platform/framework/afxwin.h"
#include "skin/back_buffer.h"
#include "skin/skin_bitmap.h"

struct SkinListRow {
  std::wstring text1;
  std::wstring text2;  // empty in one-text rows
  std::wstring text3;
  std::int32_t data = 0;  // the owner's value for the row
};

class CSkinListBox : public CWnd {
 public:
  using RowNode = CPooledList<SkinListRow>::Node;
  enum Arrow { kArrowNone, kArrowTop, kArrowBottom };

  CSkinListBox();

  // Makes the child window, empty until SetPosition places it, and loads
  // the skins; a second call only stores the flag. The size cuts the row
  // and track skins, so SetPosition must give the same. Returns 0.
  virtual int Create(CWnd* pParent, int nWidth, int nHeight, BYTE bSkinned);
  void SetPosition(int x, int y, int cx, int cy, BOOL bRepaint);

  // Append a row without repainting; nullptr, with nothing added, when
  // memory runs out. AddRow lays every row out in three columns from then on.
  RowNode* AddString(LPCTSTR text, int data);
  RowNode* AddRow(LPCTSTR text1, LPCTSTR text2, LPCTSTR text3, int data);
  // Leaves the first row selected for the rows added next.
  void ResetContent();

  // Selects the row, or the last one for an index past it, and scrolls it
  // into view. Sends nothing.
  BOOL SetCurSel(int index);
  int GetCurSel() const;  // -1 for an empty list
  int GetCount() const { return m_rows.GetCount(); }
  bool HasValidSel() const { return m_nCurSel >= 0 && m_nCurSel < GetCount(); }
  // Only for an existing row.
  int GetItemData(int index) const { return m_rows.At(index).data; }
  int GetSelItemData() const { return GetItemData(m_nCurSel); }

  // A page either way, repainting; FALSE when already at that end.
  BOOL PageUp();
  BOOL PageDown();
  void EnsureSelVisible();

  // The owners set these two after Create.
  int m_nItemHeight = 30;
  int m_nVisibleRows = 5;

  int m_nScrollBarWidth = 28;
  int m_nTopIndex = 0;
  int m_nCurSel = -1;
  int m_nColumns = 1;
  int m_nPressedArrow = kArrowNone;
  UINT_PTR m_nRepeatTimer = 0;
  ListLayout m_layout;
  BYTE m_bSkinned = 0;

  // A pen-down on a list box whose pen-up is not yet handled; one pen
  // serves every list box.
  static bool s_bPenDown;

 protected:
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return TRUE; }
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);

 private:
  void LoadSkins(int width, int height);
  // A row of copies of the texts (null: empty); nullptr without memory.
  RowNode* AppendRow(LPCTSTR text1, LPCTSTR text2, LPCTSTR text3, int data);
  void Repaint();
  void SelectRowAt(int y);
  void NotifyParent(UINT message);
  void HoldArrow(int arrow);
  void ReleaseArrow();
  void StartRepeat();

  void PaintPageBackgrounds(CDC& dc);
  void PaintRows(CDC& dc);
  void PaintRow(CDC& dc, const SkinListRow& row, int top, bool selected);
  void PaintScrollBar(CDC& dc);

  CPooledList<SkinListRow> m_rows;
  CRect m_rcClient;
  CBackBuffer m_back;
  CSkinBitmap m_skinThumb;
  CSkinBitmap m_skinTrack;
  CSkinBitmap m_skinTopArrow;
  CSkinBitmap m_skinTopArrowDown;
  CSkinBitmap m_skinBottomArrow;
  CSkinBitmap m_skinBottomArrowDown;
  CSkinBitmap m_skinRow;
  CSkinBitmap m_skinRowSel;

  DECLARE_MESSAGE_MAP()
};
