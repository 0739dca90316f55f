#include "tools/ledger/import_rows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "tools/ledger/csv_reader.h"
#include "tools/ledger/plain_row.h"
#include "tools/ledger/record_input.h"
#include "tools/ledger/record_text.h"

namespace ledger_tool {

void Imported::Add(const ExpenseRecord& r) {
  const int key = DateKey(r);
  inOrder &= count == 0 || key >= lastKey;
  if (count == 0 || key < firstKey) {
    first = r;
    firstKey = key;
  }
  if (count == 0 || key >= lastKey) {
    last = r;
    lastKey = key;
  }
  ++count;
}

void Imported::Join(const Imported& later) {
  if (later.count == 0) return;
  inOrder &= later.inOrder && (count == 0 || later.firstKey >= lastKey);
  if (count == 0 || later.firstKey < firstKey) {
    first = later.first;
    firstKey = later.firstKey;
  }
  if (count == 0 || later.lastKey >= lastKey) {
    last = later.last;
    lastKey = later.lastKey;
  }
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

// A row with a record is never shorter than "2005-01-02,0,,0,1,0" and its
// line end.
constexpr std::uint64_t kShortestRow = 20;

// Room, at once, for as many rows as `bytes` of CSV could hold.
// Room is not filled, so what no row takes costs no memory; only a hint,
// as RoomForOneMore still grows the ledger should it be short.
void ReserveForBytes(CExpenseLedger& ledger, std::uint64_t bytes) {
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

// Where one part of the file puts its records: the ledger's slots from
// `first` on. A part read alone grows the ledger when its slots run out.
// Two halves read at once each have a share of slots that stays where it
// is while both read, and a half stops when its share is full.
class Slots {
 public:
  Slots(CExpenseLedger& ledger, long long first, long long end, bool grows)
      : ledger_(ledger), first_(first), end_(end), grows_(grows) {}

  bool Grows() const { return grows_; }
  long long Count() const { return count_; }
  bool Full() const { return first_ + count_ == end_; }

  const ExpenseRecord* Filled() const { return ledger_.m_pRecords + first_; }
  // The free slots, filled from the first; then Taken up to where the
  // filling stopped.
  ExpenseRecord* Free() const { return ledger_.m_pRecords + first_ + count_; }
  ExpenseRecord* FreeEnd() const { return ledger_.m_pRecords + end_; }
  void Taken(const ExpenseRecord* upTo) { count_ = upTo - (ledger_.m_pRecords + first_); }

  // Room for one more record, the ledger grown when it may; false when
  // there is none.
  bool Room() {
    if (!Full()) return true;
    if (!grows_) return false;
    ledger_.m_nCount = static_cast<int>(first_ + count_);  // what growing keeps
    if (!RoomForOneMore(ledger_)) return false;
    end_ = ledger_.m_nCapacity;
    return true;
  }
  void Put(const ExpenseRecord& r) { ledger_.m_pRecords[first_ + count_++] = r; }

 private:
  CExpenseLedger& ledger_;
  long long first_;
  long long end_;
  bool grows_;
  long long count_ = 0;
};

// Rows as csv writes them, read from `bytes` straight into the free slots
// while there are some and the rows come, each with its line end (a CR at
// the end of the bytes is left for the reader, as a LF may follow it), and
// counted in `imported` as they come, while they are at hand.
CsvReader::Run ReadPlainRows(std::string_view bytes, bool last, Slots& slots, Imported& imported) {
  CsvReader::Run run;
  const char* const end = bytes.data() + bytes.size();
  const char* row = bytes.data();
  ExpenseRecord* out = slots.Free();
  for (ExpenseRecord* const outEnd = slots.FreeEnd(); out < outEnd;) {
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
    *out++ = record;
    imported.Add(record);
    row = next;
    run.bytes = static_cast<size_t>(row - bytes.data());
  }
  slots.Taken(out);
  return run;
}

// A CSV's rows: runs of rows as csv writes them read straight into a
// part's slots, any other row split into fields and checked field by field.
class RowReader {
 public:
  RowReader(std::istream& csv, std::uint64_t limit) : reader_(csv, size_t{1} << 16, limit) {}

  CsvReader& Csv() { return reader_; }

  // False when the next row is not one csv writes, or at the end.
  bool NextPlainRun(Slots& slots, Imported& imported) {
    return reader_.NextRun([&](std::string_view bytes, bool last) {
      return ReadPlainRows(bytes, last, slots, imported);
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

// What the rows of one part of a file brought, up to its end, its first
// fault, or its share of slots filled; lines counted from the part's start.
struct Part {
  Imported imported;
  std::optional<RowFault> fault;
  bool endedInQuotes = false;
  bool full = false;  // stopped with its share filled
  int endLine = 1;    // the line after the part's last
};

Part ReadRows(RowReader& rows, Slots& slots) {
  Part part;
  std::variant<ExpenseRecord, RecordProblem> row;
  int line = rows.Csv().Line();
  while (!part.fault) {
    if (rows.NextPlainRun(slots, part.imported)) continue;
    if (!slots.Grows() && slots.Full()) {
      part.full = true;
      break;
    }
    if (!rows.NextChecked(row, line)) break;
    if (const auto* problem = std::get_if<RecordProblem>(&row)) {
      part.fault =
          RowFault{line, problem->field.empty() ? problem->message
                                                : problem->field + ": " + problem->message};
    } else if (!slots.Room()) {
      part.fault = RowFault{line, "too many records to hold"};
    } else {
      slots.Put(std::get<ExpenseRecord>(row));
      part.imported.Add(std::get<ExpenseRecord>(row));
    }
  }
  if (!part.fault && !rows.Csv().Error().empty()) part.fault = RowFault{line, rows.Csv().Error()};
  part.endedInQuotes = rows.Csv().EndedInQuotes();
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
  const int before = ledger.m_nCount;
  Slots slots(ledger, before, ledger.m_nCapacity, true);
  RowReader rows(file, std::numeric_limits<std::uint64_t>::max());
  if (std::optional<RowFault> fault = ReadHeader(rows.Csv())) return *fault;
  Part whole = ReadRows(rows, slots);
  ledger.m_nCount = static_cast<int>(before + slots.Count());
  if (whole.fault) return *whole.fault;
  return whole.imported;
}

// The two halves of a file: the second from just after the first line end
// from the middle, and how many rows the first is likely to hold, at the
// bytes a row takes around the middle.
struct Halves {
  std::uint64_t split = 0;
  long long firstRows = 0;
};

// Nothing when there is no line end after the middle.
std::optional<Halves> SplitInHalves(const std::string& path, std::uint64_t size) {
  std::ifstream file(path, std::ios::binary);
  const std::uint64_t middle = size / 2;
  file.seekg(static_cast<std::streamoff>(middle));
  std::vector<char> window(std::size_t{1} << 16);
  file.read(window.data(), static_cast<std::streamsize>(window.size()));
  const auto read = window.begin() + file.gcount();
  const auto lineEnd = std::find(window.begin(), read, '\n');
  if (lineEnd == read) return std::nullopt;
  const auto lines = static_cast<std::uint64_t>(std::count(lineEnd, read, '\n'));
  Halves halves;
  halves.split = middle + static_cast<std::uint64_t>(lineEnd - window.begin()) + 1;
  halves.firstRows =
      static_cast<long long>(halves.split * lines / static_cast<std::uint64_t>(read - lineEnd));
  return halves;
}

// The part of the file from `start` to its end, as the whole file's
// reader would read it there.
Part ReadSecondHalf(const std::string& path, std::uint64_t start, std::uint64_t size,
                    Slots& slots) {
  std::ifstream file(path, std::ios::binary);
  file.seekg(static_cast<std::streamoff>(start));
  RowReader rows(file, size - start);
  return ReadRows(rows, slots);
}

// The first half's share of slots: what it is likely to hold and an eighth
// more, never more than its bytes can hold. The second half's share
// follows it, as many as its bytes can hold, so that it never fills.
long long FirstShare(const Halves& halves) {
  const long long most = static_cast<long long>(halves.split / kShortestRow) + 1;
  return std::min(most, halves.firstRows + halves.firstRows / 8 + 1024);
}

// Both halves at once, straight into the ledger's array: the first half's
// records where they stay, the second's after the first's share, moved
// down after. The split is just after a line feed, which ends a row unless
// a quoted field holds it, and the first half's reader then ends inside
// that field. When it does not, the second half's reader reads what the
// whole file's would. Otherwise, or when the first half filled its share,
// nothing: the caller reads the file whole.
std::optional<std::variant<Imported, RowFault>> ImportHalves(CExpenseLedger& ledger,
                                                             const std::string& path,
                                                             std::uint64_t size,
                                                             const Halves& halves) {
  const long long before = ledger.m_nCount;
  const long long share = FirstShare(halves);
  const long long capacity =
      before + share + static_cast<long long>((size - halves.split) / kShortestRow) + 1;
  if (capacity > kMostRecords || !ledger.Reserve(static_cast<int>(capacity))) return std::nullopt;
  Slots firstSlots(ledger, before, before + share, false);
  Slots secondSlots(ledger, before + share, capacity, false);
  Part second;
  std::jthread reader([&] { second = ReadSecondHalf(path, halves.split, size, secondSlots); });
  std::ifstream file(path, std::ios::binary);
  RowReader rows(file, halves.split);
  const std::optional<RowFault> headerFault = ReadHeader(rows.Csv());
  const Part first = headerFault ? Part{} : ReadRows(rows, firstSlots);
  reader.join();
  if (headerFault) return *headerFault;
  if (first.endedInQuotes || first.full || second.full) return std::nullopt;
  if (first.fault) return *first.fault;
  if (second.fault) return RowFault{first.endLine + second.fault->line - 1, second.fault->message};
  std::memmove(ledger.m_pRecords + before + firstSlots.Count(), secondSlots.Filled(),
               static_cast<size_t>(secondSlots.Count()) * sizeof(ExpenseRecord));
  ledger.m_nCount = static_cast<int>(before + firstSlots.Count() + secondSlots.Count());
  Imported imported = first.imported;
  imported.Join(second.imported);
  return imported;
}

}  // namespace

std::variant<Imported, RowFault> ImportRows(CExpenseLedger& ledger, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::uint64_t size = FileSize(file);
  if (size >= kHalvesFrom) {
    if (const std::optional<Halves> halves = SplitInHalves(path, size)) {
      if (auto read = ImportHalves(ledger, path, size, *halves)) return *read;
    }
  }
  return ImportWhole(ledger, path, size);
}

}  // namespace ledger_tool
