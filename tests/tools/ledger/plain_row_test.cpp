// The import's one-pass row reader against the field-by-field check it
// stands in for, on generated rows near and far from csv's own: a row it
// takes must give what the check gives, and a row as csv writes it must
// be taken.
#include "tools/ledger/plain_row.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>
#include <vector>

#include "tools/ledger/record_input.h"
#include "tools/ledger/record_text.h"

namespace {

using ledger_tool::kShort;
using ledger_tool::ReadPlainRow;

class RowMaker {
 public:
  explicit RowMaker(unsigned seed) : random_(seed) {}

  // A row and whether csv could have written it.
  std::string Row(bool& written) {
    written = true;
    const int item = Pick(0, 21) + (Chance(20) ? Pick(22, 99) : 0);
    written &= item <= 21;
    std::string row = Date(written);
    for (const std::string& field : {ItemId(item, written), Name(item, written), Value(9, 2, written),
                                     Value(9, 2, written), Value(9, 3, written)})
      row.append(",").append(field);
    return row;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
  bool Chance(int percent) { return Pick(0, 99) < percent; }
  std::string Digits(int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + Pick(0, 9));
    return digits;
  }
  std::string Padded(int value, int width) {
    std::string text = std::to_string(value);
    return std::string(static_cast<size_t>(std::max(0, width - static_cast<int>(text.size()))), '0') + text;
  }

  std::string Date(bool& written) {
    if (Chance(5)) {
      written = false;
      return Chance(50) ? Digits(4) + "-" + Digits(2) + "-" + Digits(2) : Digits(4) + "/01/02";
    }
    std::string date = Padded(Pick(0, 9999), 4) + "-" + Padded(Pick(0, 13), 2) + "-" +
                       Padded(Pick(0, 32), 2);
    if (Chance(5)) date[static_cast<size_t>(Pick(0, 9))] = "/:-. "[Pick(0, 4)];
    return date;
  }

  std::string ItemId(int item, bool& written) {
    if (!Chance(5)) return std::to_string(item);
    written = false;
    const char* const misses[] = {"", "007", "1:", "2/", "-1", "+3", "1 "};
    return misses[Pick(0, 6)];
  }

  std::string Name(int item, bool& written) {
    switch (Pick(0, 9)) {
      case 0:
        written = false;
        return "\"quoted\"";
      case 1:
        return "";  // csv never writes it; any unquoted name is taken
      case 2:
        return ledger_tool::ItemName((item + 1) % 22);
      default:
        return ledger_tool::ItemName(item);
    }
  }

  // Digits, a point and decimals as csv writes them, or near misses: other
  // counts of digits, no point, a sign, an exponent, a stray byte.
  std::string Value(int most, int decimals, bool& written) {
    const int whole = Pick(1, most);
    std::string value = std::to_string(Pick(1, 9)) + Digits(whole - 1) + "." + Digits(decimals);
    if (Chance(10)) value = std::string("0.").append(Digits(decimals));
    written &= whole <= 7;
    if (Chance(15)) {
      written = false;
      const char* const misses[] = {"", ".", "-", "+", "e3", "/", ":", "\xEA\xB0\x80", "..1", " "};
      const std::string miss = misses[Pick(0, 9)];
      value.insert(static_cast<size_t>(Pick(0, static_cast<int>(value.size()))), miss);
      if (Chance(30)) {
        value = Digits(Pick(0, 12));
        if (Chance(50)) value.append(".").append(Digits(Pick(0, 4)));
      }
      if (!value.empty() && Chance(30)) value.back() = Chance(50) ? '/' : ':';  // beside '0', '9'
    }
    return value;
  }

  std::mt19937 random_;
};

std::vector<std::string_view> Fields(std::string_view row) {
  std::vector<std::string_view> fields;
  for (size_t from = 0;;) {
    const size_t comma = row.find(',', from);
    fields.push_back(row.substr(from, comma - from));
    if (comma == std::string_view::npos) return fields;
    from = comma + 1;
  }
}

// What the field-by-field check makes of the row, or nothing.
std::variant<ExpenseRecord, std::monostate> Checked(std::string_view row) {
  const std::vector<std::string_view> f = Fields(row);
  if (f.size() != 6 || (!f[2].empty() && f[2][0] == '"')) return std::monostate{};
  const auto parsed = ledger_tool::ParseRecord({f[0], f[1], f[3], f[4], f[5]});
  if (const auto* record = std::get_if<ExpenseRecord>(&parsed)) return *record;
  return std::monostate{};
}

bool Same(const ExpenseRecord& a, const ExpenseRecord& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.itemId == b.itemId &&
         a.cost == b.cost && a.fuel == b.fuel && a.distance == b.distance;
}

TEST(PlainRow, TakesWhatTheCheckTakesAndGivesTheSameRecord) {
  RowMaker maker(20051208);
  int taken = 0;
  for (int i = 0; i < 60000; ++i) {
    bool written = false;
    const std::string row = maker.Row(written);
    const auto checked = Checked(row);
    const bool valid = std::holds_alternative<ExpenseRecord>(checked);
    // Followed by a line end and the next row, or ending the file.
    for (const std::string& after :
         {std::string("\r\n2005-01-02,0,주유-충전,40.50,55000.00,412.300\r\n"), std::string()}) {
      const std::string bytes = row + after;
      ExpenseRecord record{};
      const size_t length = ReadPlainRow(bytes, after.empty(), record);
      SCOPED_TRACE(bytes);
      ASSERT_NE(kShort, length);
      if (length != 0) {
        ++taken;
        ASSERT_TRUE(valid);
        EXPECT_EQ(row.size(), length);
        EXPECT_TRUE(Same(std::get<ExpenseRecord>(checked), record));
      } else if (written && valid && bytes.size() >= ledger_tool::kPlainRowLeast) {
        ADD_FAILURE() << "a row as csv writes it was not taken";
      }
    }
  }
  EXPECT_GT(taken, 15000);
}

// Bytes that stop inside a row are asked again with more, unless nothing
// more comes; a row is never taken from part of itself.
TEST(PlainRow, ARowCutShortIsAskedForAgain) {
  const std::string row = "2005-03-08,5,엔진오일,12.50,55000.00,412.300\n2005-03-09,0,,1,1,1\n";
  const size_t rowLength = row.find('\n');
  for (size_t cut = 0; cut < rowLength; ++cut) {
    ExpenseRecord record{};
    SCOPED_TRACE(cut);
    EXPECT_EQ(kShort, ReadPlainRow(std::string_view(row).substr(0, cut), false, record));
    const size_t atTheEnd = ReadPlainRow(std::string_view(row).substr(0, cut), true, record);
    EXPECT_TRUE(atTheEnd == 0 || atTheEnd == cut);
  }
  ExpenseRecord record{};
  EXPECT_EQ(rowLength, ReadPlainRow(row, false, record));
  EXPECT_EQ(1250, record.fuel);
  EXPECT_EQ(5500000, record.cost);
  EXPECT_EQ(412300, record.distance);
}

}  // namespace
