// The merge of two copies as multisets of 20-byte entries: each side's
// change from the base made once, in the ledger's date order.
#include "tools/ledger/merge_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <tuple>

#include "tests/ledger/ledger_bytes.h"

using ledger_test::Record;
using ledger_tool::MergedCount;
using ledger_tool::MergeRecords;

namespace {

using Records = std::vector<ExpenseRecord>;

const ExpenseRecord kFeb28 = Record(2005, 2, 28, 0, 500);
const ExpenseRecord kA = Record(2005, 3, 1, 0, 100);
const ExpenseRecord kB = Record(2005, 3, 1, 0, 200);  // the same day as kA
const ExpenseRecord kA2 = Record(2005, 3, 1, 5, 100);
const ExpenseRecord kC = Record(2005, 3, 2, 5, 300);
const ExpenseRecord kCOurs = Record(2005, 3, 2, 5, 350);    // kC changed on one side
const ExpenseRecord kCTheirs = Record(2005, 3, 2, 5, 360);  // and on the other
const ExpenseRecord kD = Record(2005, 3, 3, 0, 400, 3000, 41200);

std::string Show(const Records& records) {
  std::string text;
  for (const ExpenseRecord& r : records) {
    text += std::to_string(r.year) + "-" + std::to_string(r.month) + "-" + std::to_string(r.day) +
            "/" + std::to_string(r.itemId) + "/" + std::to_string(r.cost) + "/" +
            std::to_string(r.fuel) + "/" + std::to_string(r.distance) + " ";
  }
  return text;
}

}  // namespace

