#include "platform/gdi/surface_dc.h"
#include "tests/platform/gdi/gdi_fixture.h"

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

constexpr COLORREF kKey = RGB(255, 0, 255);

// Every pixel a different colour; the source's every third one the key.
void Paint(HDC dc, int width, int height, bool keyed) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      SetPixel(dc, x, y,
               keyed && (x + y) % 3 == 0
                   ? kKey
                   : RGB(static_cast<BYTE>(x * 20), static_cast<BYTE>(y * 30 + 5),
                         static_cast<BYTE>(keyed ? 200 : 40)));
}

// The keyed copy leaves what the mask composition it stands for leaves:
// the source XOR-ed in, AND-ed with its key's mask on black text and a
// white background, XOR-ed again, wherever it lands and however clipped.
TEST_F(RasterTest, TransparentBltLeavesWhatTheMaskCompositionLeaves) {
  struct Case {
    const char* name;
    int x, y, sourceX, sourceY;
    RECT clip;
  };
  constexpr int kW = 6, kH = 5;
  const RECT kWhole{0, 0, 12, 9};
  const Case cases[] = {{"inside", 3, 2, 0, 0, kWhole},
                        {"over the top and left edges", -2, -3, 0, 0, kWhole},
                        {"over the bottom and right edges", 9, 6, 0, 0, kWhole},
                        {"from partly outside the source", 2, 2, 3, 2, kWhole},
                        {"clipped", 3, 2, 0, 0, RECT{4, 1, 7, 5}}};
  HDC source = MakeDC(kW, kH);
  Paint(source, kW, kH, true);
  SetBkColor(source, kKey);
  HDC mask = MakeDC(kW, kH, 1);
  BitBlt(mask, 0, 0, kW, kH, source, 0, 0, SRCCOPY);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HDC keyed = MakeDC(kWhole.right, kWhole.bottom), composed = MakeDC(kWhole.right, kWhole.bottom);
    Paint(keyed, kWhole.right, kWhole.bottom, false);
    Paint(composed, kWhole.right, kWhole.bottom, false);
    gdi::SetSystemClip(keyed, {c.clip});
    gdi::SetSystemClip(composed, {c.clip});
    SetTextColor(keyed, kRed);  // colours the composition needs, not the copy
    SetBkColor(keyed, kBlue);
    SetTextColor(composed, kBlack);
    SetBkColor(composed, kWhite);
    EXPECT_TRUE(
        TransparentBlt(keyed, c.x, c.y, kW, kH, source, c.sourceX, c.sourceY, kW, kH, kKey));
    BitBlt(composed, c.x, c.y, kW, kH, source, c.sourceX, c.sourceY, SRCINVERT);
    BitBlt(composed, c.x, c.y, kW, kH, mask, c.sourceX, c.sourceY, SRCAND);
    BitBlt(composed, c.x, c.y, kW, kH, source, c.sourceX, c.sourceY, SRCINVERT);
    for (int y = 0; y < kWhole.bottom; ++y)
      EXPECT_EQ(Row(keyed, y, 0, kWhole.right), Row(composed, y, 0, kWhole.right)) << "row " << y;
    int landed = 0;  // source pixels have blue 200, the target's 40
    for (int y = 0; y < kWhole.bottom; ++y)
      for (COLORREF pixel : Row(keyed, y, 0, kWhole.right)) landed += GetBValue(pixel) == 200;
    EXPECT_GT(landed, 0);
  }
}

TEST_F(RasterTest, TransparentBltRefusesStretchingAndOtherFormatsWithoutDrawing) {
  HDC source = MakeDC(4, 4), colour = MakeDC(4, 4), dib = MakeDC(4, 4, 24), mono = MakeDC(4, 4, 1);
  Fill(source, RECT{0, 0, 4, 4}, kRed);
  EXPECT_FALSE(TransparentBlt(colour, 0, 0, 4, 4, source, 0, 0, 2, 2, kKey));
  EXPECT_FALSE(TransparentBlt(dib, 0, 0, 4, 4, source, 0, 0, 4, 4, kKey));
  EXPECT_FALSE(TransparentBlt(colour, 0, 0, 4, 4, mono, 0, 0, 4, 4, kKey));
  EXPECT_FALSE(TransparentBlt(source, 0, 0, 2, 2, source, 2, 2, 2, 2, kKey));
  EXPECT_EQ(Count(colour, RECT{0, 0, 4, 4}, kRed) + Count(dib, RECT{0, 0, 4, 4}, kRed), 0);
}

}  // namespace
}  // namespace gdi_test
