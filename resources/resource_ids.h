// Every resource id of the program, with the window messages and timer ids
// its controls and dialogs agree on. The values are the ones the resource
// manifest and the data the program was built around use; never renumber.
#pragma once

// --- bitmaps ----------------------------------------------------------------

// The calendar.
constexpr int IDB_CALENDAR = 168;      // 320 x 240 main screen
constexpr int IDB_BUTTON_DOWN = 164;   // 75 x 24 pressed bottom button
constexpr int IDB_PREV_DOWN = 165;     // 32 x 26 pressed left arrow
constexpr int IDB_NEXT_DOWN = 166;     // 32 x 26 pressed right arrow
constexpr int IDB_DAY_MARKERS = 2793;  // two 12 x 14 marker cells

// The list box.
constexpr int IDB_LIST_THUMB = 1049;
constexpr int IDB_LIST_TRACK = 2718;
constexpr int IDB_LIST_UP = 2715;
constexpr int IDB_LIST_UP_DOWN = 2714;  // pressed
constexpr int IDB_LIST_DOWN = 2712;
constexpr int IDB_LIST_DOWN_DOWN = 2713;  // pressed
constexpr int IDB_LIST_ROW = 1063;
constexpr int IDB_LIST_ROW_SEL = 2689;

// The expense entry and monthly list screens.
constexpr int IDB_ENTRY_SCREEN = 171;
constexpr int IDB_MONTH_LIST_SCREEN = 157;

// The numeric keypad.
constexpr int IDB_KEYPAD_SCREEN = 232;
constexpr int IDB_KEYPAD_KEYS = 2166;
constexpr int IDB_KEYPAD_CMD_UP = 2708;
constexpr int IDB_KEYPAD_CMD_DOWN = 2709;
constexpr int IDB_KEYPAD_DIGIT_FOCUS = 259;
constexpr int IDB_KEYPAD_DIGIT_OFF = 2792;

// The message box.
constexpr int IDB_MSGBOX_FRAME = 2251;
constexpr int IDB_MSGBOX_ICONS = 1001;
constexpr int IDB_MSGBOX_BUTTON_UP = 2795;
constexpr int IDB_MSGBOX_BUTTON_SEL = 2796;

// --- icons and dialog templates --------------------------------------------

constexpr int IDI_PROGRAM = 128;
constexpr int IDD_ABOUT = 100;
constexpr int IDD_ENTRY = 169;
constexpr int IDD_MONTH_LIST = 171;
constexpr int IDD_KEYPAD = 172;
constexpr int IDD_MESSAGE_BOX = 174;

// --- messages and timers ----------------------------------------------------

constexpr unsigned WM_SKINLIST_SELCHANGE = 0x4C8;  // a row was selected
constexpr unsigned WM_SKINLIST_CLICK = 0x4C9;      // the selected row was tapped again
constexpr unsigned IDT_LIST_REPEAT = 100;          // a held scroll arrow repeats
constexpr unsigned IDT_KEYPAD_CLEAR = 777;         // a held backspace clears
