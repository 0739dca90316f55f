// Any command line of the ledger tool (arguments separated by newlines):
// options are taken out cleanly, and a record the tool accepts is one it
// may store: a real day, a catalogued item, not both cost and distance 0.
#include <cstdint>
#include <string>
#include <variant>

#include "fuzz/fuzz_check.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/commands.h"

namespace {

ledger_tool::Arguments Split(const std::string& text) {
  ledger_tool::Arguments args;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    args.push_back(text.substr(start, end - start));
  args.push_back(text.substr(start));
  return args;
}

bool RealDay(int year, int month, int day) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ledger_tool::Arguments args = Split(std::string(reinterpret_cast<const char*>(data), size));
  const std::size_t before = args.size();
  const auto on = ledger_tool::TakeOption(args, "--on");
  const bool csv = ledger_tool::TakeFlag(args, "--csv");
  for (const std::string& arg : args) Require(arg != "--csv", "a taken flag is gone");
  Require(on || csv ? args.size() < before : args.size() == before,
          "what was taken is removed, nothing else");

  if (args.size() < 5) return 0;
  if (ledger_tool::Date date{}; ledger_tool::ReadDate(args[0], date))
    Require(RealDay(date.year, date.month, date.day), "a parsed date is a real day");
  const auto parsed = ledger_tool::ParseRecord({args[0], args[1], args[2], args[3], args[4]});
  if (const auto* record = std::get_if<ExpenseRecord>(&parsed)) {
    Require(RealDay(record->year, record->month, record->day), "an accepted record has a real day");
    Require(record->itemId >= 0 && record->itemId <= 21,
            "an accepted record has a catalogued item");
    Require(record->cost != 0 || record->distance != 0,
            "an accepted record has a cost or a distance");
  }
  return 0;
}
