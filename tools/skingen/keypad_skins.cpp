// The numeric keypad: screen 232, the digit keys 2166, the command faces
// 2708/2709, highlighted digits 259 and disabled digits 2792.
#include <string>

#include "tools/skingen/face.h"
#include "tools/skingen/palette.h"
#include "tools/skingen/screen.h"
#include "tools/skingen/skin_set.h"
#include "tools/skingen/text.h"

namespace skingen {

namespace {

constexpr int kKeyWidth = 48, kKeyHeight = 25;
// Where the key bitmap lands on the screen, and the keys inside it.
constexpr POINT kKeysOrigin{6, 116};
constexpr int kKeyColumns[5] = {13, 71, 129, 187, 245};
constexpr int kKeyRows[2] = {12, 48};

struct KeyLook {
  FaceStyle face;
  COLORREF label;
};

KeyLook NormalKey() { return {{RGB(226, 232, 242), RGB(168, 182, 204), RGB(40, 60, 100), 3}, RGB(10, 24, 48)}; }
KeyLook FocusKey() { return {{RGB(255, 244, 140), RGB(255, 206, 0), RGB(150, 90, 0), 3}, RGB(40, 24, 0)}; }
KeyLook DisabledKey() { return {{RGB(56, 62, 74), RGB(36, 40, 50), RGB(70, 78, 92), 3}, RGB(100, 108, 122)}; }

void DrawKey(Canvas& canvas, const RECT& r, const KeyLook& look, const std::wstring& label) {
  DrawFace(canvas, r, look.face);
  DrawLabel(canvas, r, label, 15, 700, look.label);
}

// Keys in the order the keypad adds them: 1-5 on top, then 6-9 and 0.
RECT KeyRect(int index) {
  const int x = kKeyColumns[index % 5], y = kKeyRows[index / 5];
  return {x, y, x + kKeyWidth, y + kKeyHeight};
}

void DrawBlueGrid(Canvas& canvas, const RECT& r, int pitchX, int pitchY) {
  canvas.Fill(r, palette::kPanel);
  for (int x = r.left; x < r.right; x += pitchX) canvas.VLine(x, r.top, r.bottom, RGB(20, 90, 150));
  for (int y = r.top; y < r.bottom; y += pitchY) canvas.HLine(r.left, r.right, y, RGB(20, 90, 150));
  canvas.Frame(r, palette::kPanelEdge);
}

Canvas DrawKeys() {
  Canvas keys(306, 85, palette::kPanel);
  DrawBlueGrid(keys, {0, 0, 306, 85}, 58, 36);
  static constexpr wchar_t kDigits[] = L"1234567890";
  for (int i = 0; i < 10; ++i) DrawKey(keys, KeyRect(i), NormalKey(), std::wstring(1, kDigits[i]));
  return keys;
}

Canvas DrawKeypadScreen() {
  Canvas screen = NewScreen();
  screen.Fill({0, 0, 320, 28}, palette::kPanel);
  screen.HLine(0, 320, 28, palette::kAccentLine);
  DrawPanel(screen, {11, 60, 296, 86}, palette::kValueBox);
  DrawBlueGrid(screen, {kKeysOrigin.x - 2, kKeysOrigin.y - 6, kKeysOrigin.x + 308, kKeysOrigin.y + 89}, 29, 18);
  return screen;
}

// A strip of equal keyed cells, one label each.
Canvas DrawKeyStrip(const KeyLook& look, const std::wstring* labels, int count) {
  Canvas strip(kKeyWidth * count, kKeyHeight, kKeyGreen);
  for (int i = 0; i < count; ++i)
    DrawKey(strip, {kKeyWidth * i, 0, kKeyWidth * (i + 1), kKeyHeight}, look, labels[i]);
  return strip;
}

Canvas DrawCommandFace(const FaceStyle& style) {
  Canvas face(77, 27, kKeyGreen);
  DrawFace(face, {0, 0, 77, 27}, style);
  return face;
}

}  // namespace

void AddKeypadSkins(SkinSet& set) {
  static const std::wstring kCells[12] = {L"0", L"1", L"2", L"3", L"4", L"5",
                                          L"6", L"7", L"8", L"9", L"-", L"CE"};
  set.push_back({232, DrawKeypadScreen()});
  set.push_back({2166, DrawKeys()});
  set.push_back({2708, DrawCommandFace(BlueFace())});
  set.push_back({2709, DrawCommandFace(OrangeFace())});
  set.push_back({259, DrawKeyStrip(FocusKey(), kCells, 12)});
  set.push_back({2792, DrawKeyStrip(DisabledKey(), kCells, 10)});
}

}  // namespace skingen
