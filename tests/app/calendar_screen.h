// Runs the roadtally executable headless on a script and a data file, and
// reads back its screenshots, for tests of the calendar as a user sees it.
#pragma once

#include <string>
#include <vector>

#include "ledger/expense_record.h"
#include "platform/res/png_codec.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/support/screen_pixels.h"

namespace calendar_test {

struct Outcome {
  int exitStatus = -1;
  std::string err;
};

class CalendarScreen {
 public:
  // Writes the data file the program will read.
  void WriteRecords(const std::vector<ExpenseRecord>& records);
  // Runs `roadtally --headless --today today --data <file>` on the script;
  // the file is Path("Roadtally.dat") unless another is given.
  Outcome Start(const std::string& today, const std::string& script, const std::string& data = "");
  // The same, with `shot NAME` lines naming files in this screen's folder.
  Outcome Drive(const std::string& today, const std::string& script, const std::string& data = "");
  // A `shot NAME` of the last run.
  res::Image Shot(const std::string& name) const;
  std::string Path(const std::string& name) const;

 private:
  ledger_test::ScratchDir dir_;
};

using screen_pixels::At;
using screen_pixels::CountNear;
// The day cell (column, row) of the grid, 39 x 23 from (24, 65).
RECT Cell(int column, int row);
// The cell's text pixels: dark or red ones against the light cell.
int InkIn(const res::Image& image, const RECT& r);

ExpenseRecord Record(int year, int month, int day, int itemId, int cost);

}  // namespace calendar_test
