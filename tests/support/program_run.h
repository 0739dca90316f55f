// Runs one of this build's programs headless, started as roadtally is, on a
// script and a data file in a folder of its own, and reads back its
// screenshots: roadtally as a user sees it, or the dialog harness
// (tests/dialogs/dialog_harness.cpp) with one dialog open.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "ledger/expense_record.h"
#include "platform/res/png_codec.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/support/child_process.h"

namespace testing_support {

using Outcome = ChildProcess::Result;

class ProgramRun {
 public:
  explicit ProgramRun(std::string program);
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  // Writes the data file the program will read, Path("Roadtally.dat").
  void WriteRecords(const std::vector<ExpenseRecord>& records);
  // Runs `program --headless --today today --data <file> --script <file>`
  // with `environment` added; the data file is Path("Roadtally.dat") unless
  // another is given. A `shot NAME` line names a file in this run's folder,
  // or anywhere by a full path.
  Outcome Drive(const std::string& today, const std::string& script, const std::string& data = "",
                const std::vector<std::string>& environment = {});
  // A `shot NAME` of the last run.
  res::Image Shot(const std::string& name) const;
  std::string Path(const std::string& name) const;

 private:
  std::string program_;
  ledger_test::ScratchDir dir_;
};

// Whether a file that a running program writes (a shot) appears within `limit`.
bool AppearsWithin(const std::string& path, std::chrono::milliseconds limit);

// How the dialog harness's dialog ended, from its "result=N value=TEXT".
struct Ended {
  bool ended = false;  // the dialog ended within the script
  int result = 0;
  std::string value;  // the keypad's text
};

// The harness with the keypad open on `value`, with a message box, or
// with the entry dialog editing record `index` of its data file; on
// 2005-01-20.
Ended Keypad(ProgramRun& harness, const std::string& value, const std::string& script);
Ended Message(ProgramRun& harness, unsigned style, const std::string& text,
              const std::string& script);
Ended Entry(ProgramRun& harness, int index, const std::string& script);

}  // namespace testing_support
