// A set of painted push buttons inside an owner window. The panel is not a
// window: its buttons are rectangles of the owner's client area, drawn into
// the owner's surface when the owner paints. At most one button is
// selected, which is both the keyboard focus and the pressed look under the
// pen; a tap that ends on the button it began on sends the owner
// WM_COMMAND with the button's id. The owner passes its pen and key events
// on and calls Paint from its paint handler.
#pragma once

#include <memory>
#include <span>

#include "platform/framework/afxwin.h"

class CSkinBitmap;

// The bitmap of one button state, of the kind the button's style draws: a
// skin for the cell style, a plain bitmap for the image style. Not owned.
union PanelBitmap {
  CSkinBitmap* skin;
  CBitmap* image;
};

// One button: where it is, what it shows and its state. The panel's owner
// may read rect, id and enabled, and set selected and visible itself.
struct PanelButton {
  enum Style { kStylePlain = 0, kStyleImage = 4, kStyleCell = 5 };
  // Any other value places the caption on the right.
  enum Align { kAlignCentre = 0, kAlignLeft = 1, kAlignRight = 2 };
  static constexpr int kCaptionCapacity = 256;

  // May take the focus and be hit by the pen.
  bool IsEligible() const { return enabled && visible; }

  int id;  // 0 is never found by a lookup
  CRect rect;
  wchar_t caption[kCaptionCapacity];
  int align;
  int selected;
  int visible;
  BYTE enabled;
  int style;
  int transparent;  // cell style: draw the cell colour-keyed
  int cell;         // cell style: column of the cell, row 0
  PanelBitmap normalBitmap;
  PanelBitmap selectedBitmap;
  PanelBitmap disabledBitmap;
  int width;  // size drawn by the bitmap styles
  int height;
};

class CButtonPanel {
 public:
  CButtonPanel() = default;
  virtual ~CButtonPanel() = default;
  CButtonPanel(const CButtonPanel&) = delete;
  CButtonPanel& operator=(const CButtonPanel&) = delete;

  // Hooks for a derived panel; nothing calls them.
  virtual int OkProcess() { return GetFocusId(); }
  virtual void CancelProcess() {}
  virtual int FilterValue(int value) { return value; }

  void SetTextStyle(int fontHeight, int textMargin, COLORREF textSelected, COLORREF textNormal);
  // A plain, unselected button at (left, top) of the size; its caption is
  // cut to 255 characters. Gives the new count, or -1 when memory ran out.
  int AddButton(int left, int top, int width, int height, LPCTSTR caption, int id, int visible,
                BOOL enabled, int align);
  // The style calls give the button's index, or -1 when no button has the
  // id. The cell style keeps the rectangle as added; the image style sizes
  // it to the image.
  int SetCellStyle(int id, CSkinBitmap* normal, CSkinBitmap* selected, int width, int height,
                   int cell, int transparent, CSkinBitmap* disabled);
  int SetImageStyle(int id, CBitmap* normal, CBitmap* selected, int width, int height,
                    CBitmap* disabled);

  int GetButtonCount() const { return m_nCount; }
  PanelButton* GetButton(int index);  // nullptr out of range
  int FindButton(int id) const;       // the first with the id; -1 for none and for id 0
  int GetFocusIndex() const;          // the first selected; -1 for none
  int GetFocusId() const;             // 0 when nothing is selected
  // Selects the button with the id; an id no button has (-1 by convention)
  // clears the selection. False for an empty panel or when that button is
  // already the selected one. Does not repaint.
  bool SetFocusId(int id);
  int GetIdAt(int index) const;  // -1 out of range

  // To the neighbour in the direction (PanelDirection), repainting both
  // buttons; false when there is none or the direction is negative.
  bool MoveFocus(int direction);
  // Selects the button under the point; its index, or -1.
  int HitTest(int x, int y);
  // Captures the pen for the owner and selects the button under it, or
  // clears the selection on a miss; the button's index, or -1.
  int OnPenDown(int x, int y);
  // Releases the pen and unselects every button; a release on the button
  // that was selected sends the owner WM_COMMAND with its id.
  void OnPenUp(int x, int y);
  // Draws the visible buttons in panel order; false for an empty panel.
  bool Paint(CDC* pDC);

  std::unique_ptr<PanelButton[]> m_pButtons;
  int m_nCount = 0;
  int m_nCapacity = 0;
  CWnd* m_pOwner = nullptr;  // set by the owner once the buttons are added
  int m_nFontHeight = 13;
  COLORREF m_crTextSel = RGB(0, 0, 0);
  COLORREF m_crTextNormal = RGB(255, 255, 255);
  COLORREF m_crFillSel = RGB(255, 174, 16);
  COLORREF m_crFillNormal = RGB(0, 65, 115);
  int m_nTextMargin = 10;
  // Encloses every button added; where a focus move starts again.
  CRect m_rcBounds{999999, 999999, -999999, -999999};

 private:
  std::span<PanelButton> Buttons() const {
    return {m_pButtons.get(), static_cast<std::size_t>(m_nCount)};
  }
  bool Grow();
  // The button with the id given the style and drawn size; nullptr for none.
  PanelButton* SetStyle(int id, int style, int width, int height);
  template <class Predicate>
  int IndexWhere(Predicate predicate) const;  // the first index it holds for; -1
  void PaintPlain(CDC* pDC, const PanelButton& button) const;
  void PaintCell(CDC* pDC, const PanelButton& button) const;
  void PaintImage(CDC* pDC, const PanelButton& button) const;
  void DrawCaption(CDC* pDC, const PanelButton& button, const CRect& r) const;
};
