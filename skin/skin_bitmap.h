// A skin: one bitmap resource kept selected into its own memory drawing
// surface, divided into equal cells, with the colour that counts as
// transparent. Cells are drawn onto a target surface opaque, colour-keyed
// or half blended.
#pragma once

#include "platform/framework/cdc.h"

class CSkinBitmap {
 public:
  // Drawing modes of DrawCell.
  enum { kModeOpaque = 0, kModeTransparent = 1, kModeBlend = 2 };

  CSkinBitmap() = default;
  ~CSkinBitmap();
  CSkinBitmap(const CSkinBitmap&) = delete;
  CSkinBitmap& operator=(const CSkinBitmap&) = delete;

  // cellHeight 0 makes the cells as tall as the bitmap. False only when
  // cellWidth is 0. A missing resource still loads, as a 0 x 0 bitmap in
  // which no cell fits.
  bool LoadFromResource(UINT id, int cellWidth, int cellHeight, COLORREF transparent);
  void Release();

  // False when nothing is loaded or cell (column, row) does not lie wholly
  // inside the bitmap; true otherwise, also for an unknown mode, which
  // draws nothing.
  bool DrawCell(CDC* target, POINT point, int column, int row, int mode);
  bool DrawStripCell(CDC* target, int column, POINT point, int mode);
  // Transparent when flag is exactly 1, opaque otherwise.
  bool DrawStripCellTransparent(CDC* target, int column, POINT point, int flag);
  // These two draw without checking the cell.
  void DrawCellTransparent(CDC* target, POINT point, int column, int row);
  void DrawCellBlend(CDC* target, POINT point, int column, int row, int percentage);

  // A bottom-up 24-bit image of one cell, selected into memory, holding the
  // cell-size area of source at (x, y). Gives the image and its bytes, or
  // NULL and a null pointer when it cannot be made.
  HBITMAP CopyToDibSection(CDC* memory, CDC* source, int x, int y, BYTE** bits);

  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap = nullptr;
  CDC m_dcMem;
  int m_nWidth = 0;
  int m_nHeight = 0;
  int m_nCellWidth = 0;
  int m_nCellHeight = 0;
  bool m_bLoaded = false;
  COLORREF m_crTransparent = 0;

 private:
  bool HasCell(int column, int row) const;
  CPoint CellOrigin(int column, int row) const;
  // The cell's mask: 1 where the skin shows its transparent colour.
  void BuildMask(CDC& maskDC, CBitmap& mask, int column, int row);
  // The mask of the whole skin, made on the first keyed draw that cannot
  // be keyed directly (a target that is not 32-bit) and kept: skins are
  // drawn keyed on every paint, their pixels never change.
  CDC& WholeMask();
  void ReleaseWholeMask();
  // target ^= image; target &= mask; target ^= image, on black text and a
  // white background, so pixels under white mask bits come out unchanged.
  void ComposeThroughMask(CDC* target, POINT point, CDC& image, POINT imageOrigin, CDC& mask,
                          POINT maskOrigin);

  CBitmap m_bmpWholeMask;
  CDC m_dcWholeMask;
  CBitmap* m_pOldWholeMask = nullptr;
};
