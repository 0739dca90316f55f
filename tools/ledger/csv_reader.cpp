#include "tools/ledger/csv_reader.h"

#include <algorithm>
#include <cstring>

namespace ledger_tool {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

void SkipByteOrderMark(std::istream& in) {
  char start[3] = {};
  if (in.read(start, 3) && std::memcmp(start, kByteOrderMark, 3) == 0) return;
  in.clear();
  in.seekg(0);
}

// What ends an unquoted field.
bool IsStop(char c) { return c == ',' || c == '\n' || c == '\r'; }

}  // namespace

CsvReader::CsvReader(std::istream& in, size_t bufferBytes)
    : in_(in), buffer_(std::max(bufferBytes, size_t{1})) {
  SkipByteOrderMark(in);
}

// Moves the record being read to the front, the buffer doubled when the
// record fills it, and reads on after it; false when nothing more came.
bool CsvReader::Refill() {
  const size_t kept = filled_ - record_;
  if (kept == buffer_.size()) buffer_.resize(2 * buffer_.size());
  std::memmove(buffer_.data(), buffer_.data() + record_, kept);
  at_ -= record_;
  record_ = 0;
  in_.read(buffer_.data() + kept, static_cast<std::streamsize>(buffer_.size() - kept));
  const size_t got = static_cast<size_t>(in_.gcount());
  filled_ = kept + got;
  ended_ = !in_;
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

CsvReader::Split CsvReader::SkipPlain(size_t& at) const {
  while (at < filled_ && !IsStop(buffer_[at])) ++at;
  return at < filled_ || ended_ ? Split::kWhole : Split::kShort;
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
    const Split split = at < filled_ && buffer_[at] == '"' ? SkipQuoted(at) : SkipPlain(at);
    if (split != Split::kWhole) return split;
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
