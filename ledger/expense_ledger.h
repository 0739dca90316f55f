// The program's whole data model: one growable array of records kept in
// date order, loaded from and saved to the data file whole. Its members are
// read directly; every change goes through the operations below, which keep
// the order, and the *AndSave ones undo themselves when the save fails, so
// what the driver sees is what the file holds.
#pragma once

#include <cstdio>
#include <span>
#include <string>

#include "ledger/expense_record.h"
#include "ledger/ledger_file.h"
#include "platform/framework/cstring.h"

class CExpenseLedger {
 public:
  CExpenseLedger() = default;
  ~CExpenseLedger();
  CExpenseLedger(const CExpenseLedger&) = delete;
  CExpenseLedger& operator=(const CExpenseLedger&) = delete;

  // Copies the record to the end, growing the array by 100 slots when it is
  // full. Returns the new count, or 0 (ledger unchanged) if it cannot grow.
  // Does not sort.
  int Append(const ExpenseRecord& record);
  // Copies all the records to the end, or none (false) if the array cannot
  // grow to hold them. Does not sort.
  bool AppendRecords(std::span<const ExpenseRecord> records);
  // Makes room for capacity records in all, so that many appends in a row
  // grow the array once. False, ledger unchanged, if it cannot.
  bool Reserve(int capacity);
  // Removes one record, keeping the others in order; an index outside the
  // records is ignored.
  void RemoveAt(int index);
  // Puts the records in date order, records of one day in the order they
  // came.
  void SortByDate();
  // Lowest index of a record of that month, or -1. Needs a sorted ledger.
  int FindFirstOfMonth(int year, int month) const;
  // Releases the array; the stored path stays.
  void RemoveAll();

  // A change and its save, as one step: true when the file holds it; false
  // with the ledger as it was before (SaveProblem says why).
  // The record goes after the records of its day.
  bool AddAndSave(const ExpenseRecord& record);
  // The record at index becomes `record`, moved to its day's place if its
  // date changed.
  bool ReplaceAndSave(int index, const ExpenseRecord& record);
  bool RemoveAndSave(int index);

  // Replaces the contents with the file's records, sorted. A file that is
  // there but not whole is a load problem (LoadReport): the records it
  // announces and holds are loaded, and the file is kept aside before the
  // first save over it. The path is kept for Save.
  void Load(LPCTSTR path);
  // Writes the whole ledger to path, or to the path of the last Load when
  // null, replacing the file crash-safely. False, with SaveProblem, when
  // nothing was written. A file the last Load found not whole is first
  // moved aside, and what interrupted saves left beside the file is
  // removed after.
  bool Save(LPCTSTR path);

  const LedgerFileReport& LoadReport() const { return m_loadReport; }
  // Why the last Load found the file not whole; empty when it read it whole
  // or found none.
  std::string LoadProblem() const { return DescribeFault(m_loadReport); }
  // The host path the refused file is to be kept under (decided at load);
  // empty when nothing is to be kept aside.
  std::string KeptAsidePath() const;
  // Why the last Save failed, in the system's words ("No space left on
  // device"); empty after a save that succeeded.
  const std::string& SaveProblem() const { return m_saveProblem; }

  CString m_strPath;
  ExpenseRecord* m_pRecords = nullptr;
  int m_nCount = 0;
  int m_nCapacity = 0;

 private:
  // Room for `more` records after the count; false, unchanged, if none.
  bool MakeRoom(long long more);
  // Puts a record at index (0 to the count), the later ones moving up.
  bool InsertAt(int index, const ExpenseRecord& record);
  // Where a record of that day goes: after every record of its day.
  int PlaceFor(const ExpenseRecord& record) const;
  // Reads the records after the header; false, nothing kept, on a failure.
  bool ReadRecords(std::FILE* file, long long wanted);
  // Moves the file the last Load refused out of the way of a save to target.
  bool KeepRejectedFileAside(const CString& target);

  LedgerFileReport m_loadReport;
  std::string m_keptAsideSuffix;  // ".damaged-<when it was loaded>"
  std::string m_saveProblem;
};

// The one ledger of the program. It is made on first use, when the main
// window loads it, so it is destroyed at exit before the application object
// made earlier: the order the program's statics are torn down in. Nothing
// is written then; every change was saved when it was made.
CExpenseLedger* GetLedger();
