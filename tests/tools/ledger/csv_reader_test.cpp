// The import's CSV reader at buffer sizes down to one byte, so that every
// record, quoted field, doubled quote and line end in turn straddles a
// refill, and a record longer than the buffer makes it grow.
#include "tools/ledger/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using ledger_tool::CsvReader;

struct Read {
  std::vector<std::pair<int, std::vector<std::string>>> records;  // first line, fields
  std::string error;
  bool endedInQuotes = false;
};

Read ReadAll(const std::string& text, size_t bufferBytes) {
  std::istringstream in(text);
  CsvReader reader(in, bufferBytes);
  Read read;
  std::vector<std::string_view> fields;
  int line = 0;
  while (reader.Next(fields, line)) read.records.push_back({line, {fields.begin(), fields.end()}});
  read.error = reader.Error();
  read.endedInQuotes = reader.EndedInQuotes();
  return read;
}

const std::string kLong(70000, 'x');  // past the default buffer too

struct Case {
  std::string text;
  Read expected;
};

const Case kCases[] = {
    {"\xEF\xBB\xBF"
     "a,\"b,\"\"c\"\"\r\nd\",e\r\n"  // lines 1-2
     "\r\n\n"                        // blank lines 3-4
     "\"\"\"\",,\"\"\r"              // a lone CR ends line 5
     "f\r\r\n" +                     // line 6, blank line 7
         kLong +
         ",\"" + kLong + "\"\"\"\n" + "g,",  // an empty last field and no line end
     {{{1, {"a", "b,\"c\"\r\nd", "e"}},
       {5, {"\"", "", ""}},
       {6, {"f"}},
       {8, {kLong, kLong + "\""}},
       {9, {"g", ""}}},
      ""}},
    {"x\n1,\"two\nlines\",\"open\nmore\n",
     {{{1, {"x"}}}, "a quoted field opened on line 3 is never closed", true}},
    {"x\n\"open", {{{1, {"x"}}}, "a quoted field opened on line 2 is never closed", true}},
    {"x\r\n\"a\"\"\"b,c\r\n", {{{1, {"x"}}}, "a quoted field goes on after its closing quote"}},
    {"\"ends on a quote\"\"\"", {{{1, {"ends on a quote\""}}}, ""}},
};

TEST(CsvReader, ReadsTheSameWhereverTheBufferEnds) {
  for (const Case& c : kCases) {
    for (const size_t bytes : {size_t{1}, size_t{2}, size_t{3}, size_t{7}, size_t{1} << 16}) {
      SCOPED_TRACE(c.text.substr(0, 12) + " buffer " + std::to_string(bytes));
      const Read read = ReadAll(c.text, bytes);
      EXPECT_EQ(c.expected.records, read.records);
      EXPECT_EQ(c.expected.error, read.error);
      EXPECT_EQ(c.expected.endedInQuotes, read.endedInQuotes);
    }
  }
}

}  // namespace
