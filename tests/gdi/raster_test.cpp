#include "tests/gdi/gdi_fixture.h"

namespace gdi_test {
namespace {

class RasterTest : public GdiTest {
 protected:
  // A one-row DC holding the given colours.
  HDC RowDC(std::vector<COLORREF> colours, int bitsPerPixel = 32) {
    HDC dc = MakeDC(static_cast<int>(colours.size()), 1, bitsPerPixel);
    for (std::size_t i = 0; i < colours.size(); ++i)
      SetPixel(dc, static_cast<int>(i), 0, colours[i]);
    return dc;
  }
};

constexpr COLORREF kSource = RGB(0x12, 0x34, 0x56);
constexpr COLORREF kTarget = RGB(0x0F, 0xF0, 0x3C);

TEST_F(RasterTest, ColourOperationsWorkBitwiseOnPixelValues) {
  for (int destBits : {32, 24}) {
    for (int sourceBits : {32, 24}) {
      HDC source = RowDC({kSource}, sourceBits);
      HDC copy = RowDC({kTarget}, destBits);
      HDC xorred = RowDC({kTarget}, destBits);
      HDC anded = RowDC({kTarget}, destBits);
      BitBlt(copy, 0, 0, 1, 1, source, 0, 0, SRCCOPY);
      BitBlt(xorred, 0, 0, 1, 1, source, 0, 0, SRCINVERT);
      BitBlt(anded, 0, 0, 1, 1, source, 0, 0, SRCAND);
      SCOPED_TRACE(testing::Message() << sourceBits << " -> " << destBits);
      EXPECT_EQ(GetPixel(copy, 0, 0), kSource);
      EXPECT_EQ(GetPixel(xorred, 0, 0), RGB(0x1D, 0xC4, 0x6A));
      EXPECT_EQ(GetPixel(anded, 0, 0), RGB(0x02, 0x30, 0x14));
    }
  }
}

TEST_F(RasterTest, ColourToMonoMarksExactlyTheSourceBackgroundAsWhite) {
  for (int sourceBits : {32, 24}) {
    HDC source = RowDC({kGreen, RGB(0, 254, 0), kRed, kWhite}, sourceBits);
    SetBkColor(source, kGreen);
    HDC mono = MakeDC(4, 1, 1);
    BitBlt(mono, 0, 0, 4, 1, source, 0, 0, SRCCOPY);
    EXPECT_EQ(Row(mono, 0, 0, 4), (std::vector<COLORREF>{kWhite, kBlack, kBlack, kBlack}));
  }
}

TEST_F(RasterTest, MonoToColourTakesTheDestinationTextAndBackground) {
  HDC mono = RowDC({kWhite, kBlack, kWhite}, 1);
  SetTextColor(mono, kGreen);  // the source's colours play no part
  SetBkColor(mono, kGreen);
  for (int destBits : {32, 24}) {
    HDC dest = MakeDC(3, 1, destBits);
    SetTextColor(dest, kRed);
    SetBkColor(dest, kBlue);
    BitBlt(dest, 0, 0, 3, 1, mono, 0, 0, SRCCOPY);
    EXPECT_EQ(Row(dest, 0, 0, 3), (std::vector<COLORREF>{kBlue, kRed, kBlue}));
  }
}

TEST_F(RasterTest, MaskAndedWithBlackTextAndWhiteBackgroundKeepsOnlyWhiteParts) {
  HDC mono = RowDC({kWhite, kBlack}, 1);
  HDC dest = RowDC({kSource, kSource});
  SetTextColor(dest, kBlack);
  SetBkColor(dest, kWhite);
  BitBlt(dest, 0, 0, 2, 1, mono, 0, 0, SRCAND);
  EXPECT_EQ(Row(dest, 0, 0, 2), (std::vector<COLORREF>{kSource, kBlack}));
}

TEST_F(RasterTest, MonoToMonoCombinesBits) {
  HDC source = RowDC({kWhite, kWhite, kBlack, kBlack}, 1);
  HDC xorred = RowDC({kWhite, kBlack, kWhite, kBlack}, 1);
  HDC anded = RowDC({kWhite, kBlack, kWhite, kBlack}, 1);
  BitBlt(xorred, 0, 0, 4, 1, source, 0, 0, SRCINVERT);
  BitBlt(anded, 0, 0, 4, 1, source, 0, 0, SRCAND);
  EXPECT_EQ(Row(xorred, 0, 0, 4), (std::vector<COLORREF>{kBlack, kWhite, kWhite, kBlack}));
  EXPECT_EQ(Row(anded, 0, 0, 4), (std::vector<COLORREF>{kWhite, kBlack, kBlack, kBlack}));
}

TEST_F(RasterTest, ColourXorIntoMonoUsesTheConvertedBits) {
  HDC source = RowDC({kGreen, kRed});
  SetBkColor(source, kGreen);  // becomes 1, 0
  HDC mono = RowDC({kWhite, kWhite}, 1);
  BitBlt(mono, 0, 0, 2, 1, source, 0, 0, SRCINVERT);
  EXPECT_EQ(Row(mono, 0, 0, 2), (std::vector<COLORREF>{kBlack, kWhite}));
}

TEST_F(RasterTest, OverlappingCopyWithinOneBitmapReadsBeforeWriting) {
  const COLORREF a = RGB(1, 0, 0), b = RGB(2, 0, 0), c = RGB(3, 0, 0), d = RGB(4, 0, 0);
  HDC dc = RowDC({a, b, c, d});
  BitBlt(dc, 1, 0, 3, 1, dc, 0, 0, SRCCOPY);
  EXPECT_EQ(Row(dc, 0, 0, 4), (std::vector<COLORREF>{a, a, b, c}));
  BitBlt(dc, 0, 0, 3, 1, dc, 1, 0, SRCINVERT);  // each = itself xor its right neighbour
  EXPECT_EQ(Row(dc, 0, 0, 4), (std::vector<COLORREF>{RGB(0, 0, 0), RGB(3, 0, 0), RGB(1, 0, 0), c}));

  HDC column = MakeDC(1, 4);
  for (int y = 0; y < 4; ++y) SetPixel(column, 0, y, RGB(0, 0, static_cast<BYTE>(10 + y)));
  BitBlt(column, 0, 1, 1, 3, column, 0, 0, SRCCOPY);
  EXPECT_EQ(GetPixel(column, 0, 3), RGB(0, 0, 12));
  EXPECT_EQ(GetPixel(column, 0, 1), RGB(0, 0, 10));
}

TEST_F(RasterTest, UnsupportedOperationsAndMissingSourceFail) {
  HDC dest = MakeDC(2, 2);
  HDC source = MakeDC(2, 2);
  EXPECT_FALSE(BitBlt(dest, 0, 0, 2, 2, source, 0, 0, 0x00EE0086));  // SRCPAINT
  EXPECT_FALSE(BitBlt(dest, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(dest, 0, 0, 0, 2, source, 0, 0, SRCCOPY));
}

}  // namespace
}  // namespace gdi_test
