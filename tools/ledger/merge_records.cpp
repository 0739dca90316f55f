#include "tools/ledger/merge_records.h"

#include <algorithm>
#include <compare>
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

constexpr auto BytesEqual = [](const ExpenseRecord& a, const ExpenseRecord& b) {
  return WordsOf(a) == WordsOf(b);
};

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

// Merges day by day: a day holds few entries, so counting them by sorting
// the day's occurrences keeps the whole merge about linear in the records.
class DayMerger {
 public:
  explicit DayMerger(MergeOutput& out) : out_(out) {}

  void Merge(Records ours, Records theirs, Records base) {
    // Most days of two copies of one logbook agree: where theirs did not
    // change the day, or made ours' change, the day is ours as it is.
    if (Same(theirs, base) || Same(theirs, ours)) return out_.Keep(ours);
    // Records the three hold alike at the same places stay where they are
    // and change no other entry's fate: only what follows is counted.
    const std::size_t alike = AlikeAhead(ours, theirs, base);
    out_.Keep(ours.first(alike));
    ours = ours.subspan(alike);
    theirs = theirs.subspan(alike);
    base = base.subspan(alike);
    Decide(ours, theirs, base);
    for (std::size_t i = 0; i < ours.size(); ++i) {
      if (keep_[i])
        out_.Keep(ours.subspan(i, 1));
      else
        out_.Drop(ours[i]);
    }
    for (std::size_t i = 0; i < theirs.size(); ++i)
      if (bring_[i]) out_.Bring(theirs[i]);
  }

 private:
  static bool Same(Records a, Records b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), BytesEqual);
  }

  static std::size_t AlikeAhead(Records ours, Records theirs, Records base) {
    const std::size_t most = std::min({ours.size(), theirs.size(), base.size()});
    std::size_t alike = 0;
    while (alike < most && BytesEqual(ours[alike], theirs[alike]) &&
           BytesEqual(ours[alike], base[alike]))
      ++alike;
    return alike;
  }

  void Collect(Records records, Occurrence::Side side) {
    for (std::size_t i = 0; i < records.size(); ++i)
      occurrences_.push_back({WordsOf(records[i]), side, static_cast<std::uint32_t>(i)});
  }

  // Which of ours' records stay (an entry's first occurrences, as many as
  // the merge keeps) and which of theirs' come in (those past ours' count).
  void Decide(Records ours, Records theirs, Records base) {
    occurrences_.clear();
    Collect(ours, Occurrence::kOurs);
    Collect(theirs, Occurrence::kTheirs);
    Collect(base, Occurrence::kBase);
    std::sort(occurrences_.begin(), occurrences_.end());
    keep_.assign(ours.size(), false);
    bring_.assign(theirs.size(), false);
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
