#include "tools/ledger/csv_reader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace ledger_tool {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// A mark only at the file's start: a reader given a later part of a file
// reads it as the whole file's reader would.
std::uint64_t SkipByteOrderMark(std::istream& in) {
  if (in.tellg() != 0) return 0;
  char start[3] = {};
  if (in.read(start, 3) && std::memcmp(start, kByteOrderMark, 3) == 0) return 3;
  in.clear();
  in.seekg(0);
  return 0;
}

// What ends an unquoted field.
bool IsStop(char c) { return c == ',' || c == '\n' || c == '\r'; }

constexpr std::uint64_t kOnes = 0x0101010101010101;
static_assert(std::endian::native == std::endian::little, "the first byte is the lowest");

// The top bit of each byte of word that is c; bytes above the first match
// may be marked falsely (a borrow), the first one never is.
std::uint64_t Matches(std::uint64_t word, char c) {
  const std::uint64_t diff = word ^ (kOnes * static_cast<unsigned char>(c));
  return (diff - kOnes) & ~diff & (kOnes << 7);
}

// How many of the eight bytes from p come before one that ends an
// unquoted field: 8 when none does.
size_t BytesBeforeStop(const char* p) {
  std::uint64_t word = 0;
  std::memcpy(&word, p, sizeof word);
  const std::uint64_t stops = Matches(word, ',') | Matches(word, '\n') | Matches(word, '\r');
  return static_cast<size_t>(std::countr_zero(stops)) / 8;
}

}  // namespace

// Eight bytes at a time while eight are there: fields end at unforeseeable
// places, and a byte at a time mispredicts a branch at nearly every one.
size_t PlainEnd(const char* data, size_t at, size_t filled) {
  while (at + 8 <= filled) {
    const size_t before = BytesBeforeStop(data + at);
    if (before < 8) return at + before;
    at += 8;
  }
  while (at < filled && !IsStop(data[at])) ++at;
  return at;
}

CsvReader::CsvReader(std::istream& in, size_t bufferBytes, std::uint64_t limit)
    : in_(in), buffer_(std::max(bufferBytes, size_t{1})), unread_(limit) {
  unread_ -= std::min(unread_, SkipByteOrderMark(in));
}

// Moves the record being read to the front, the buffer doubled when the
// record fills it, and reads on after it; false when nothing more came.
bool CsvReader::Refill() {
  const size_t kept = filled_ - record_;
  if (kept == buffer_.size()) buffer_.resize(2 * buffer_.size());
  std::memmove(buffer_.data(), buffer_.data() + record_, kept);
  at_ -= record_;
  record_ = 0;
  const std::uint64_t wanted = std::min<std::uint64_t>(buffer_.size() - kept, unread_);
  in_.read(buffer_.data() + kept, static_cast<std::streamsize>(wanted));
  const size_t got = static_cast<size_t>(in_.gcount());
  filled_ = kept + got;
  unread_ -= got;
  ended_ = !in_ || unread_ == 0;
  return got > 0;
}

// The next byte (0..255) or kEnd; nothing before it is needed any more.
int CsvReader::PeekBetweenRecords() {
  record_ = at_;
  return at_ < filled_ || Refill() ? static_cast<unsigned char>(buffer_[at_]) : kEnd;
}

// Past the last record's line end and blank lines; false at the end.
bool CsvReader::SkipLineEnds() {
  int c = PeekBetweenRecords();
  for (; c == '\n' || c == '\r'; c = PeekBetweenRecords()) {
    ++at_;
    if (c == '\r' && PeekBetweenRecords() == '\n') ++at_;
    ++line_;
  }
  return c != kEnd;
}

// From the opening quote to the first byte after the closing one, which
// must end the field; a doubled quote is looked at whole.
CsvReader::Split CsvReader::SkipQuoted(size_t& at) {
  const size_t opening = at;
  for (++at;; at += 2) {
    const void* quote = std::memchr(buffer_.data() + at, '"', filled_ - at);
    if (!quote) return Unclosed(opening);
    at = static_cast<size_t>(static_cast<const char*>(quote) - buffer_.data());
    if (at + 1 == filled_) {
      if (!ended_) return Split::kShort;
      break;
    }
    if (buffer_[at + 1] != '"') break;
  }
  ++at;
  if (at == filled_ || IsStop(buffer_[at])) return Split::kWhole;
  error_ = "a quoted field goes on after its closing quote";
  return Split::kBad;
}

// The lines before the opening quote are those the record's earlier
// quoted fields broke.
CsvReader::Split CsvReader::Unclosed(size_t opening) {
  if (!ended_) return Split::kShort;
  endedInQuotes_ = true;
  const auto breaks = std::count(buffer_.begin() + static_cast<std::ptrdiff_t>(record_),
                                 buffer_.begin() + static_cast<std::ptrdiff_t>(opening), '\n');
  error_ = "a quoted field opened on line " + std::to_string(line_ + breaks) + " is never closed";
  return Split::kBad;
}

// The record from record_, quoted fields still in their quotes (so that a
// record split again after a refill reads the same); at_ is left at its end.
CsvReader::Split CsvReader::SplitRecord(std::vector<std::string_view>& fields) {
  fields.clear();
  size_t at = record_;
  for (;;) {
    const size_t from = at;
    if (at < filled_ && buffer_[at] == '"') {
      if (const Split split = SkipQuoted(at); split != Split::kWhole) return split;
    } else {
      at = PlainEnd(buffer_.data(), at, filled_);
      if (at == filled_ && !ended_) return Split::kShort;
    }
    fields.emplace_back(buffer_.data() + from, at - from);
    if (at == filled_ || buffer_[at] != ',') break;
    ++at;
  }
  at_ = at;
  return Split::kWhole;
}

// In place, as the text only gets shorter: the quotes dropped, a doubled
// quote made one, the line breaks counted.
void CsvReader::Unescape(std::string_view& field) {
  char* const begin = buffer_.data() + (field.data() - buffer_.data());
  const char* from = begin + 1;
  const char* const end = begin + field.size() - 1;
  char* to = begin;
  while (from < end) {
    const char c = *from++;
    if (c == '"') ++from;
    if (c == '\n') ++line_;
    *to++ = c;
  }
  field = std::string_view(begin, static_cast<size_t>(to - begin));
}

std::string_view CsvReader::RecordBytes() const {
  return std::string_view(buffer_.data() + record_, filled_ - record_);
}

void CsvReader::TakeRun(const Run& run) {
  at_ = record_ + run.bytes;
  line_ += run.lines;
}

bool CsvReader::Next(std::vector<std::string_view>& fields, int& line) {
  if (!SkipLineEnds()) return false;
  line = line_;
  Split split = SplitRecord(fields);
  for (; split == Split::kShort; split = SplitRecord(fields)) Refill();
  if (split == Split::kBad) return false;
  for (std::string_view& field : fields) {
    if (!field.empty() && field[0] == '"') Unescape(field);
  }
  return true;
}

}  // namespace ledger_tool
