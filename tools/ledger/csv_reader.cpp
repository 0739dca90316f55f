#include "tools/ledger/csv_reader.h"

namespace ledger_tool {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

CsvReader::CsvReader(std::string_view text) : text_(text) {
  if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark) at_ = kByteOrderMark.size();
}

bool CsvReader::AtLineEnd() const { return at_ == text_.size() || text_[at_] == '\n' || text_[at_] == '\r'; }

void CsvReader::SkipLineEnd() {
  if (at_ < text_.size() && text_[at_] == '\r') ++at_;
  if (at_ < text_.size() && text_[at_] == '\n') ++at_;
  ++line_;
}

// From after the opening quote to the first character after the closing one.
bool CsvReader::ReadQuoted(std::string& field) {
  const int opened = line_;
  for (++at_; at_ < text_.size(); ++at_) {
    const char c = text_[at_];
    if (c == '"') {
      if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
        field += '"';
        ++at_;
        continue;
      }
      ++at_;
      if (AtLineEnd() || text_[at_] == ',') return true;
      error_ = "a quoted field goes on after its closing quote";
      return false;
    }
    if (c == '\n') ++line_;
    field += c;
  }
  error_ = "a quoted field opened on line " + std::to_string(opened) + " is never closed";
  return false;
}

void CsvReader::ReadPlain(std::string& field) {
  const size_t from = at_;
  while (!AtLineEnd() && text_[at_] != ',') ++at_;
  field.assign(text_.substr(from, at_ - from));
}

bool CsvReader::Next(std::vector<std::string>& fields, int& line) {
  while (at_ < text_.size() && (text_[at_] == '\n' || text_[at_] == '\r')) SkipLineEnd();
  if (at_ == text_.size()) return false;
  line = line_;
  size_t count = 0;
  for (;;) {
    if (fields.size() == count) fields.emplace_back();
    std::string& field = fields[count++];
    field.clear();
    if (at_ < text_.size() && text_[at_] == '"') {
      if (!ReadQuoted(field)) return false;
    } else {
      ReadPlain(field);
    }
    if (AtLineEnd()) break;
    ++at_;  // the comma
  }
  fields.resize(count);
  if (at_ < text_.size()) SkipLineEnd();
  return true;
}

}  // namespace ledger_tool
