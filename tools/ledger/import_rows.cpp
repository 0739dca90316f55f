#include "tools/ledger/import_rows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "tools/ledger/csv_reader.h"
#include "app/calendar.h"
#include "platform/core/page_hints.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/record_input.h"
#include "tools/ledger/record_text.h"

namespace ledger_tool {

void Imported::Add(const ExpenseRecord& r) {
  if (count == 0 || DateKey(r) < DateKey(first)) first = r;
  if (count == 0 || DateKey(r) >= DateKey(last)) last = r;
  ++count;
}

void Imported::Join(const Imported& later) {
  if (later.count == 0) return;
  if (count == 0 || DateKey(later.first) < DateKey(first)) first = later.first;
  if (count == 0 || DateKey(later.last) >= DateKey(last)) last = later.last;
  count += later.count;
}

std::string Imported::Said() const {
  const std::string span = count ? ", " + IsoDate(first) + " to " + IsoDate(last) : "";
  return std::to_string(count) + " records" + span;
}

namespace {

// The columns csv writes; the item's name is there for people and ignored.
constexpr std::array<std::string_view, 6> kColumns = {"date",   "item_id", "item",
                                                      "fuel_l", "cost",    "distance_km"};

constexpr long long kMostRecords = 0x7FFFFFFF - 100;

// From this size a file is read in two halves at once: below it a second
// thread costs more than it saves.
constexpr std::uint64_t kHalvesFrom = std::uint64_t{1} << 20;

// Room, at once, for as many rows as `bytes` of CSV could hold: a row with
// a record is never shorter than "2005-01-02,0,,0,1,0" and its line end.
// Room is not filled, so what no row takes costs no memory; only a hint,
// as RoomForOneMore still grows the ledger should it be short.
void ReserveForBytes(CExpenseLedger& ledger, std::uint64_t bytes) {
  constexpr std::uint64_t kShortestRow = 20;
  const long long total = ledger.m_nCount + static_cast<long long>(bytes / kShortestRow) + 1;
  if (total <= kMostRecords) ledger.Reserve(static_cast<int>(total));
}

// Room for one more row, the array doubled when full: a million rows are
// a few copies, where the ledger's own growth by a hundred would copy the
// array ten thousand times.
bool RoomForOneMore(CExpenseLedger& ledger) {
  if (ledger.m_nCount < ledger.m_nCapacity) return true;
  const long long doubled = std::max(2LL * ledger.m_nCapacity, 1024LL);
  return ledger.m_nCount < kMostRecords &&
         ledger.Reserve(static_cast<int>(std::min(doubled, kMostRecords)));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What ReadPlainRow gives for a row that goes on past the bytes offered.
constexpr size_t kShort = static_cast<size_t>(-1);

// Where a row as csv writes it runs out of the bytes offered: when more
// may come it is short; at the file's end it is not one of those rows.
size_t OutOfBytes(bool last) { return last ? 0 : kShort; }

// Up to `most` digits from `at` (before `end`) into `digits`; how many
// there were.
int ReadDigits(const char*& at, const char* end, std::ptrdiff_t most, std::uint64_t& digits) {
  const char* const first = at;
  const char* const limit = at + std::min(most, end - at);
  for (unsigned digit = 0; at < limit && (digit = static_cast<unsigned char>(*at) - '0') < 10; ++at)
    digits = digits * 10 + digit;
  return static_cast<int>(at - first);
}

// Up to nine digits, then a point and up to `decimals` digits, ending at a
// comma, or for the row's last value at its line end or the file's: the
// value in units of 1/10^decimals, as ReadScaled reads it. `at` is left
// after the comma, or on the line end; false for any other text and for a
// value the record cannot hold, or (with `at` at `end`) when the bytes ran
// out.
template <int decimals, bool lastValue>
bool ReadPlainValue(const char*& at, const char* end, bool last, std::int32_t& value) {
  constexpr std::uint64_t kPowersOfTen[] = {1, 10, 100, 1000};
  const char* p = at;
  std::uint64_t digits = 0;
  if (ReadDigits(p, end, 9, digits) == 0) return false;
  int places = 0;
  if (p < end && *p == '.') {
    ++p;
    places = ReadDigits(p, end, decimals, digits);
  }
  at = p;
  if (p == end && !(last && lastValue)) return false;
  const bool ended = lastValue ? p == end || *p == '\n' || *p == '\r' : *p == ',';
  const std::uint64_t scaled = digits * kPowersOfTen[decimals - places];
  if (!ended || scaled > 0x7FFFFFFF) return false;
  value = static_cast<std::int32_t>(scaled);
  at += lastValue ? 0 : 1;
  return true;
}

// The catalogue's ids under 64 as bits (a row naming any other is checked
// field by field).
std::uint64_t CataloguedBits() {
  std::uint64_t bits = 0;
  for (int id = 0; id < 64; ++id) bits |= IsCatalogued(id) ? std::uint64_t{1} << id : 0;
  return bits;
}

// YYYY-MM-DD at p, a real day of years 1..9999: what ReadDate reads, its
// digits at their fixed places.
bool ReadPlainDate(const char* p, Date& date) {
  constexpr int kPlaces[8] = {0, 1, 2, 3, 5, 6, 8, 9};
  unsigned digits[8];
  bool allDigits = p[4] == '-' && p[7] == '-';
  for (int i = 0; i < 8; ++i) {
    digits[i] = static_cast<unsigned char>(p[kPlaces[i]]) - '0';
    allDigits &= digits[i] <= 9;
  }
  if (!allDigits) return false;
  const int year =
      static_cast<int>(digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3]);
  const int month = static_cast<int>(digits[4] * 10 + digits[5]);
  const int day = static_cast<int>(digits[6] * 10 + digits[7]);
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return false;
  date = Date{year, month, day};
  return true;
}

// A row as csv writes it, read in one pass from `bytes` (the row and what
// the reader holds after it): the bytes up to its line end, `record` being
// what ParseRecord gives for its fields. 0 for any other row (a quoted
// field, a sign, an exponent, a value or a field count ParseRecord might
// refuse), which is then split and checked field by field; kShort when
// the row goes on past `bytes` and more may come.
size_t ReadPlainRow(std::string_view bytes, bool last, ExpenseRecord& record) {
  const char* const start = bytes.data();
  const char* const end = start + bytes.size();
  Date date{};
  if (bytes.size() < 11) return OutOfBytes(last);
  if (start[10] != ',' || !ReadPlainDate(start, date)) return 0;
  const char* at = start + 11;
  int item = 0;
  for (const char* first = at; at < end && at - first < 2 && IsDigit(*at); ++at)
    item = item * 10 + (*at - '0');
  if (at == end) return OutOfBytes(last);
  static const std::uint64_t catalogued = CataloguedBits();
  if (at == start + 11 || *at != ',' || item >= 64 || ((catalogued >> item) & 1) == 0) return 0;
  if (++at < end && *at == '"') return 0;
  at = start + PlainEnd(start, static_cast<size_t>(at - start), bytes.size());
  if (at == end) return OutOfBytes(last);
  if (*at++ != ',') return 0;
  std::int32_t fuel = 0, cost = 0, distance = 0;
  const bool read = ReadPlainValue<2, false>(at, end, last, fuel) &&
                    ReadPlainValue<2, false>(at, end, last, cost) &&
                    ReadPlainValue<3, true>(at, end, last, distance);
  if (!read) return at == end ? OutOfBytes(last) : 0;
  if (cost == 0 && distance == 0) return 0;
  record = ExpenseRecord{static_cast<std::int16_t>(date.year),
                         static_cast<std::int16_t>(date.month),
                         static_cast<std::int16_t>(date.day),
                         static_cast<std::int16_t>(item),
                         cost,
                         fuel,
                         distance};
  return static_cast<size_t>(at - start);
}

// Rows as csv writes them, read from `bytes` straight into the ledger's
// room while it has room and they come, each with its line end (a CR at
// the end of the bytes is left for the reader, as a LF may follow it).
CsvReader::Run ReadPlainRows(std::string_view bytes, bool last, CExpenseLedger& ledger) {
  CsvReader::Run run;
  const char* const end = bytes.data() + bytes.size();
  const char* row = bytes.data();
  while (ledger.m_nCount < ledger.m_nCapacity) {
    ExpenseRecord record{};
    const size_t length =
        ReadPlainRow(std::string_view(row, static_cast<size_t>(end - row)), last, record);
    if (length == 0 || length == kShort) {
      run.more = length == kShort && run.bytes == 0;
      break;
    }
    const char* next = row + length;
    if (next < end && (*next == '\n' || next + 1 < end || last)) {
      next += *next == '\r' && next + 1 < end && next[1] == '\n' ? 2 : 1;
      ++run.lines;
    }
    ledger.m_pRecords[ledger.m_nCount++] = record;
    row = next;
    run.bytes = static_cast<size_t>(row - bytes.data());
  }
  return run;
}

// A CSV's rows: runs of rows as csv writes them read straight into a
// ledger, any other row split into fields and checked field by field.
class RowReader {
 public:
  RowReader(std::istream& csv, std::uint64_t limit) : reader_(csv, size_t{1} << 16, limit) {}

