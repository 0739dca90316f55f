// Runs the dialog harness headless on a script with one dialog open, and
// reads back what the dialog ended with and its screenshots.
#pragma once

#include <string>
#include <vector>

#include "platform/res/png_codec.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/support/screen_pixels.h"
#include "platform/win/winuser.h"

namespace dialog_test {

struct Ended {
  bool ended = false;  // the dialog ended within the script
  int result = 0;
  std::string value;  // the keypad's text
};

class DialogRun {
 public:
  DialogRun() = default;
  DialogRun(const DialogRun&) = delete;
  DialogRun& operator=(const DialogRun&) = delete;

  Ended Keypad(const std::string& value, const std::string& script);
  Ended Message(unsigned style, const std::string& text, const std::string& script);
  // Edits record `index` of the data file at Path("Roadtally.dat").
  Ended Entry(int index, const std::string& script);
  // A `shot NAME` of the last run.
  res::Image Shot(const std::string& name) const;
  std::string Path(const std::string& name) const;

 private:
  Ended Run(const std::vector<std::string>& environment, const std::string& script);
  ledger_test::ScratchDir dir_;
};

using screen_pixels::At;
using screen_pixels::CountNear;

}  // namespace dialog_test
