// What every command of the ledger tool shares: its output in UTF-8 (a
// block at a time for a listing), its one-line errors, and opening the
// data file named on the command line.
#pragma once

#include <optional>
#include <string>

#include "ledger/expense_ledger.h"
#include "platform/host/data_file_lock.h"

namespace ledger_tool {

// Exit statuses: a failure of the task, and a command line not understood.
constexpr int kFailed = 1;
constexpr int kUsage = 2;

std::string Utf8(const CString& text);
// "cannot write the output: <the system's reason>" as Fail says it.
int OutputFailed();
// Writes the whole text to standard output: 0, or OutputFailed.
int Say(const std::string& text);
// "roadtally-ledger: <message>" on standard error; returns kFailed.
int Fail(const std::string& message);

// The file's one-writer lock, for a command that changes it: another
// tool's change is waited for (a bounded time), the program running on the
// file is not. Without it the message is written and nothing returned.
std::optional<host::DataFileLock> LockForWriting(const std::string& hostPath);

// Loads the file into the ledger. A missing file is an error unless
// missingIsEmpty; a file that is not whole always is. On failure the
// message is written and false returned.
bool LoadWhole(CExpenseLedger& ledger, const std::string& hostPath, bool missingIsEmpty);

// Says that the ledger's last save failed, and why; returns kFailed.
int SaveFailed(const CExpenseLedger& ledger, const std::string& hostPath);

// Standard output written a block at a time as the text is made, so that
// a listing of any length needs no more memory than the ledger and one
// block.
class BlockOutput {
 public:
  BlockOutput();

  // Where the text goes; call Spill after each piece.
  std::string& Text() { return text_; }
  // Writes the text out once it fills a block. False once a write failed
  // (what follows is then dropped).
  bool Spill();
  // Writes what is left; false when any write failed, with errno the
  // failed write's, for OutputFailed.
  bool Finish();

 private:
  bool Write();

  std::string text_;
  int error_ = 0;  // the errno of the write that failed
};

}  // namespace ledger_tool
