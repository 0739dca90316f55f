#include "bench/january_ledger.h"

#include <fstream>
#include <vector>

#include "ledger/expense_record.h"
#include "ledger/ledger_file.h"

namespace bench {

std::filesystem::path WriteJanuaryLedger(const std::filesystem::path& path, int extra) {
  std::vector<ExpenseRecord> records;
  auto add = [&](int year, int month, int day, int item) {
    ExpenseRecord r{};
    r.year = static_cast<std::int16_t>(year);
    r.month = static_cast<std::int16_t>(month);
    r.day = static_cast<std::int16_t>(day);
    r.itemId = static_cast<std::int16_t>(item);
    r.cost = 1000;
    records.push_back(r);
  };
  for (int day = 1; day <= 31; ++day) add(2005, 1, day, 0), add(2005, 1, day, 5);
  for (int i = 0; i < extra; ++i) add(1990 + i % 30, 1 + i % 12, 1 + i % 28, i % 22);
  const LedgerHeader header = EncodeLedgerHeader(static_cast<int>(records.size()));
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(header.data()), header.size());
  file.write(reinterpret_cast<const char*>(records.data()),
             static_cast<std::streamsize>(records.size() * sizeof(ExpenseRecord)));
  return path;
}

}  // namespace bench
