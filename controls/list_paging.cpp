#include "controls/list_paging.h"

#include <algorithm>

bool MovePageUp(int& topIndex, int& curSel, int visibleRows) {
  if (topIndex <= 0) return false;
  const int offset = curSel - topIndex;
  const int newTop = topIndex - visibleRows;
  if (newTop > 0) {
    topIndex = newTop;
    curSel -= visibleRows;
  } else {
    topIndex = 0;
    curSel = offset;
  }
  return true;
}

bool MovePageDown(int& topIndex, int& curSel, int count, int visibleRows) {
  const int lastTop = count - visibleRows;
  if (topIndex >= lastTop) return false;
  const int offset = curSel - topIndex;
  const int newTop = topIndex + visibleRows;
  if (newTop >= lastTop) {
    topIndex = lastTop;
    curSel = lastTop + offset;
  } else {
    topIndex = newTop;
    curSel += visibleRows;
  }
  return true;
}

int LimitSelection(int index, int count) { return index >= count ? count - 1 : index; }

void ScrollSelIntoView(int& topIndex, int curSel, int visibleRows) {
  if (curSel - topIndex >= visibleRows)
    topIndex = curSel - visibleRows + 1;
  else if (curSel <= topIndex)
    topIndex = std::max(curSel, 0);
}

int FirstPaintedRow(int topIndex, int count) {
  return std::clamp(topIndex, 0, std::max(count - 1, 0));
}
