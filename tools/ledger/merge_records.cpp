#include "tools/ledger/merge_records.h"

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>

namespace ledger_tool {

namespace {

// The record has no padding, so its bytes are the entry: read as three
// words, sorted in an order of their own (any order serves to count).
struct EntryWords {
  std::uint64_t low, middle;
  std::uint32_t high;
  auto operator<=>(const EntryWords&) const = default;
};

EntryWords WordsOf(const ExpenseRecord& r) {
  EntryWords words;
  std::memcpy(&words.low, &r, 8);
  std::memcpy(&words.middle, reinterpret_cast<const char*>(&r) + 8, 8);
  std::memcpy(&words.high, reinterpret_cast<const char*>(&r) + 16, 4);
  return words;
}

bool SameEntry(const ExpenseRecord& a, const ExpenseRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

using Records = std::span<const ExpenseRecord>;

// The records of the given day from `at` on, `at` moved past them; records
// of earlier days are passed over (the base's entries that neither side
// still holds, whose merged count is 0).
Records TakeDay(Records records, std::size_t& at, const ExpenseRecord& day) {
  while (at < records.size() && EarlierDay(records[at], day)) ++at;
  const std::size_t first = at;
  while (at < records.size() && SameDay(records[at], day)) ++at;
  return records.subspan(first, at - first);
}

int CountOf(Records records, const ExpenseRecord& entry) {
  return static_cast<int>(std::count_if(
      records.begin(), records.end(), [&](const ExpenseRecord& r) { return SameEntry(r, entry); }));
}

// One occurrence of an entry in one copy's records of a day. Sorted, the
// occurrences of one entry lie together, each copy's in its own order.
struct Occurrence {
  enum Side : std::uint8_t { kOurs, kTheirs, kBase };
  EntryWords entry;
  Side side;
  std::uint32_t index;  // in its copy's records of the day

  bool operator<(const Occurrence& o) const {
    return std::tie(entry, side, index) < std::tie(o.entry, o.side, o.index);
  }
};

// Merges day by day, so the whole merge stays about linear in the records.
class DayMerger {
 public:
  explicit DayMerger(MergeOutput& out) : out_(out) {}

  void Merge(Records ours, Records theirs, Records base) {
    // Records the three hold alike at the same places stay where they are
    // and change no other entry's fate: only what follows is counted.
    const std::size_t alike = AlikeAhead(ours, theirs, base);
    out_.Keep(ours.first(alike));
    ours = ours.subspan(alike);
    theirs = theirs.subspan(alike);
    base = base.subspan(alike);
    // Most days of two copies of one logbook agree: where theirs did not
    // change the day, or made ours' change, the day is ours as it is.
    if (Same(theirs, base) || Same(theirs, ours)) return out_.Keep(ours);
    keep_.assign(ours.size(), false);
    bring_.assign(theirs.size(), false);
    if (ours.size() + theirs.size() + base.size() <= kFewRecords)
      DecideByComparing(ours, theirs, base);
    else
      DecideBySorting(ours, theirs, base);
    std::size_t kept = 0;  // the start of a run of ours' records that stay
    for (std::size_t i = 0; i < ours.size(); ++i) {
      if (keep_[i]) continue;
      out_.Keep(ours.subspan(kept, i - kept));
      out_.Drop(ours[i]);
      kept = i + 1;
    }
    out_.Keep(ours.subspan(kept));
    for (std::size_t i = 0; i < theirs.size(); ++i)
      if (bring_[i]) out_.Bring(theirs[i]);
  }

 private:
  // Up to this many records a day's entries are counted by comparing them
  // with each other, cheaper than a sort; a larger day is sorted.
  static constexpr std::size_t kFewRecords = 48;

  static bool Same(Records a, Records b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameEntry);
  }

  static std::size_t AlikeAhead(Records ours, Records theirs, Records base) {
    const std::size_t most = std::min({ours.size(), theirs.size(), base.size()});
    std::size_t alike = 0;
    while (alike < most && SameEntry(ours[alike], theirs[alike]) &&
           SameEntry(ours[alike], base[alike]))
      ++alike;
    return alike;
  }

  // Which of ours' records stay (an entry's first occurrences, as many as
  // the merge keeps) and which of theirs' come in (those past ours' count).
  void DecideByComparing(Records ours, Records theirs, Records base) {
    // An entry's n-th occurrence in ours meets its n-th in theirs: held on
    // both sides, it stays, and theirs does not bring it again.
    met_.assign(theirs.size(), false);
    for (std::size_t i = 0; i < ours.size(); ++i) {
      for (std::size_t j = 0; j < theirs.size() && !keep_[i]; ++j)
        if (!met_[j] && SameEntry(ours[i], theirs[j])) keep_[i] = met_[j] = true;
    }
    // Past what met, the three counts decide.
    const auto within = [&](Records records, std::size_t i) {
      const ExpenseRecord& r = records[i];
      return CountOf(records.first(i + 1), r) <=
             MergedCount(CountOf(ours, r), CountOf(theirs, r), CountOf(base, r));
    };
    for (std::size_t i = 0; i < ours.size(); ++i)
      if (!keep_[i]) keep_[i] = within(ours, i);
    for (std::size_t j = 0; j < theirs.size(); ++j)
      if (!met_[j]) bring_[j] = within(theirs, j);
  }

  void Collect(Records records, Occurrence::Side side) {
    for (std::size_t i = 0; i < records.size(); ++i)
      occurrences_.push_back({WordsOf(records[i]), side, static_cast<std::uint32_t>(i)});
  }

  void DecideBySorting(Records ours, Records theirs, Records base) {
    occurrences_.clear();
    Collect(ours, Occurrence::kOurs);
    Collect(theirs, Occurrence::kTheirs);
    Collect(base, Occurrence::kBase);
    std::sort(occurrences_.begin(), occurrences_.end());
    for (auto run = occurrences_.begin(); run != occurrences_.end();) {
      const auto end = std::find_if(run, occurrences_.end(),
                                    [&](const Occurrence& o) { return o.entry != run->entry; });
      DecideEntry(run, end);
      run = end;
    }
  }

  // One entry's occurrences, ours' first, then theirs', then the base's.
  void DecideEntry(std::vector<Occurrence>::const_iterator first,
                   std::vector<Occurrence>::const_iterator end) {
    int count[3] = {};
    for (auto o = first; o != end; ++o) ++count[o->side];
    const int merged = MergedCount(count[0], count[1], count[2]);
    int nth = 0;
    for (auto o = first; o != end && o->side == Occurrence::kOurs; ++o)
      keep_[o->index] = ++nth <= merged;
    nth = 0;
    for (auto o = first + count[0]; o != end && o->side == Occurrence::kTheirs; ++o) {
      ++nth;
      bring_[o->index] = nth > count[0] && nth <= merged;
    }
  }

  MergeOutput& out_;
  std::vector<Occurrence> occurrences_;
  std::vector<char> keep_;   // of ours' records of the day
  std::vector<char> bring_;  // of theirs'
  std::vector<char> met_;    // of theirs' records, those ours also holds
};

}  // namespace

int MergedCount(int ours, int theirs, int base) {
  const int ourChange = ours - base;
  const int theirChange = theirs - base;
  if (ourChange > 0 && theirChange > 0) return base + std::max(ourChange, theirChange);
  if (ourChange < 0 && theirChange < 0) return base + std::min(ourChange, theirChange);
  return base + ourChange + theirChange;
}

void MergeRecords(Records ours, Records theirs, Records base, MergeOutput& out) {
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
}

MergedRecords MergeRecords(Records ours, Records theirs, Records base) {
  class Collected final : public MergeOutput {
   public:
    void Keep(Records kept) override {
      merged.records.insert(merged.records.end(), kept.begin(), kept.end());
    }
    void Bring(const ExpenseRecord& r) override {
      merged.records.push_back(r);
      merged.added.push_back(r);
    }
    void Drop(const ExpenseRecord& r) override { merged.removed.push_back(r); }
    MergedRecords merged;
  } collected;
  collected.merged.records.reserve(std::max(ours.size(), theirs.size()));
  MergeRecords(ours, theirs, base, collected);
  return std::move(collected.merged);
}

}  // namespace ledger_tool