TEST(MergeRecords, ThreeWayAndUnionCases) {
  struct Case {
    const char* name;
    Records ours, theirs, base;
    Records merged, added, removed;
  } cases[] = {
      {"added on each side", {kA, kC}, {kA, kD}, {kA}, {kA, kC, kD}, {kD}, {}},
      {"added on ours, deleted on theirs", {kA, kB, kC}, {kA}, {kA, kB}, {kA, kC}, {}, {kB}},
      {"deleted on theirs only", {kA, kB, kC}, {kA, kC}, {kA, kB, kC}, {kA, kC}, {}, {kB}},
      {"the same deleted on both", {kA, kC}, {kA, kC}, {kA, kB, kC}, {kA, kC}, {}, {}},
      {"different ones deleted", {kB, kC}, {kA, kC}, {kA, kB, kC}, {kC}, {}, {kB}},
      {"changed two ways", {kCOurs}, {kCTheirs}, {kC}, {kCOurs, kCTheirs}, {kCTheirs}, {}},
      {"changed alike on both", {kA, kCOurs}, {kCOurs, kD}, {kA, kC}, {kCOurs, kD}, {kD}, {kA}},
      {"the same entry added on both", {kA, kD}, {kA, kD}, {kA}, {kA, kD}, {}, {}},
      {"a duplicate added, one deleted", {kA, kA, kA}, {kA}, {kA, kA}, {kA, kA}, {}, {kA}},
      {"duplicates deleted on both", {kA}, {kA, kA}, {kA, kA, kA}, {kA}, {}, {}},
      {"duplicates added on both", {kA, kA}, {kA, kA, kA}, {kA}, {kA, kA, kA}, {kA}, {}},
      {"an entry both sides lost", {kA}, {kA}, {kFeb28, kA, kD}, {kA}, {}, {}},
      // Without a base: nothing is deleted; a day keeps ours' order, theirs'
      // new entries after in theirs' order (its second kA is the new one).
      {"union",
       {kB, kA, kD},
       {kFeb28, kA, kA2, kB, kA, kC},
       {},
       {kFeb28, kB, kA, kA2, kA, kC, kD},
       {kFeb28, kA2, kA, kC},
       {}},
      {"union with an empty side", {}, {kA, kB}, {}, {kA, kB}, {kA, kB}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ledger_tool::MergedRecords got = MergeRecords(c.ours, c.theirs, c.base);
    EXPECT_EQ(Show(c.merged), Show(got.records));
    EXPECT_EQ(Show(c.added), Show(got.added));
    EXPECT_EQ(Show(c.removed), Show(got.removed));
    EXPECT_EQ(c.merged.size() - c.added.size(), got.Kept());
  }
}

// What any merge of counts must do, over every small case: a side that
// did not change takes the other's count, both sides agreeing keep theirs,
// the sides are interchangeable, and an empty base is a union.
TEST(MergeRecords, CountsFollowEachSidesChange) {
  for (int base = 0; base <= 3; ++base) {
    for (int ours = 0; ours <= 3; ++ours) {
      for (int theirs = 0; theirs <= 3; ++theirs) {
        SCOPED_TRACE(std::to_string(ours) + " " + std::to_string(theirs) + " " +
                     std::to_string(base));
        EXPECT_EQ(MergedCount(theirs, ours, base), MergedCount(ours, theirs, base));
        EXPECT_GE(MergedCount(ours, theirs, base), 0);
        EXPECT_LE(MergedCount(ours, theirs, base), std::max(ours, theirs));
      }
      EXPECT_EQ(ours, MergedCount(ours, base, base));
      EXPECT_EQ(ours, MergedCount(ours, ours, base));
      EXPECT_EQ(std::max(ours, base), MergedCount(ours, base, 0));
    }
  }
}

namespace {

// The records in the ledger's date order, a day's in the order given.
Records ByDay(Records records) {
  std::stable_sort(records.begin(), records.end(),
                   [](const ExpenseRecord& a, const ExpenseRecord& b) {
                     return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
                   });
  return records;
}

// The merge's rules applied the plain way: counts over the whole copies,
// ours' first occurrences kept, theirs' past ours' count brought, then
// everything put in date order with ours' before theirs' on a day.
ledger_tool::MergedRecords Plainly(const Records& ours, const Records& theirs,
                                   const Records& base) {
  std::map<std::string, std::array<int, 3>> counts;
  const auto key = [](const ExpenseRecord& r) {
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
  };
  for (const ExpenseRecord& r : ours) ++counts[key(r)][0];
  for (const ExpenseRecord& r : theirs) ++counts[key(r)][1];
  for (const ExpenseRecord& r : base) ++counts[key(r)][2];
  ledger_tool::MergedRecords out;
  std::map<std::string, int> seen;
  for (const ExpenseRecord& r : ours) {
    const auto& [o, t, b] = counts[key(r)];
    (++seen[key(r)] <= MergedCount(o, t, b) ? out.records : out.removed).push_back(r);
  }
  seen.clear();
  for (const ExpenseRecord& r : theirs) {
    const auto& [o, t, b] = counts[key(r)];
    const int nth = ++seen[key(r)];
    if (nth <= o || nth > MergedCount(o, t, b)) continue;
    out.records.push_back(r);
    out.added.push_back(r);
  }
  for (Records* records : {&out.records, &out.added, &out.removed}) *records = ByDay(*records);
  return out;
}

}  // namespace

// Copies of a few days drawn at random, each side adding and deleting
// from a common base (a negative year among the days): the day-by-day
// merge, its shortcuts and both ways of counting included, gives what the
// rules give.
TEST(MergeRecords, AgreesWithTheRulesAppliedPlainly) {
  const Records alphabet = {kA,     kB,
                            kA2,    kC,
                            kCOurs, Record(-1, 12, 31, 0, 100),
                            kD,     Record(2005, 3, 3, 0, 400, 3000, 41201)};
  std::mt19937 random(20050308);
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const auto changed = [&](Records copy) {
    for (int edits = pick(4); edits > 0; --edits) {
      if (!copy.empty() && pick(2) == 0) {
        copy.erase(copy.begin() + pick(static_cast<int>(copy.size())));
      } else {
        copy.insert(copy.begin() + pick(static_cast<int>(copy.size()) + 1),
                    alphabet[static_cast<size_t>(pick(static_cast<int>(alphabet.size())))]);
      }
    }
    return copy;
  };
  for (int round = 0; round < 2000; ++round) {
    // Every 20th round, days of many entries: more than are counted by
    // comparing them with each other.
    Records many;
    for (int i = round % 20 == 0 ? 200 : 0; i > 0; --i)
      many.push_back(alphabet[static_cast<size_t>(pick(static_cast<int>(alphabet.size())))]);
    const Records base = ByDay(changed(changed(changed(many))));
    const Records ours = ByDay(changed(base));
    const Records theirs = ByDay(changed(base));
    const Records noBase;
    for (const Records* against : {&base, &noBase}) {
      const ledger_tool::MergedRecords want = Plainly(ours, theirs, *against);
      const ledger_tool::MergedRecords got = MergeRecords(ours, theirs, *against);
      ASSERT_EQ(Show(want.records), Show(got.records))
          << "ours " << Show(ours) << "theirs " << Show(theirs) << "base " << Show(*against);
      ASSERT_EQ(Show(want.added), Show(got.added));
      ASSERT_EQ(Show(want.removed), Show(got.removed));
    }
  }
}
