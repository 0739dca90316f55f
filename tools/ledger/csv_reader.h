// RFC 4180 CSV read a record at a time: fields separated by commas, a
// quoted field may hold commas, doubled quotes and line breaks; lines end
// in CRLF or LF; a byte-order mark at the start and blank lines are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ledger_tool {

class CsvReader {
 public:
  explicit CsvReader(std::string_view text);

  // The next record's fields (the vector is reused); false at the end or on
  // a malformed record (then Error() says what). line is the record's first line.
  bool Next(std::vector<std::string>& fields, int& line);
  const std::string& Error() const { return error_; }

 private:
  bool AtLineEnd() const;
  void SkipLineEnd();
  bool ReadQuoted(std::string& field);
  void ReadPlain(std::string& field);

  std::string_view text_;
  size_t at_ = 0;
  int line_ = 1;
  std::string error_;
};

}  // namespace ledger_tool
