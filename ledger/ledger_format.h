// The data file's bytes: a 24-byte header (magic "ROADtally", version
// 1.0.0, a reserved byte, the record count) followed by the records.
#pragma once

#include <cstddef>
#include <array>
#include <optional>

#include "ledger/expense_record.h"

constexpr std::size_t kHeaderSize = 24;

using LedgerHeader = std::array<unsigned char, kHeaderSize>;

// The header of a file of count records; the records follow it as they
// lie in memory.
LedgerHeader EncodeLedgerHeader(int count);

// The record count a header announces, or nothing when the header is not
// ours: wrong magic, a version other than 1.0.0, or a count that is
// negative or too large for the ledger to hold with its spare slots.
// A file that ends before the version's last byte (19 bytes) is not ours
// either; bytes it lacked after that must be zero in the buffer.
std::optional<int> ParseHeader(const unsigned char (&header)[kHeaderSize], std::size_t bytesRead);

// Spare slots reserved after a load, so the next entries need no growth.
constexpr int kSpareAfterLoad = 10;
