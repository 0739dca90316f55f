#include "ledger/date_sort.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#include "ledger/record_array.h"

namespace {

constexpr int kDigits = 6;  // two bytes each of day, month and year
using Histograms = std::array<std::array<std::size_t, 256>, kDigits>;

// Year, month and day as one unsigned number in the same order: each field
// with its sign bit flipped, so that a negative one orders below a
// positive.
std::uint64_t DateBits(const ExpenseRecord& record) {
  auto biased = [](std::int16_t field) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(field) ^ 0x8000u);
  };
  return biased(record.year) << 32 | biased(record.month) << 16 | biased(record.day);
}

// Digit 0 is the day's low byte, digit 5 the year's high byte.
std::uint8_t DateDigit(const ExpenseRecord& record, int digit) {
  return static_cast<std::uint8_t>(DateBits(record) >> (8 * digit));
}

Histograms CountDigits(const ExpenseRecord* records, std::size_t count) {
  Histograms histograms{};
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint64_t bits = DateBits(records[i]);
    for (int digit = 0; digit < kDigits; ++digit)
      ++histograms[digit][static_cast<std::uint8_t>(bits >> (8 * digit))];
  }
  return histograms;
}

// One stable pass: `from` laid into `to` by the digit's value.
void Scatter(const ExpenseRecord* from, ExpenseRecord* to, std::size_t count, int digit,
             const std::array<std::size_t, 256>& histogram) {
  std::array<std::size_t, 256> next{};
  std::size_t start = 0;
  for (int value = 0; value < 256; ++value) {
    next[value] = start;
    start += histogram[value];
  }
  for (std::size_t i = 0; i < count; ++i) to[next[DateDigit(from[i], digit)]++] = from[i];
}

}  // namespace

bool SortRecordsByDate(ExpenseRecord* records, std::size_t count) {
  if (count < 2) return true;
  ExpenseRecord* scratch = NewUnfilledRecordArray(static_cast<long long>(count));
  if (!scratch) return false;
  const Histograms histograms = CountDigits(records, count);
  ExpenseRecord* from = records;
  ExpenseRecord* to = scratch;
  for (int digit = 0; digit < kDigits; ++digit) {
    if (histograms[digit][DateDigit(records[0], digit)] == count) continue;
    Scatter(from, to, count, digit, histograms[digit]);
    std::swap(from, to);
  }
  if (from != records) std::memcpy(records, from, count * sizeof(ExpenseRecord));
  DeleteRecordArray(scratch);
  return true;
}
