// import: the rows of a CSV as csv writes it, every one checked as add
// checks its arguments, then all added and saved once under the file's
// one-writer lock, or none.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "tools/ledger/commands.h"
#include "tools/ledger/csv_reader.h"
#include "tools/ledger/flags.h"
#include "tools/ledger/record_input.h"
#include "tools/ledger/record_text.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

// The columns csv writes; the item's name is there for people and ignored.
const std::vector<std::string> kColumns = {"date", "item_id", "item", "fuel_l", "cost", "distance_km"};

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), {}};
  if (in.bad()) return std::nullopt;
  return text;
}

// Every row as a record, or the first fault written out with its line.
std::optional<std::vector<ExpenseRecord>> ReadRows(const std::string& csvPath, std::string_view text) {
  CsvReader reader(text);
  std::vector<std::string> fields;
  int line = 1;
  const auto fault = [&](const std::string& message) {
    Fail(csvPath + ": line " + std::to_string(line) + ": " + message + "; nothing imported");
    return std::nullopt;
  };
  if (!reader.Next(fields, line)) return fault(reader.Error().empty() ? "no header line" : reader.Error());
  if (fields != kColumns) return fault("the header is not date,item_id,item,fuel_l,cost,distance_km");
  std::vector<ExpenseRecord> records;
  while (reader.Next(fields, line)) {
    if (fields.size() != kColumns.size()) {
      return fault(std::to_string(fields.size()) + " fields where there should be " + std::to_string(kColumns.size()));
    }
    const auto parsed = ParseRecord({fields[0], fields[1], fields[3], fields[4], fields[5]});
    if (const auto* problem = std::get_if<RecordProblem>(&parsed)) return fault(problem->field + ": " + problem->message);
    records.push_back(std::get<ExpenseRecord>(parsed));
  }
  if (!reader.Error().empty()) return fault(reader.Error());
  return records;
}

std::string Span(const std::vector<ExpenseRecord>& records) {
  if (records.empty()) return "";
  const auto [first, last] = std::minmax_element(records.begin(), records.end(), [](const auto& a, const auto& b) {
    return DateKey(a) < DateKey(b);
  });
  return ", " + Utf8(IsoDate(*first)) + " to " + Utf8(IsoDate(*last));
}

bool AddAll(CExpenseLedger& ledger, const std::vector<ExpenseRecord>& records) {
  const long long total = static_cast<long long>(ledger.m_nCount) + static_cast<long long>(records.size());
  if (total > 0x7FFFFFFF - 100 || !ledger.Reserve(static_cast<int>(total))) return false;
  for (const ExpenseRecord& r : records) ledger.Append(r);
  ledger.SortByDate();
  return true;
}

}  // namespace

int RunImport(const Arguments& given) {
  Arguments args = given;
  const bool dryRun = TakeFlag(args, "--dry-run");
  if (args.size() != 2) return kUsage;
  const std::optional<std::string> text = ReadWholeFile(args[1]);
  if (!text) return Fail(args[1] + ": cannot read the CSV file");
  const std::optional<std::vector<ExpenseRecord>> records = ReadRows(args[1], *text);
  if (!records) return kFailed;

  std::optional<host::DataFileLock> lock;
  if (!dryRun && !(lock = LockForWriting(args[0]))) return kFailed;
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], true)) return kFailed;
  const std::string counted = std::to_string(records->size()) + " records" + Span(*records);
  const std::string after = "; the file holds " + std::to_string(ledger.m_nCount + records->size()) + "\n";
  if (dryRun) return WriteOutput("would import " + counted + after) ? 0 : Fail("cannot write the output");
  if (records->empty()) return WriteOutput("nothing to import\n") ? 0 : Fail("cannot write the output");
  if (!AddAll(ledger, *records)) return Fail(args[0] + ": too many records to hold; nothing imported");
  if (const int status = SaveOrFail(ledger, args[0]); status != 0) return status;
  return WriteOutput("imported " + counted + after) ? 0 : Fail("cannot write the output");
}

}  // namespace ledger_tool