  CsvReader& Csv() { return reader_; }
  // No field so far was quoted: none went on past its line.
  bool NoneQuoted() const { return !reader_.ReadQuoted(); }

  // False when the next row is not one csv writes, or at the end.
  bool NextPlainRun(CExpenseLedger& ledger) {
    return reader_.NextRun([&ledger](std::string_view bytes, bool last) {
      return ReadPlainRows(bytes, last, ledger);
    });
  }

  // The next row's record or its fault; false at the end, or at a
  // malformed record (Csv().Error() says).
  bool NextChecked(std::variant<ExpenseRecord, RecordProblem>& row, int& line) {
    if (!reader_.Next(fields_, line)) return false;
    if (fields_.size() != kColumns.size()) {
      row = RecordProblem{"", std::to_string(fields_.size()) + " fields where there should be " +
                                  std::to_string(kColumns.size())};
    } else {
      row = ParseRecord({fields_[0], fields_[1], fields_[3], fields_[4], fields_[5]});
    }
    return true;
  }

 private:
  CsvReader reader_;
  std::vector<std::string_view> fields_;
};

std::optional<RowFault> ReadHeader(CsvReader& csv) {
  std::vector<std::string_view> header;
  int line = 1;
  if (!csv.Next(header, line))
    return RowFault{line, csv.Error().empty() ? "no header line" : csv.Error()};
  if (!std::equal(header.begin(), header.end(), kColumns.begin(), kColumns.end()))
    return RowFault{line, "the header is not date,item_id,item,fuel_l,cost,distance_km"};
  return std::nullopt;
}

// What the rows of one part of a file brought, up to its end or its first
// fault; lines counted from the part's start.
struct Part {
  Imported imported;
  std::optional<RowFault> fault;
  bool noneQuoted = true;
  int endLine = 1;  // the line after the part's last
};

Part ReadRows(RowReader& rows, CExpenseLedger& ledger) {
  Part part;
  const int first = ledger.m_nCount;
  std::variant<ExpenseRecord, RecordProblem> row;
  int line = rows.Csv().Line();
  while (!part.fault) {
    if (rows.NextPlainRun(ledger)) continue;
    if (!rows.NextChecked(row, line)) break;
    if (const auto* problem = std::get_if<RecordProblem>(&row)) {
      part.fault =
          RowFault{line, problem->field.empty() ? problem->message
                                                : problem->field + ": " + problem->message};
    } else if (!RoomForOneMore(ledger) || ledger.Append(std::get<ExpenseRecord>(row)) == 0) {
      part.fault = RowFault{line, "too many records to hold"};
    }
  }
  if (!part.fault && !rows.Csv().Error().empty()) part.fault = RowFault{line, rows.Csv().Error()};
  for (int i = first; i < ledger.m_nCount; ++i) part.imported.Add(ledger.m_pRecords[i]);
  part.noneQuoted = rows.NoneQuoted();
  part.endLine = rows.Csv().Line();
  return part;
}

std::uint64_t FileSize(std::istream& file) {
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  file.seekg(0);
  return size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

std::variant<Imported, RowFault> ImportWhole(CExpenseLedger& ledger, const std::string& path,
                                             std::uint64_t size) {
  std::ifstream file(path, std::ios::binary);
  ReserveForBytes(ledger, size);
  RowReader rows(file, std::numeric_limits<std::uint64_t>::max());
  if (std::optional<RowFault> fault = ReadHeader(rows.Csv())) return *fault;
  Part whole = ReadRows(rows, ledger);
  if (whole.fault) return *whole.fault;
  return whole.imported;
}

// Where the second half starts: just after the first line end from the
// middle of the file; nothing when there is none.
std::optional<std::uint64_t> SecondHalf(const std::string& path, std::uint64_t size) {
  std::ifstream file(path, std::ios::binary);
  const std::uint64_t middle = size / 2;
  file.seekg(static_cast<std::streamoff>(middle));
  std::vector<char> window(std::size_t{1} << 16);
  file.read(window.data(), static_cast<std::streamsize>(window.size()));
  const auto read = window.begin() + file.gcount();
  const auto lineEnd = std::find(window.begin(), read, '\n');
  if (lineEnd == read) return std::nullopt;
  return middle + static_cast<std::uint64_t>(lineEnd - window.begin()) + 1;
}

// The part of the file from `start` to its end, as the whole file's
// reader would read it there.
Part ReadSecondHalf(const std::string& path, std::uint64_t start, std::uint64_t size,
                    CExpenseLedger& records) {
  std::ifstream file(path, std::ios::binary);
  file.seekg(static_cast<std::streamoff>(start));
  ReserveForBytes(records, size - start);
  RowReader rows(file, size - start);
  return ReadRows(rows, records);
}

// While the second half is still being read, the room its records will
// take after the first half's is made present, as many as its size holds
// at the first half's bytes per row: the join then only copies them.
void PrepareRoomForSecondHalf(CExpenseLedger& ledger, long long firstRows, std::uint64_t firstBytes,
                              std::uint64_t secondBytes) {
  if (firstRows <= 0) return;
  const auto expected =
      static_cast<long long>(secondBytes * static_cast<std::uint64_t>(firstRows) / firstBytes);
  const long long room = std::min<long long>(expected, ledger.m_nCapacity - ledger.m_nCount);
  if (room > 0)
    core::MakePagesPresent(ledger.m_pRecords + ledger.m_nCount,
                           static_cast<size_t>(room) * sizeof(ExpenseRecord));
}

// Both halves at once. The split is just after a line end; when the first
// half held no quoted field, none spans it and the second half's
// reader reads what the whole file's would. Otherwise nothing: the caller
// reads the file whole.
std::optional<std::variant<Imported, RowFault>> ImportHalves(CExpenseLedger& ledger,
                                                             const std::string& path,
                                                             std::uint64_t size,
                                                             std::uint64_t split) {
  CExpenseLedger secondRecords;
  Part second;
  std::jthread reader([&] { second = ReadSecondHalf(path, split, size, secondRecords); });
  std::ifstream file(path, std::ios::binary);
  ReserveForBytes(ledger, size);
  RowReader rows(file, split);
  const std::optional<RowFault> headerFault = ReadHeader(rows.Csv());
  const Part first = headerFault ? Part{} : ReadRows(rows, ledger);
  if (!first.fault) PrepareRoomForSecondHalf(ledger, first.imported.count, split, size - split);
  reader.join();
  if (headerFault) return *headerFault;
  if (!first.noneQuoted) return std::nullopt;
  if (first.fault) return *first.fault;
  if (second.fault) return RowFault{first.endLine + second.fault->line - 1, second.fault->message};
  if (ledger.m_nCount + static_cast<long long>(secondRecords.m_nCount) > kMostRecords ||
      !ledger.AppendAll(secondRecords.m_pRecords, secondRecords.m_nCount))
    return std::nullopt;
  Imported imported = first.imported;
  imported.Join(second.imported);
  return imported;
}

}  // namespace

std::variant<Imported, RowFault> ImportRows(CExpenseLedger& ledger, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::uint64_t size = FileSize(file);
  if (size >= kHalvesFrom) {
    const int before = ledger.m_nCount;
    if (const std::optional<std::uint64_t> split = SecondHalf(path, size)) {
      if (auto halves = ImportHalves(ledger, path, size, *split)) return *halves;
      ledger.m_nCount = before;
    }
  }
  return ImportWhole(ledger, path, size);
}

}  // namespace ledger_tool
