// Where a button panel's selection goes: to the nearest button in one of
// eight directions, starting again from the panel's far edge when nothing
// lies that way, or to the button under the pen. Nearest means the centre
// nearest by squared distance; the first button in panel order wins a tie.
#pragma once

#include <span>

#include "controls/button_panel.h"

enum PanelDirection {
  kDirLeft = 0,
  kDirRight = 1,
  kDirUp = 2,
  kDirDown = 3,
  kDirUpLeft = 4,
  kDirUpRight = 5,
  kDirDownLeft = 6,
  kDirDownRight = 7,
};

// The arrow keys; -1 for any other key.
int KeyToDirection4(UINT key);
// The arrow keys and the numeric pad's corners (7, 9, 1, 3) for the
// diagonals; -1 for any other key.
int KeyToDirection8(UINT key);

// The enabled, visible, unselected button to move to from buttons[current]
// in the direction (a value outside 0..7 allows every direction); -1 when
// there is none. bounds encloses every button added: when nothing lies in
// the direction, the search starts again from its far edge, so a move off
// the end of a row or column comes back in at the other end.
int FindNeighbour(std::span<const PanelButton> buttons, int current, const RECT& bounds,
                  int direction);

// The enabled, visible button holding the point whose centre is nearest to
// it; -1 when none does.
int FindButtonAt(std::span<const PanelButton> buttons, POINT point);
