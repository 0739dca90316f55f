#include "controls/list_layout.h"

#include <algorithm>

ListLayout LayoutList(int width, int height, int scrollBarWidth) {
  const int barLeft = width - scrollBarWidth;
  ListLayout layout;
  layout.rcList.SetRect(0, 0, barLeft, height);
  layout.rcBar.SetRect(barLeft, 0, width, height);
  layout.rcTopArrow.SetRect(barLeft, 0, barLeft + kListArrowSize, kListArrowSize);
  layout.rcBottomArrow.SetRect(barLeft, height - kListArrowSize, barLeft + kListArrowSize, height);
  return layout;
}

ListArea HitTestList(const ListLayout& layout, POINT point) {
  if (layout.rcList.PtInRect(point)) return ListArea::kRows;
  if (!layout.rcBar.PtInRect(point)) return ListArea::kOutside;
  if (layout.rcTopArrow.PtInRect(point)) return ListArea::kTopArrow;
  if (layout.rcBottomArrow.PtInRect(point)) return ListArea::kBottomArrow;
  return ListArea::kTrack;
}

int RowAt(int y, int topIndex, int itemHeight) { return topIndex + y / itemHeight; }

// The track's travel is spread over the top rows that start a page; a list
// shorter than a page spreads it over its rows.
CPoint ThumbPosition(const ListLayout& layout, int topIndex, int count, int visibleRows) {
  const int trackTop = layout.rcTopArrow.bottom;
  const int travel = layout.rcBottomArrow.top - trackTop - kListThumbHeight;
  const int steps = count - visibleRows > 0 ? count - visibleRows : count > 0 ? count : 1;
  const int x = layout.rcBar.left + (layout.rcBar.Width() - kListThumbWidth) / 2;
  return CPoint(x, trackTop + static_cast<int>(static_cast<double>(travel) * topIndex / steps));
}

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
