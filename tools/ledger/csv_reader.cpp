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

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(in) { SkipByteOrderMark(in); }

bool CsvReader::Refill() {
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  filled_ = static_cast<size_t>(in_.gcount());
  at_ = 0;
  return filled_ > 0;
}

bool CsvReader::AtLineEnd() {
  const int c = Peek();
  return c == kEnd || c == '\n' || c == '\r';
}

void CsvReader::SkipLineEnd() {
  if (Peek() == '\r') Skip();
  if (Peek() == '\n') Skip();
  ++line_;
}

// From the opening quote to the first character after the closing one.
bool CsvReader::ReadQuoted(std::string& field) {
  const int opened = line_;
  Skip();
  for (int c = Peek(); c != kEnd; c = Peek()) {
    Skip();
    if (c == '"') {
      if (Peek() == '"') {
        field += '"';
        Skip();
        continue;
      }
      if (AtLineEnd() || Peek() == ',') return true;
      error_ = "a quoted field goes on after its closing quote";
      return false;
    }
    if (c == '\n') ++line_;
    field += static_cast<char>(c);
  }
  error_ = "a quoted field opened on line " + std::to_string(opened) + " is never closed";
  return false;
}

// A stretch of the buffer at a time.
void CsvReader::ReadPlain(std::string& field) {
  while (Peek() != kEnd) {
    const size_t from = at_;
    while (at_ < filled_ && buffer_[at_] != ',' && buffer_[at_] != '\n' && buffer_[at_] != '\r')
      ++at_;
    field.append(buffer_.data() + from, at_ - from);
    if (at_ < filled_) return;
  }
}

bool CsvReader::Next(std::vector<std::string>& fields, int& line) {
  while (Peek() == '\n' || Peek() == '\r') SkipLineEnd();
  if (Peek() == kEnd) return false;
  line = line_;
  size_t count = 0;
  for (;;) {
    if (fields.size() == count) fields.emplace_back();
    std::string& field = fields[count++];
    field.clear();
    if (Peek() == '"') {
      if (!ReadQuoted(field)) return false;
    } else {
      ReadPlain(field);
    }
    if (AtLineEnd()) break;
    Skip();  // the comma
  }
  fields.resize(count);
  if (Peek() != kEnd) SkipLineEnd();
  return true;
}

}  // namespace ledger_tool
