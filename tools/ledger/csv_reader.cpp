#include "tools/ledger/csv_reader.h"

#include <algorithm>
#include <cstring>

namespace ledger_tool {

namespace {

constexpr size_t kBlock = size_t{1} << 16;

bool IsLineEnd(int c) { return c == '\n' || c == '\r'; }
constexpr auto EndsPlainField = [](char c) { return c == ',' || IsLineEnd(c); };

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(in), buffer_(kBlock) {
  if (Refill() && filled_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) at_ = 3;
}

bool CsvReader::Refill() {
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  at_ = 0;
  filled_ = static_cast<size_t>(in_.gcount());
  return filled_ > 0;
}

void CsvReader::SkipLineEnds() {
  for (int c = Peek(); IsLineEnd(c); c = Peek()) {
    ++at_;
    if (c == '\r' && Peek() == '\n') ++at_;
    ++line_;
  }
}

// Up to the field's end or the end of what the buffer holds.
void CsvReader::AppendPlain(std::string& field) {
  const char* from = buffer_.data() + at_;
  const char* filled = buffer_.data() + filled_;
  const char* end = std::find_if(from, filled, EndsPlainField);
  field.append(from, end);
  at_ += static_cast<size_t>(end - from);
}

// From the opening quote through the closing one, which must end the field.
bool CsvReader::ReadQuoted(std::string& field) {
  const int opened = line_;
  ++at_;
  for (;;) {
    const int c = Peek();
    if (c == kEnd) {
      error_ = "a quoted field opened on line " + std::to_string(opened) + " is never closed";
      return false;
    }
    ++at_;
    if (c == '"' && Peek() != '"') break;
    if (c == '"') ++at_;
    if (c == '\n') ++line_;
    field += static_cast<char>(c);
  }
  const int after = Peek();
  if (after == ',' || IsLineEnd(after) || after == kEnd) return true;
  error_ = "a quoted field goes on after its closing quote";
  return false;
}

bool CsvReader::Next(std::vector<std::string>& fields, int& line) {
  SkipLineEnds();
  if (Peek() == kEnd) return false;
  line = line_;
  size_t count = 1;  // the fields' strings are kept, so that rows reuse them
  if (fields.empty()) fields.emplace_back();
  fields[0].clear();
  for (int c = Peek();; c = Peek()) {
    std::string& field = fields[count - 1];
    if (c == '"' && field.empty()) {
      if (!ReadQuoted(field)) return false;
    } else if (c == ',') {
      ++at_;
      if (count++ == fields.size()) fields.emplace_back();
      fields[count - 1].clear();
    } else if (c == kEnd || IsLineEnd(c)) {
      fields.resize(count);
      return true;
    } else {
      AppendPlain(field);
    }
  }
}

}  // namespace ledger_tool
