#include "platform/framework/cdc.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

TEST(CDCTest, MemoryDCStartsWithTheStockBitmapWhoseWrapperStaysTheSame) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(nullptr, 4, 4));
  CBitmap* old = dc.SelectObject(&bitmap);
  ASSERT_NE(old, nullptr);
  BITMAP info{};
  old->GetBitmap(&info);
  EXPECT_EQ(info.bmWidth, 1);
  EXPECT_EQ(info.bmBitsPixel, 1);
  {
    // Other DCs and other lookups in between do not disturb the kept pointer.
    CDC other;
    other.CreateCompatibleDC(&dc);
    CBitmap scratch;
    scratch.CreateBitmap(2, 2, 1, 1, nullptr);
    EXPECT_EQ(other.SelectObject(&scratch), old);
    other.SelectObject(old);
  }
  EXPECT_EQ(dc.SelectObject(old), &bitmap);  // the owning wrapper comes back
  EXPECT_EQ(old->m_hObject, GetCurrentObject(dc, OBJ_BITMAP));
}

TEST(CDCTest, DestroyingAWrapperDeletesItsObjectAndDetachKeepsIt) {
  HGDIOBJ deleted = nullptr;
  HGDIOBJ kept = nullptr;
  {
    CPen owned(PS_SOLID, 1, kRed);
    deleted = owned.m_hObject;
    CPen pen(PS_SOLID, 1, kRed);
    kept = pen.Detach();
    EXPECT_EQ(pen.m_hObject, nullptr);
  }
  EXPECT_EQ(GetObjectType(deleted), 0u);
  EXPECT_EQ(GetObjectType(kept), OBJ_PEN);
  EXPECT_TRUE(DeleteObject(kept));

  HDC dcHandle = nullptr;
  {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dcHandle = dc.m_hDC;
  }
  EXPECT_EQ(GetObjectType(dcHandle), 0u);
}

TEST(CDCTest, FromHandleFindsTheOwnerOrMakesANonOwningTemporary) {
  CFont font;
  ASSERT_TRUE(
      font.CreateFont(14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, L"Gulim"));
  EXPECT_EQ(CFont::FromHandle(static_cast<HFONT>(font.m_hObject)), &font);
  HPEN raw = CreatePen(PS_SOLID, 1, kRed);
  CPen* temporary = CPen::FromHandle(raw);
  ASSERT_NE(temporary, nullptr);
  EXPECT_EQ(CPen::FromHandle(raw), temporary);
  EXPECT_EQ(CGdiObject::FromHandle(raw), temporary);
  EXPECT_EQ(CFont::FromHandle(reinterpret_cast<HFONT>(raw)), nullptr);  // a pen is no font
  EXPECT_TRUE(DeleteObject(raw));  // the temporary never owned it
  EXPECT_EQ(CPen::FromHandle(nullptr), nullptr);
  HDC rawDC = CreateCompatibleDC(nullptr);
  EXPECT_EQ(CDC::FromHandle(rawDC)->m_hDC, rawDC);
  DeleteDC(rawDC);
}

TEST(CDCTest, WrappersRefuseASecondObjectOrASecondOwner) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(2, 2, 1, 32, nullptr));
  HGDIOBJ first = bitmap.m_hObject;
  EXPECT_FALSE(bitmap.CreateBitmap(3, 3, 1, 32, nullptr));
  EXPECT_EQ(bitmap.m_hObject, first);
  CBitmap second;
  EXPECT_FALSE(second.Attach(first));
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
}

TEST(CDCTest, LogFontComesBackFromTheFont) {
  CFont font;
  ASSERT_TRUE(font.CreateFont(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS,
                              L"Gulim"));
  LOGFONT logical{};
  ASSERT_EQ(font.GetLogFont(&logical), static_cast<int>(sizeof(LOGFONT)));
  EXPECT_EQ(logical.lfHeight, 13);
  EXPECT_EQ(logical.lfWeight, FW_NORMAL);
  EXPECT_EQ(logical.lfPitchAndFamily, FF_SWISS);
  EXPECT_EQ(std::wstring(logical.lfFaceName), L"Gulim");
}

TEST(CDCTest, FillSolidRectLeavesTheBackgroundColourSet) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(nullptr, 4, 4);
  CBitmap* old = dc.SelectObject(&bitmap);
  dc.FillSolidRect(1, 1, 2, 2, kRed);
  EXPECT_EQ(dc.GetPixel(1, 1), kRed);
  EXPECT_EQ(dc.GetPixel(3, 3), RGB(0, 0, 0));
  EXPECT_EQ(dc.GetBkColor(), kRed);
  CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
  CPen* oldPen = dc.SelectObject(&pen);
  dc.MoveTo(0, 3);
  dc.LineTo(4, 3);
  EXPECT_EQ(dc.MoveTo(0, 0), CPoint(4, 3));
  EXPECT_EQ(dc.GetPixel(2, 3), RGB(0, 0, 255));
  dc.SelectObject(oldPen);
  dc.SelectObject(old);
}

}  // namespace
