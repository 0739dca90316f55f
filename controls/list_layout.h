// Where the parts of a skinned list box lie in its client area: the rows
// on the left, the scroll strip on the right with a page arrow at each end
// and the track between them. What a pen point is over, and where the
// thumb sits on the track.
#pragma once

#include "platform/framework/crect.h"

// Sizes of the arrow and thumb skins.
constexpr int kListArrowSize = 28;
constexpr int kListThumbWidth = 17;
constexpr int kListThumbHeight = 21;

struct ListLayout {
  CRect rcList;         // the rows
  CRect rcBar;          // the scroll strip
  CRect rcTopArrow;     // page up
  CRect rcBottomArrow;  // page down
};

ListLayout LayoutList(int width, int height, int scrollBarWidth);

enum class ListArea { kOutside, kRows, kTopArrow, kBottomArrow, kTrack };

ListArea HitTestList(const ListLayout& layout, POINT point);

// The row at height y of the rows, counted from the top row's index; it
// may lie past the last row.
int RowAt(int y, int topIndex, int itemHeight);

// The thumb's top-left corner: centred across the strip, at the top of the
// track for the first page and touching the bottom arrow for the last.
// It shows where the top row is, not the selection.
CPoint ThumbPosition(const ListLayout& layout, int topIndex, int count, int visibleRows);
