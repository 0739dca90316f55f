// Every screen that draws keyed skins, pixel for pixel as it was painted
// when each keyed cell went through a one-bit mask and three raster
// operations: data/paint holds the screenshots the program took then, of
// a month with every kind of marker (a refuelling, another item, both, on
// today, on Sundays, in the last row) and of each dialog over it. When a
// look changes on purpose, shoot them anew with this script.
#include <gtest/gtest.h>

#include <string>
#include "tests/support/program_run.h"
#include "tests/support/screen_pixels.h"

namespace calendar_test {
namespace {

using testing_support::Outcome;
using testing_support::ProgramRun;
using namespace screen_pixels;
using ledger_test::Record;

// The calendar; the entry dialog; its keypad (cost row), closed by F4; the
// message box that confirming without a cost brings up, then its OK; the
// entry dialog cancelled; the month list.
constexpr char kScript[] =
    "shot calendar.png\n"
    "tap 20 214\nshot entry.png\n"
    "tap 200 143\nshot keypad.png\nkey F4\n"
    "tap 43 222\nshot message.png\ntap 103 165\n"
    "tap 274 222\ntap 120 222\nshot month-list.png\n";
constexpr const char* kShots[] = {"calendar.png", "entry.png", "keypad.png", "message.png",
                                  "month-list.png"};

TEST(PaintIdentity, KeyedScreensPaintAsTheMaskCompositionPaintedThem) {
  constexpr int kFuel = 0, kOil = 1, kTyres = 9;
  ProgramRun screen{ROADTALLY_PATH};
  // January 2005 starts on a Saturday and ends in a sixth row.
  screen.WriteRecords({Record(2005, 1, 1, kFuel, 40000), Record(2005, 1, 2, kOil, 35000),
                       Record(2005, 1, 9, kFuel, 41000), Record(2005, 1, 9, kTyres, 90000),
                       Record(2005, 1, 12, kFuel, 39000), Record(2005, 1, 12, kFuel, 2000),
                       Record(2005, 1, 15, kOil, 12000), Record(2005, 1, 20, kFuel, 43000),
                       Record(2005, 1, 20, kOil, 30000), Record(2005, 1, 30, kFuel, 38000),
                       Record(2005, 1, 31, kTyres, 80000), Record(2005, 1, 31, kFuel, 42000)});
  const Outcome run = screen.Drive("2005-01-20", kScript);
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  for (const char* name : kShots) {
    SCOPED_TRACE(name);
    const res::Image shot = screen.Shot(name);
    const std::optional<res::Image> expected =
        res::ReadPngFile(std::string(PAINT_DATA_DIR) + "/" + name);
    ASSERT_TRUE(expected.has_value());
    ASSERT_EQ(shot.width, expected->width);
    ASSERT_EQ(shot.height, expected->height);
    int differing = 0, first = -1;
    for (std::size_t i = 0; i < shot.pixels.size(); ++i) {
      if (shot.pixels[i] == expected->pixels[i]) continue;
      if (differing++ == 0) first = static_cast<int>(i);
    }
    EXPECT_EQ(differing, 0) << "first at (" << first % shot.width << ", " << first / shot.width
                            << ")";
  }
}

}  // namespace
}  // namespace calendar_test
