// Where the parts of a skinned list box lie in its client area: the rows
// on the left, the scroll strip on the right with a page arrow at each end
// and the track between them. What a pen point is over, where the thumb
// sits on the track, and how the top row and the selection move a page at
// a time. Rows are counted from 0; a selection of -1 (or any negative)
// means none.
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

// One page up: the top row rises by a page, or to the first row, and the
// selection keeps its place within the page. False, with nothing changed,
// when the first row is already at the top.
bool MovePageUp(int& topIndex, int& curSel, int visibleRows);

// One page down, ending with the last row at the bottom of the page; the
// selection keeps its place within the page. False, with nothing changed,
// when the last page is already shown (always so for a list that fits in
// one page).
bool MovePageDown(int& topIndex, int& curSel, int count, int visibleRows);

// An index past the last row selects the last row (none in an empty list);
// a negative index stays negative.
int LimitSelection(int index, int count);

// Scrolls just enough to show the selection: a row below the page becomes
// its bottom row, a row above it (or none) its top row.
void ScrollSelIntoView(int& topIndex, int curSel, int visibleRows);

// The row a paint starts from: the last row when the top lies past it; 0
// for an empty list or a negative top.
int FirstPaintedRow(int topIndex, int count);
