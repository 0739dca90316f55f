// How a list of rows shown a page at a time moves its top row and its
// selection: paging by the arrows, bringing the selection into view, and
// the top row a paint starts from. Rows are counted from 0; a selection of
// -1 (or any negative) means none.
#pragma once

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
