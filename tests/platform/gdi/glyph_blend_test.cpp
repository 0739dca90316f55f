#include "platform/gdi/glyph_blend.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

// The memo must answer each blend as a fresh blend would, whatever it
// blended before: the sweep holds far more (destination, ink, coverage)
// triples than the memo has slots, repeats each against a different ink
// and coverage, and gives destinations a stray top byte, which a blend
// ignores.
TEST(BlendMemoTest, EveryAnswerIsTheDirectBlendAfterAnyHistory) {
  constexpr Pixel kInks[] = {0x000000, 0xFFFFFF, 0x20C040, 0xF08070};
  constexpr Pixel kDestinations[] = {0x000000,   0xFFFFFF, 0x123456, 0xFF123456,
                                     0x80FEDCBA, 0x00FF00, 0x7F7F7F, 0x01020304};
  BlendMemo memo;
  for (int round = 0; round < 2; ++round) {
    for (Pixel ink : kInks) {
      for (Pixel dst : kDestinations) {
        for (int coverage = 1; coverage < kFullCoverage; ++coverage) {
          const Pixel shifted = dst + static_cast<Pixel>(coverage * round);
          ASSERT_EQ(memo.Blend(shifted, ink, coverage), BlendPixel(shifted, ink, coverage))
              << std::hex << "dst " << shifted << " ink " << ink << std::dec << " coverage "
              << coverage;
        }
      }
    }
  }
}

// The rounding every glyph edge has always had: toward zero on each
// channel, exact at the two ends.
TEST(BlendMemoTest, BlendRoundsEachChannelTowardZero) {
  EXPECT_EQ(BlendPixel(0x000080, 0x800000, 1), 0x000080u);
  EXPECT_EQ(BlendPixel(0xFFFFFF, 0x000000, 1), 0xFEFEFEu);
  EXPECT_EQ(BlendPixel(0x00FF10, 0xFF0000, 128), 0x807F08u);
  EXPECT_EQ(BlendPixel(0xFF336699, 0x000000, kFullCoverage), 0x000000u);
  EXPECT_EQ(BlendPixel(0xFF336699, 0xABCDEF, 0), 0x336699u);
}

}  // namespace
}  // namespace gdi
