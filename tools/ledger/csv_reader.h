// RFC 4180 CSV read a record at a time from a stream, never held whole:
// fields separated by commas, a quoted field may hold commas, doubled
// quotes and line breaks; lines end in CRLF or LF; a byte-order mark at
// the start and blank lines are skipped.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace ledger_tool {

class CsvReader {
 public:
  // in is read from its start; it must be able to seek back there. The
  // buffer grows past bufferBytes only for a record longer than that.
  explicit CsvReader(std::istream& in, size_t bufferBytes = size_t{1} << 16);

  // The next record's fields, views into the reader's buffer that last
  // until the next call; false at the end or on a malformed record (then
  // Error() says what). line is the record's first line.
  bool Next(std::vector<std::string_view>& fields, int& line);
  const std::string& Error() const { return error_; }

 private:
  // How far the buffer's bytes from record_ go: a whole record, one that
  // goes on past the buffer's end, or a malformed one.
  enum class Split { kWhole, kShort, kBad };

  int PeekBetweenRecords();
  bool SkipLineEnds();
  bool Refill();
  Split SplitRecord(std::vector<std::string_view>& fields);
  Split SkipQuoted(size_t& at);
  Split Unclosed(size_t opening);
  void Unescape(std::string_view& field);

  static constexpr int kEnd = -1;

  std::istream& in_;
  std::vector<char> buffer_;
  size_t record_ = 0;  // the start of the record being read: what Refill keeps
  size_t at_ = 0;
  size_t filled_ = 0;
  bool ended_ = false;  // the stream has nothing after filled_
  int line_ = 1;
  std::string error_;
};

}  // namespace ledger_tool
