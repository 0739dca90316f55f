// RFC 4180 CSV read a record at a time from a stream, never held whole:
// fields separated by commas, a quoted field may hold commas, doubled
// quotes and line breaks; lines end in CRLF or LF; a byte-order mark at
// the start and blank lines are skipped.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace ledger_tool {

class CsvReader {
 public:
  // in is read from its start; it must be able to seek back there.
  explicit CsvReader(std::istream& in);

  // The next record's fields (the vector is reused); false at the end or on
  // a malformed record (then Error() says what). line is the record's first line.
  bool Next(std::vector<std::string>& fields, int& line);
  const std::string& Error() const { return error_; }

 private:
  // The next byte (0..255), or kEnd at the end of the stream.
  int Peek() { return at_ < filled_ || Refill() ? static_cast<unsigned char>(buffer_[at_]) : kEnd; }
  void Skip() { ++at_; }
  bool Refill();
  bool AtLineEnd();
  void SkipLineEnd();
  bool ReadQuoted(std::string& field);
  void ReadPlain(std::string& field);

  static constexpr int kEnd = -1;

  std::istream& in_;
  std::vector<char> buffer_ = std::vector<char>(1 << 16);
  size_t at_ = 0;
  size_t filled_ = 0;
  int line_ = 1;
  std::string error_;
};

}  // namespace ledger_tool
