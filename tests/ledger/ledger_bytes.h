// Data files built byte by byte, independently of the ledger's own
// encoder, and small helpers for files in a scratch directory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ledger/expense_record.h"

namespace ledger_test {

using Bytes = std::vector<unsigned char>;

inline void PutLittle(Bytes& out, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

inline Bytes Header(std::int32_t count) {
  Bytes out = {'R', 'O', 'A', 'D', 't', 'a', 'l', 'l', 'y', 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
  PutLittle(out, static_cast<std::uint32_t>(count), 4);
  return out;
}

inline void PutRecord(Bytes& out, int year, int month, int day, int item, std::int32_t cost,
                      std::int32_t fuel, std::int32_t distance) {
  PutLittle(out, static_cast<std::uint32_t>(year), 2);
  PutLittle(out, static_cast<std::uint32_t>(month), 2);
  PutLittle(out, static_cast<std::uint32_t>(day), 2);
  PutLittle(out, static_cast<std::uint32_t>(item), 2);
  PutLittle(out, static_cast<std::uint32_t>(cost), 4);
  PutLittle(out, static_cast<std::uint32_t>(fuel), 4);
  PutLittle(out, static_cast<std::uint32_t>(distance), 4);
}

inline ExpenseRecord Record(int year, int month, int day, int item = 0, std::int32_t cost = 100,
                            std::int32_t fuel = 0, std::int32_t distance = 0) {
  return ExpenseRecord{static_cast<std::int16_t>(year),
                       static_cast<std::int16_t>(month),
                       static_cast<std::int16_t>(day),
                       static_cast<std::int16_t>(item),
                       cost,
                       fuel,
                       distance};
}

// A whole data file holding the records, as the ledger stores them.
inline Bytes FileOf(const std::vector<ExpenseRecord>& records) {
  Bytes bytes = Header(static_cast<std::int32_t>(records.size()));
  for (const ExpenseRecord& r : records)
    PutRecord(bytes, r.year, r.month, r.day, r.itemId, r.cost, r.fuel, r.distance);
  return bytes;
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
Bytes ReadBytes(const std::filesystem::path& path);
// The device form of a host path: '/' becomes '\'.
std::wstring DevicePath(const std::filesystem::path& path);

// A fresh directory under the temporary directory, removed at the end.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  const std::filesystem::path& path() const { return m_path; }
  std::wstring Device(const std::string& name) const { return DevicePath(m_path / name); }

 private:
  std::filesystem::path m_path;
};

}  // namespace ledger_test
