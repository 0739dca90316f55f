// The graphics interface the program draws through, with the device's
// names, values and rules: bitmaps (32-bit device, 1-bit monochrome, 24-bit
// DIB sections), memory drawing contexts, block transfers with raster
// operations, pens and text.
//
// Handles are ids in the platform's object table. Every function checks the
// handle it is given and fails (FALSE, NULL, 0 or CLR_INVALID) on a stale,
// forged or wrong-kind handle instead of following it.
//
// Ownership rules kept from the device:
// - SelectObject returns the object previously selected, so the caller can
//   put it back. A bitmap is selected into at most one DC at a time.
// - DeleteObject refuses (returns FALSE) while the object is selected into a
//   DC, and does nothing (returns TRUE) for stock objects.
// - DeleteDC deselects everything the DC holds; objects stay alive.
#pragma once

#include "platform/core/windef.h"

// Raster operations: the high word indexes the Boolean function.
constexpr DWORD SRCCOPY = 0x00CC0020;    // D = S
constexpr DWORD SRCINVERT = 0x00660046;  // D = S xor D
constexpr DWORD SRCAND = 0x008800C6;     // D = S and D

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawText formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_NOPREFIX = 0x0800;

// ExtTextOut option.
constexpr UINT ETO_OPAQUE = 0x0002;

// Font attributes.
constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_SWISS = 0x20;
constexpr int LF_FACESIZE = 32;

// Pens: solid only.
constexpr int PS_SOLID = 0;

// DIBs.
constexpr DWORD BI_RGB = 0;
constexpr UINT DIB_RGB_COLORS = 0;

// Object kinds reported by GetObjectType.
constexpr DWORD OBJ_PEN = 1;
constexpr DWORD OBJ_DC = 3;
constexpr DWORD OBJ_FONT = 6;
constexpr DWORD OBJ_BITMAP = 7;
constexpr DWORD OBJ_MEMDC = 10;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

struct LOGFONTW {
  LONG lfHeight;  // > 0: cell height in pixels; < 0: character height
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  WCHAR lfFaceName[LF_FACESIZE];
};
using LOGFONT = LOGFONTW;

struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;  // the pixel bytes of a DIB section, else NULL
};

struct BITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;  // > 0: bottom-up rows
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};

struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};

struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

// Device contexts. CreateCompatibleDC(NULL) gives a DC compatible with the
// screen (32 bits per pixel); every memory DC starts with a 1 x 1
// monochrome bitmap selected, white background, black text, OPAQUE mode.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC hdc, UINT kind);  // kind: OBJ_BITMAP, OBJ_FONT, ...
BOOL DeleteObject(HGDIOBJ object);
DWORD GetObjectType(HGDIOBJ object);
int GetObject(HGDIOBJ object, int size, LPVOID buffer);

// Bitmaps.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
// 1 plane: 1 bit per pixel (rows of bits, most significant first, each row
// padded to 16 bits) or 32 bits per pixel (0x00RRGGBB words). bits may be
// NULL for a zero-filled bitmap.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// 24-bit bottom-up sections only: rows of B, G, R bytes padded to 4 bytes.
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);

// Colours and modes; each setter returns the previous value.
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);

// Block transfer, clipped to the destination's bitmap and system clip, and
// to the source's bitmap.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);

// A colour-keyed copy: source pixels of the colour `transparent` leave the
// destination as it was. Clipped as BitBlt is. This device neither
// stretches nor converts: FALSE, drawing nothing, unless the two sizes are
// equal and both DCs hold different 32-bit device bitmaps.
BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, UINT transparent);

// Pens and lines.
HPEN CreatePen(int style, int width, COLORREF color);  // drawn 1 pixel wide
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous);
// Horizontal and vertical lines only, the end point itself not drawn; FALSE,
// drawing nothing, for any other line.
BOOL LineTo(HDC hdc, int x, int y);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC hdc, int x, int y);

// Fonts and text. Text is drawn in the selected font at the text colour;
// in OPAQUE mode the text cell is filled with the background colour first.
HFONT CreateFontIndirect(const LOGFONTW* font);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outputPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR face);
// count -1: text is terminated. The text is drawn on one line, as all this
// program's text is; without DT_SINGLELINE it is placed at rect's top.
// Returns the distance from rect's top to the text's bottom.
int DrawText(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format);
BOOL TextOut(HDC hdc, int x, int y, LPCWSTR text, int count);
// dx (per-character advances) is not supported and must be NULL.
BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                const INT* dx);
BOOL GetTextExtentPoint32(HDC hdc, LPCWSTR text, int count, LPSIZE size);
