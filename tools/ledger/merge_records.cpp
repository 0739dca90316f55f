#include "tools/ledger/merge_records.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace ledger_tool {

namespace {

// The ledger's own order: year, then month, then day, each as the signed
// number it is (a foreign file's impossible month still sorts as stored).
bool EarlierDay(const ExpenseRecord& a, const ExpenseRecord& b) {
  return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

bool SameDay(const ExpenseRecord& a, const ExpenseRecord& b) {
  return !EarlierDay(a, b) && !EarlierDay(b, a);
}

// The record has no padding: its bytes are the entry.
bool BytesLess(const ExpenseRecord& a, const ExpenseRecord& b) {
  return std::memcmp(&a, &b, sizeof a) < 0;
}

bool BytesEqual(const ExpenseRecord& a, const ExpenseRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

using Records = std::span<const ExpenseRecord>;

// The records in date order, ours' order kept within a day: as given when
// they already are (a loaded ledger is), else sorted into `sorted`.
Records InDateOrder(Records records, std::vector<ExpenseRecord>& sorted) {
  if (std::is_sorted(records.begin(), records.end(), EarlierDay)) return records;
  sorted.assign(records.begin(), records.end());
  std::stable_sort(sorted.begin(), sorted.end(), EarlierDay);
  return sorted;
}

// The records of the given day from `at` on, `at` moved past them; records
// of earlier days are passed over (the base's entries that neither side
// still holds, whose merged count is 0).
Records TakeDay(Records records, std::size_t& at, const ExpenseRecord& day) {
  while (at < records.size() && EarlierDay(records[at], day)) ++at;
  const std::size_t first = at;
  while (at < records.size() && SameDay(records[at], day)) ++at;
  return records.subspan(first, at - first);
}

// One distinct entry of a day: its counts, its merged count, and how many
// of its occurrences in ours and theirs were already placed.
struct Tally {
  ExpenseRecord record;
  int ours = 0;
  int theirs = 0;
  int base = 0;
  int merged = 0;
  int oursPlaced = 0;
  int theirsPlaced = 0;
};

// Merges day by day: a day holds few entries, so counting them by sorting
// the day's records keeps the whole merge about linear in the records.
class DayMerger {
 public:
  explicit DayMerger(MergedRecords& out) : out_(out) {}

  void Merge(Records ours, Records theirs, Records base) {
    Count(ours, theirs, base);
    for (const ExpenseRecord& r : ours) {
      Tally& tally = Find(r);
      (++tally.oursPlaced <= tally.merged ? out_.records : out_.removed).push_back(r);
    }
    for (const ExpenseRecord& r : theirs) {
      Tally& tally = Find(r);
      ++tally.theirsPlaced;
      if (tally.theirsPlaced <= tally.ours || tally.theirsPlaced > tally.merged) continue;
      out_.records.push_back(r);
      out_.added.push_back(r);
    }
  }

 private:
  void Count(Records ours, Records theirs, Records base) {
    tallies_.clear();
    for (Records side : {ours, theirs, base})
      for (const ExpenseRecord& r : side) tallies_.push_back({r});
    const auto before = [](const Tally& a, const Tally& b) {
      return BytesLess(a.record, b.record);
    };
    const auto same = [](const Tally& a, const Tally& b) { return BytesEqual(a.record, b.record); };
    std::sort(tallies_.begin(), tallies_.end(), before);
    tallies_.erase(std::unique(tallies_.begin(), tallies_.end(), same), tallies_.end());
    for (const ExpenseRecord& r : ours) ++Find(r).ours;
    for (const ExpenseRecord& r : theirs) ++Find(r).theirs;
    for (const ExpenseRecord& r : base) ++Find(r).base;
    for (Tally& tally : tallies_) tally.merged = MergedCount(tally.ours, tally.theirs, tally.base);
  }

  // Every record of the day has its tally.
  Tally& Find(const ExpenseRecord& r) {
    return *std::lower_bound(
        tallies_.begin(), tallies_.end(), r,
        [](const Tally& tally, const ExpenseRecord& key) { return BytesLess(tally.record, key); });
  }

  MergedRecords& out_;
  std::vector<Tally> tallies_;
};

}  // namespace

int MergedCount(int ours, int theirs, int base) {
  const int ourChange = ours - base;
  const int theirChange = theirs - base;
  if (ourChange > 0 && theirChange > 0) return base + std::max(ourChange, theirChange);
  if (ourChange < 0 && theirChange < 0) return base + std::min(ourChange, theirChange);
  return base + ourChange + theirChange;
}

MergedRecords MergeRecords(Records oursGiven, Records theirsGiven, Records baseGiven) {
  std::vector<ExpenseRecord> oursSorted, theirsSorted, baseSorted;
  const Records ours = InDateOrder(oursGiven, oursSorted);
  const Records theirs = InDateOrder(theirsGiven, theirsSorted);
  const Records base = InDateOrder(baseGiven, baseSorted);

  MergedRecords out;
  out.records.reserve(std::max(ours.size(), theirs.size()));
  DayMerger merger(out);
  std::size_t atOurs = 0, atTheirs = 0, atBase = 0;
  while (atOurs < ours.size() || atTheirs < theirs.size()) {
    const bool oursFirst = atTheirs == theirs.size() ||
                           (atOurs < ours.size() && !EarlierDay(theirs[atTheirs], ours[atOurs]));
    const ExpenseRecord day = oursFirst ? ours[atOurs] : theirs[atTheirs];
    const Records oursDay = TakeDay(ours, atOurs, day);
    const Records theirsDay = TakeDay(theirs, atTheirs, day);
    merger.Merge(oursDay, theirsDay, TakeDay(base, atBase, day));
  }
  return out;
}

}  // namespace ledger_tool
