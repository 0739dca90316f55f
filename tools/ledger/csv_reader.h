// RFC 4180 CSV read a record at a time from a stream: fields separated by
// commas, a quoted field may hold commas, doubled quotes and line breaks;
// lines end in CRLF, LF or CR; a byte-order mark at the start and blank
// lines are skipped.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace ledger_tool {

class CsvReader {
 public:
  explicit CsvReader(std::istream& in);

  // The next record's fields; false at the end or at a malformed record
  // (then Error() says what). line is the record's first line.
  bool Next(std::vector<std::string>& fields, int& line);
  const std::string& Error() const { return error_; }

 private:
  static constexpr int kEnd = -1;

  // The next byte (0..255), or kEnd.
  int Peek() { return at_ < filled_ || Refill() ? static_cast<unsigned char>(buffer_[at_]) : kEnd; }
  bool Refill();
  void SkipLineEnds();
  void AppendPlain(std::string& field);
  bool ReadQuoted(std::string& field);

  std::istream& in_;
  std::vector<char> buffer_;  // read a block at a time
  size_t at_ = 0;
  size_t filled_ = 0;
  int line_ = 1;
  std::string error_;
};

}  // namespace ledger_tool
