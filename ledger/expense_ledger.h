// The program's whole data model: one growable array of records kept in
// date order, loaded from and saved to the data file whole.
#pragma once

#include <cstdio>
#include <span>
#include <string>

#include "ledger/data_path.h"
#include "ledger/expense_record.h"
#include "platform/framework/cstring.h"

class CExpenseLedger {
 public:
  CExpenseLedger() = default;
  ~CExpenseLedger();
  CExpenseLedger(const CExpenseLedger&) = delete;
  CExpenseLedger& operator=(const CExpenseLedger&) = delete;

  // Copies the record to the end, growing the array by 100 slots when it is
  // full. Returns the new count, or 0 (ledger unchanged) if it cannot grow.
  int Append(const ExpenseRecord& record);
  // Copies the records to the end, in their order, growing the array once;
  // the order by date is left to SortByDate. False, ledger unchanged, if it
  // cannot grow.
  bool AppendRecords(std::span<const ExpenseRecord> records);
  // Removes one record, keeping the others in order; an index outside the
  // records is ignored.
  void RemoveAt(int index);
  // Puts a record at index (0 to the count), the later ones moving up; the
  // way back from RemoveAt. False, ledger unchanged, if it cannot grow.
  bool InsertAt(int index, const ExpenseRecord& record);
  // Makes room for capacity records in all, so that many appends in a row
  // (an import) grow the array once. The room is not filled: nothing reads
  // past the count, and room not yet used costs no memory. False, ledger
  // unchanged, if it cannot.
  bool Reserve(int capacity);
  void SortByDate();
  // Lowest index of a record of that month, or -1. Needs a sorted ledger.
  int FindFirstOfMonth(int year, int month) const;
  // Releases the array; the stored path stays.
  void RemoveAll();

  // Replaces the contents with the file's records, sorted; any problem
  // with the file leaves the ledger empty. The path is kept for Save.
  void Load(LPCTSTR path);
  // Writes the whole ledger to path, or to the path of the last Load when
  // null, replacing the file crash-safely. False when nothing was written.
  // A file the last Load refused is first moved aside (LoadProblem), and
  // what interrupted saves left beside the file is removed after.
  bool Save(LPCTSTR path);

  // Why the last Load refused a file that is there (not ours, another
  // version, unreadable, not a regular file); empty when it read the file
  // or found none.
  const std::string& LoadProblem() const { return m_loadProblem; }

  CString m_strPath;
  ExpenseRecord* m_pRecords = nullptr;
  int m_nCount = 0;
  int m_nCapacity = 0;

 private:
  // Takes over a freshly obtained array of capacity slots holding count
  // records, releasing the old one.
  void Adopt(ExpenseRecord* records, int count, int capacity);
  // Reads the records after the header; false, nothing kept, on a failure.
  bool ReadRecords(FILE* file, int announced);
  // Moves the file the last Load refused out of the way of a save to target.
  bool KeepRejectedFileAside(const CString& target);

  std::string m_loadProblem;

  // The records before this index are known to be in date order, so that
  // sorting in one appended record needs no full sort. Writers through
  // m_pRecords keep the dates (an edit) or the whole sorted prefix (an undo).
  int m_nSorted = 0;
};

// The one ledger of the program.
CExpenseLedger* GetLedger();
