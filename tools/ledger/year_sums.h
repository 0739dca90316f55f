// A year's figures per month and for the whole year: exact 64-bit sums of
// the records, divided only when they are shown.
#pragma once

#include <array>
#include <cstdint>

#include "ledger/expense_ledger.h"

namespace ledger_tool {

struct PeriodSums {
  std::int64_t cost = 0;             // hundredths, every record as stored
  std::int64_t refuellingCost = 0;   // hundredths, the refuelling records' part of cost
  std::int64_t distance = 0;         // metres, absolute values (as the month list adds them)
  std::int64_t fuel = 0;             // hundredths of a litre, refuelling records only
  std::int64_t fuelledDistance = 0;  // metres of those same refuelling records
  int records = 0;

  void Add(const ExpenseRecord& r);
};

struct YearSums {
  std::array<PeriodSums, 12> months;  // January first
  PeriodSums year;
};

// One pass over the ledger; records of a month outside 1..12 count nowhere.
YearSums SumYear(const CExpenseLedger& ledger, int year);

}  // namespace ledger_tool
