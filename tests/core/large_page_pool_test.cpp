#include "platform/core/large_page_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/core/page_hints.h"

namespace {

constexpr std::size_t kScreen = 320 * 240 * 4;

bool AllZero(const std::byte* block, std::size_t bytes) {
  return std::all_of(block, block + bytes, [](std::byte b) { return b == std::byte{0}; });
}

}  // namespace

// Blocks given back are handed out again, zeroed however they were left,
// and side by side; neighbours given back join into one gap that a bigger
// block fits.
TEST(LargePagePool, GivenBackBlocksComeBackZeroedAndJoinedWithTheirNeighbours) {
  core::LargePagePool pool(1);
  std::vector<std::byte*> screens;
  while (std::byte* block = pool.Take(kScreen)) {
    EXPECT_TRUE(AllZero(block, kScreen));
    EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(block) % core::LargePagePool::kAlignment);
    std::memset(block, 0xAB, kScreen);
    screens.push_back(block);
  }
  ASSERT_EQ(core::kLargePageBytes / kScreen, screens.size());
  EXPECT_EQ(nullptr, pool.Take(2 * kScreen));

  EXPECT_TRUE(pool.Give(screens[2]));
  EXPECT_TRUE(pool.Give(screens[1]));
  std::byte* both = pool.Take(2 * kScreen);
  EXPECT_EQ(screens[1], both);
  EXPECT_TRUE(AllZero(both, 2 * kScreen));
  for (std::byte* block : {screens[0], both, screens[3], screens[4], screens[5]})
    EXPECT_TRUE(pool.Give(block));
  std::byte* whole = pool.Take(core::kLargePageBytes);
  ASSERT_NE(nullptr, whole);
  EXPECT_TRUE(AllZero(whole, core::kLargePageBytes));
}

// The pool takes no more pages than it may, refuses what no page holds,
// and leaves blocks that are not its own alone.
TEST(LargePagePool, RefusesWhatItCannotHoldAndBlocksNotItsOwn) {
  core::LargePagePool none(0);
  EXPECT_EQ(nullptr, none.Take(kScreen));
  core::LargePagePool pool(2);
  EXPECT_EQ(nullptr, pool.Take(core::kLargePageBytes + 1));
  EXPECT_EQ(nullptr, pool.Take(0));
  EXPECT_NE(nullptr, pool.Take(core::kLargePageBytes));
  EXPECT_NE(nullptr, pool.Take(core::kLargePageBytes));
  EXPECT_EQ(nullptr, pool.Take(kScreen));
  std::byte own[16];
  EXPECT_FALSE(pool.Give(own));
}

// A block asked for zeroed is zero, from the pool or the heap, and goes
// back through FreeBlock, also after it was written.
TEST(LargePagePool, AllocateBlockServesSmallAndLargeBlocksZeroed) {
  for (std::size_t bytes : {std::size_t{0}, std::size_t{100}, kScreen, 3 * core::kLargePageBytes}) {
    auto* block = static_cast<std::byte*>(core::AllocateBlock(bytes, core::Fill::kZeroed));
    ASSERT_NE(nullptr, block);
    EXPECT_TRUE(AllZero(block, bytes));
    std::memset(block, 0x5A, bytes);
    core::FreeBlock(block);
  }
  auto* again = static_cast<std::byte*>(core::AllocateBlock(kScreen, core::Fill::kZeroed));
  EXPECT_TRUE(AllZero(again, kScreen));
  core::FreeBlock(again);
}
