// The import's CSV reader: quoted fields with commas, doubled quotes and
// line breaks, every kind of line end, blank lines, and the line each
// record starts on.
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
};

Read ReadAll(const std::string& text) {
  std::istringstream in(text);
  CsvReader reader(in);
  Read read;
  std::vector<std::string> fields;
  int line = 0;
  while (reader.Next(fields, line)) read.records.push_back({line, fields});
  read.error = reader.Error();
  return read;
}

const std::string kLong(70000, 'x');

struct Case {
  std::string text;
  Read expected;
};

TEST(CsvReader, ReadsRecordsAndTheLinesTheyStartOn) {
  const Case cases[] = {
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
       {{{1, {"x"}}}, "a quoted field opened on line 3 is never closed"}},
      {"x\n\"open", {{{1, {"x"}}}, "a quoted field opened on line 2 is never closed"}},
      {"x\r\n\"a\"\"\"b,c\r\n", {{{1, {"x"}}}, "a quoted field goes on after its closing quote"}},
      {"\"ends on a quote\"\"\"", {{{1, {"ends on a quote\""}}}, ""}},
      {"a\"b,c\"", {{{1, {"a\"b", "c\""}}}, ""}},  // a quote inside a plain field is text
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 12));
    const Read read = ReadAll(c.text);
    EXPECT_EQ(c.expected.records, read.records);
    EXPECT_EQ(c.expected.error, read.error);
  }
}

}  // namespace
