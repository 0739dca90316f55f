// One button of a button panel: where it is, what it shows and its state.
// The panel's owner may read rect, id and enabled, and set selected and
// visible itself.
#pragma once

#include "platform/framework/afxwin.h"

class CSkinBitmap;

// The bitmap of one button state, of the kind the button's style draws: a
// skin for the cell style, a plain bitmap for the image style. Not owned.
union PanelBitmap {
  CSkinBitmap* skin;
  CBitmap* image;
};

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
