// A large data file for the dialogs that read and save the ledger: 100 000
// records in date order, 500 of them in January 2005 and the rest spread
// over the other months of 1990 to 2029 (about 200 a month). It lives in a
// directory of its own under the system's temporary directory.
#pragma once

#include <filesystem>
#include <string>

namespace bench {

class SampleLedger {
 public:
  static constexpr int kRecords = 100000;
  static constexpr int kMonthRecords = 500;
  static constexpr int kYear = 2005;
  static constexpr int kMonth = 1;

  // The one sample of this process, written on first use.
  static const SampleLedger& Get();

  SampleLedger();
  ~SampleLedger();
  SampleLedger(const SampleLedger&) = delete;
  SampleLedger& operator=(const SampleLedger&) = delete;

  // Writes the file back as it was made, crash-safely like a save, and
  // loads it into the program's ledger, whose saves then go to it. False
  // when the ledger does not then hold the sample.
  bool Restore() const;

  const std::filesystem::path& Path() const { return path_; }
  // The file as it is now.
  std::string Bytes() const;

 private:
  std::filesystem::path path_;
  std::string original_;
};

}  // namespace bench
