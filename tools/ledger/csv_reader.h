// RFC 4180 CSV read a record at a time from a stream, never held whole:
// fields separated by commas, a quoted field may hold commas, doubled
// quotes and line breaks; lines end in CRLF or LF; a byte-order mark at
// the start and blank lines are skipped.
#pragma once

#include <cstdint>
#include <istream>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace ledger_tool {

// Where the unquoted field from data[at] ends: at its comma or line end,
// or at filled.
size_t PlainEnd(const char* data, size_t at, size_t filled);

class CsvReader {
 public:
  // in is read from where it stands, at most `limit` bytes, as if the file
  // ended there; it must be able to seek back to its start. The buffer
  // grows past bufferBytes only for a record longer than that.
  explicit CsvReader(std::istream& in, size_t bufferBytes = size_t{1} << 16,
                     std::uint64_t limit = std::numeric_limits<std::uint64_t>::max());

  // The next record's fields, views into the reader's buffer that last
  // until the next call; false at the end or on a malformed record (then
  // Error() says what). line is the record's first line.
  bool Next(std::vector<std::string_view>& fields, int& line);
  const std::string& Error() const { return error_; }
  // The line the next record would start on (after the end: one past the
  // last line).
  int Line() const { return line_; }

  // The bytes ended inside a quoted field (which Error() then names): a
  // reader limited to just after a line feed found alone met one holding it.
  bool EndedInQuotes() const { return endedInQuotes_; }

  // Records read by `read` straight from the buffer, many at a time, for
  // a caller that knows its rows' form. read(bytes, last) gets the bytes
  // from the next record's start to what the buffer holds (`last`: nothing
  // follows them) and says how many bytes its records took, through the
  // line end of the last, and how many line ends that was. It takes none
  // at the end, or when the next record is not one it reads (Next reads
  // that), or, with `more`, when that record goes on past the bytes given
  // (never when `last`): it is offered again once more came. False when it
  // took none.
  struct Run {
    size_t bytes = 0;
    int lines = 0;
    bool more = false;
  };
  template <class Read>
  bool NextRun(Read&& read) {
    if (!SkipLineEnds()) return false;
    for (;;) {
      const Run run = read(RecordBytes(), ended_);
      if (run.bytes > 0) {
        TakeRun(run);
        return true;
      }
      if (!run.more) return false;
      Refill();
    }
  }

 private:
  // How far the buffer's bytes from record_ go: a whole record, one that
  // goes on past the buffer's end, or a malformed one.
  enum class Split { kWhole, kShort, kBad };

  std::string_view RecordBytes() const;
  void TakeRun(const Run& run);
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
  std::uint64_t unread_;  // what the limit still lets be read
  bool ended_ = false;    // the stream has nothing after filled_
  bool endedInQuotes_ = false;
  int line_ = 1;
  std::string error_;
};

}  // namespace ledger_tool
