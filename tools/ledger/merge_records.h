// Two copies of one logbook brought together without losing or doubling an
// entry. An entry is a record's 20 bytes: equal records are one entry, as
// many times as they occur, so the copies are merged as multisets.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "ledger/expense_record.h"

namespace ledger_tool {

// Where a merge puts what it decides, in the merged order: the ledger's
// date order, a day holding ours' records that stay, then theirs' new ones.
class MergeOutput {
 public:
  // Records of ours that stay, in ours' order.
  virtual void Keep(std::span<const ExpenseRecord> ours) = 0;
  // One record of theirs new to ours.
  virtual void Bring(const ExpenseRecord& theirs) = 0;
  // One record of ours that goes; those of a day come in ours' order.
  virtual void Drop(const ExpenseRecord& ours) = 0;

 protected:
  ~MergeOutput() = default;
};

// A merge's result collected whole.
struct MergedRecords {
  std::vector<ExpenseRecord> records;  // the merged logbook, in the ledger's date order
  std::vector<ExpenseRecord> added;    // entries of theirs new to ours, in that order
  std::vector<ExpenseRecord> removed;  // entries of ours that go, in that order

  std::size_t Kept() const { return records.size() - added.size(); }
};

// How many times an entry occurs after the merge, given how many times it
// occurs in ours, theirs and the base. Each side's change from the base is
// made; a change both sides made in the same direction is the same change,
// made once (the larger addition, the larger deletion). Against an empty
// base this is a union: the count of whichever side has more.
int MergedCount(int ours, int theirs, int base);

// Theirs merged into ours against base, the copy both last agreed on (an
// empty base: a union, nothing removed). Each of the three must be in the
// ledger's date order, as a loaded ledger holds its records; the result is
// too, entries of one day in ours' order, theirs' new ones after them. Of
// an entry ours holds more often than it keeps, its last occurrences go;
// of one theirs brings, its occurrences past ours' count come in.
void MergeRecords(std::span<const ExpenseRecord> ours, std::span<const ExpenseRecord> theirs,
                  std::span<const ExpenseRecord> base, MergeOutput& out);
// The same, collected.
MergedRecords MergeRecords(std::span<const ExpenseRecord> ours,
                           std::span<const ExpenseRecord> theirs,
                           std::span<const ExpenseRecord> base);

}  // namespace ledger_tool
