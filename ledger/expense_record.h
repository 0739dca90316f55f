// One ledger entry: a plain 20-byte structure laid out exactly as in the
// data file, so the whole array is stored and loaded as one block.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

struct ExpenseRecord {
  std::int16_t year;
  std::int16_t month;
  std::int16_t day;
  std::int16_t itemId;    // catalogue id; 0 is refuelling
  std::int32_t cost;      // hundredths of a won
  std::int32_t fuel;      // hundredths of a litre
  std::int32_t distance;  // metres
};

static_assert(sizeof(ExpenseRecord) == 20);
static_assert(offsetof(ExpenseRecord, year) == 0);
static_assert(offsetof(ExpenseRecord, month) == 2);
static_assert(offsetof(ExpenseRecord, day) == 4);
static_assert(offsetof(ExpenseRecord, itemId) == 6);
static_assert(offsetof(ExpenseRecord, cost) == 8);
static_assert(offsetof(ExpenseRecord, fuel) == 12);
static_assert(offsetof(ExpenseRecord, distance) == 16);
// The file is little-endian and records are copied to and from it as bytes.
static_assert(std::endian::native == std::endian::little);

// The device's day number: 31 December (12*31+31 = 403) stays below the 432
// that 1 January of the next year adds on top of the year's 400. It agrees
// with EarlierDay for every real date; EarlierDay is the order.
inline int DateKey(const ExpenseRecord& r) { return r.year * 400 + r.month * 31 + r.day; }

// The ledger's one order: year, then month, then day, each as the signed
// number it is. Unlike DateKey it keeps a month's records together even
// when a foreign file holds an impossible day or month, so the month search
// stays sound. Every sort, order check, insertion and merge uses it; a
// function object, so that they inline it.
inline constexpr auto EarlierDay = [](const ExpenseRecord& a, const ExpenseRecord& b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.month != b.month) return a.month < b.month;
  return a.day < b.day;
};

// Whether two records fall on the same day in that order: the date's three
// fields are the record's first six bytes, compared at once.
inline bool SameDay(const ExpenseRecord& a, const ExpenseRecord& b) {
  return std::memcmp(&a, &b, offsetof(ExpenseRecord, itemId)) == 0;
}

// Records of one month are adjacent once sorted by date key. A pair, not
// year * 12 + month: a foreign file's month 13 of one year must not pass
// for January of the next.
using MonthKeyPair = std::pair<int, int>;
inline MonthKeyPair MonthKey(const ExpenseRecord& r) { return {r.year, r.month}; }
