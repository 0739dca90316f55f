#include "tools/ledger/plain_row.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#include "app/calendar.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/csv_reader.h"
#include "tools/ledger/record_input.h"
#include "tools/ledger/record_text.h"

namespace ledger_tool {

namespace {

// One or two digits and a comma from `at`, as the item's id: where the
// name after them starts, or null. Without a branch on the id's length,
// which rows of random items would mispredict at every other row.
const char* ReadItemId(const char* at, int& item) {
  const unsigned first = static_cast<unsigned char>(at[0]) - '0';
  const unsigned second = static_cast<unsigned char>(at[1]) - '0';
  const bool oneDigit = at[1] == ',';
  const bool twoDigits = (second <= 9) & (at[2] == ',');  // never both
  if (!((first <= 9) & (oneDigit | twoDigits))) return nullptr;
  const unsigned two = twoDigits;  // 0 or 1, a factor rather than a branch
  item = static_cast<int>(first * (1 + 9 * two) + second * two);
  return at + 2 + two;
}

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

constexpr std::uint64_t kOnes = 0x0101010101010101;
static_assert(std::endian::native == std::endian::little, "the first byte is the lowest");

// Eight bytes from p, the first the lowest.
std::uint64_t Word(const char* p) {
  std::uint64_t word = 0;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// How many of the eight bytes (each less '0', the first the lowest) are
// digits before the first that is not: 8 when all are. A byte below '0'
// borrows from the bytes after it, which are not looked at.
int LeadingDigits(std::uint64_t lessZero) {
  const std::uint64_t notDigit = (lessZero | (lessZero + kOnes * 0x76)) & (kOnes * 0x80);
  return std::countr_zero(notDigit) / 8;
}

// The number that the first `count` (1 to 7) digits of the eight bytes
// make: moved to the top, zeros before them, then joined in pairs, fours
// and eights by three multiplications.
std::uint64_t DigitsValue(std::uint64_t lessZero, int count) {
  std::uint64_t v = lessZero << (8 * (8 - count));
  v = v * 10 + (v >> 8);
  constexpr std::uint64_t kLowBytes = 0x000000FF000000FF;
  return ((v & kLowBytes) * (100 + (std::uint64_t{1000000} << 32)) +
          ((v >> 16) & kLowBytes) * (1 + (std::uint64_t{10000} << 32))) >>
         32;
}

// A value as csv writes it, up to seven digits, a point and exactly
// `decimals` digits, read a word at a time where a byte at a time would
// mispredict a branch at every value's end; false for any other (which
// ReadPlainValue then reads). Needs sixteen bytes from `at`.
template <int decimals, bool lastValue>
inline bool ReadWrittenValue(const char*& at, std::int32_t& value) {
  const std::uint64_t lessZero = Word(at) - kOnes * '0';
  const int whole = LeadingDigits(lessZero);
  if (whole == 0 || whole == 8 || at[whole] != '.') return false;
  const char* p = at + whole + 1;
  const std::uint64_t decimalsLessZero = Word(p) - kOnes * '0';
  if (LeadingDigits(decimalsLessZero) != decimals) return false;
  std::uint64_t digits = DigitsValue(lessZero, whole);
  for (int i = 0; i < decimals; ++i) digits = digits * 10 + ((decimalsLessZero >> (8 * i)) & 0xFF);
  p += decimals;
  const bool ended = lastValue ? *p == '\n' || *p == '\r' : *p == ',';
  if (!ended || digits > 0x7FFFFFFF) return false;
  value = static_cast<std::int32_t>(digits);
  at = p + (lastValue ? 0 : 1);
  return true;
}

// What ReadPlainValue reads a byte at a time: any value but those csv
// writes with room after them.
template <int decimals, bool lastValue>
bool ReadValueByBytes(const char*& at, const char* end, bool last, std::int32_t& value) {
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

// Up to nine digits, then a point and up to `decimals` digits, ending at a
// comma, or for the row's last value at its line end or the file's: the
// value in units of 1/10^decimals, as ReadScaled reads it. `at` is left
// after the comma, or on the line end; false for any other text and for a
// value the record cannot hold, or (with `at` at `end`) when the bytes ran
// out. Said inline, as GCC otherwise calls it at a tenth of a row's cost.
template <int decimals, bool lastValue>
inline bool ReadPlainValue(const char*& at, const char* end, bool last, std::int32_t& value) {
  constexpr std::ptrdiff_t kWordRead = 16;
  return (end - at >= kWordRead && ReadWrittenValue<decimals, lastValue>(at, value)) ||
         ReadValueByBytes<decimals, lastValue>(at, end, last, value);
}

// A name as csv writes it and the comma after it, laid in four words with
// masks over its bytes, so that it is compared with a row's 32 bytes in
// the same few steps whatever its length: a branch on the length would
// mispredict at rows of random items.
class NameField {
 public:
  NameField() = default;
  explicit NameField(std::string_view name) : size_(name.size()) {
    if (name.size() + 1 > sizeof(words_)) return;  // never matches, scanned instead
    const std::string field = std::string(name) + ',';
    for (size_t i = 0; i < field.size(); ++i) {
      const int shift = static_cast<int>(8 * (i % 8));
      words_[i / 8] |= std::uint64_t{static_cast<unsigned char>(field[i])} << shift;
      masks_[i / 8] |= std::uint64_t{0xFF} << shift;
    }
  }
  size_t Size() const { return size_; }
  // Whether the 32 bytes from `at` start with the name and a comma.
  bool Starts(const char* at) const {
    std::uint64_t differ = masks_[0] == 0;
    for (size_t i = 0; i < words_.size(); ++i) differ |= (Word(at + 8 * i) ^ words_[i]) & masks_[i];
    return differ == 0;
  }

 private:
  std::array<std::uint64_t, 4> words_{};
  std::array<std::uint64_t, 4> masks_{};
  size_t size_ = 0;
};

// The catalogue's ids under 64 as bits (a row naming any other is checked
// field by field), and the names csv writes for them.
struct PlainItems {
  std::uint64_t catalogued = 0;
  std::array<NameField, 64> names{};

  PlainItems() {
    for (int id = 0; id < 64; ++id) {
      if (!IsCatalogued(id)) continue;
      catalogued |= std::uint64_t{1} << id;
      names[static_cast<size_t>(id)] = NameField(ItemName(id));
    }
  }
  bool Has(int id) const { return id < 64 && ((catalogued >> id) & 1) != 0; }
};

// Where the unquoted name field from `at` ends: its own catalogue name is
// compared whole, as nearly every row carries it, before the field is
// scanned for its end. Needs 32 bytes from `at`.
const char* NameEnd(const char* start, const char* at, const char* end, const NameField& name) {
  if (name.Starts(at)) return at + name.Size();
  return start + PlainEnd(start, static_cast<size_t>(at - start), static_cast<size_t>(end - start));
}

// YYYY-MM-DD at p, a real day of years 1..9999: what ReadDate reads, its
// first eight bytes a word at a time, the dashes made zeros.
bool ReadPlainDate(const char* p, Date& date) {
  constexpr std::uint64_t kDashBytes = 0xFF0000FF00000000;  // "YYYY-MM-"
  const std::uint64_t word = Word(p);
  if ((word & kDashBytes) != (kOnes * '-' & kDashBytes)) return false;
  const std::uint64_t lessZero = ((word & ~kDashBytes) | (kOnes * '0' & kDashBytes)) - kOnes * '0';
  const unsigned dayTens = static_cast<unsigned char>(p[8]) - '0';
  const unsigned dayOnes = static_cast<unsigned char>(p[9]) - '0';
  if (LeadingDigits(lessZero) != 8 || dayTens > 9 || dayOnes > 9) return false;
  const std::uint64_t pairs = lessZero * 10 + (lessZero >> 8);  // YY YY at bytes 0 and 2
  const int year = static_cast<int>((pairs & 0xFF) * 100 + ((pairs >> 16) & 0xFF));
  const int month = static_cast<int>((pairs >> 40) & 0xFF);
  const int day = static_cast<int>(dayTens * 10 + dayOnes);
  if (year < 1 || month < 1 || month > 12 || day < 1 ||
      (day > 28 && day > DaysInMonth(year, month)))
    return false;
  date = Date{year, month, day};
  return true;
}

}  // namespace

size_t ReadPlainRow(std::string_view bytes, bool last, ExpenseRecord& record) {
  const char* const start = bytes.data();
  const char* const end = start + bytes.size();
  Date date{};
  // The date, the item's id and the name's first 32 bytes are read without
  // looking for the bytes' end; fewer are left only at the file's end,
  // where the row is checked field by field.
  static_assert(kPlainRowLeast >= 13 + 32, "a two-digit id's name starts at 13");
  if (bytes.size() < kPlainRowLeast) return OutOfBytes(last);
  if (start[10] != ',' || !ReadPlainDate(start, date)) return 0;
  int item = 0;
  const char* at = ReadItemId(start + 11, item);
  if (!at) return 0;
  static const PlainItems items;
  if (!items.Has(item) || *at == '"') return 0;
  at = NameEnd(start, at, end, items.names[static_cast<size_t>(item)]);
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

}  // namespace ledger_tool
