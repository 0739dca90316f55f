#include "ledger/ledger_format.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr char kMagic[] = "ROADtally";  // with its terminating zero
constexpr std::size_t kVersionOffset = 16;
constexpr std::size_t kCountOffset = 20;

}  // namespace

LedgerHeader EncodeLedgerHeader(int count) {
  LedgerHeader header{};
  std::memcpy(header.data(), kMagic, sizeof kMagic);
  header[kVersionOffset] = 1;
  const std::int32_t storedCount = count;
  std::memcpy(header.data() + kCountOffset, &storedCount, sizeof storedCount);
  return header;
}

std::optional<int> ParseHeader(const unsigned char (&header)[kHeaderSize], std::size_t bytesRead) {
  if (bytesRead < kVersionOffset + 3) return std::nullopt;
  if (std::memcmp(header, kMagic, sizeof kMagic) != 0) return std::nullopt;
  const unsigned char* version = header + kVersionOffset;
  if (version[0] != 1 || version[1] != 0 || version[2] != 0) return std::nullopt;
  std::int32_t count = 0;
  std::memcpy(&count, header + kCountOffset, sizeof count);
  if (count < 0 || count > std::numeric_limits<int>::max() - kSpareAfterLoad) return std::nullopt;
  return count;
}

std::string Records(long long count) {
  return std::to_string(count) + (count == 1 ? " record" : " records");
}

std::string DescribeFault(const LedgerFileReport& report) {
  const std::string counts =
      "announces " + Records(report.announced) + ", holds " + std::to_string(report.present);
  switch (report.state) {
    case LedgerFileState::kWhole:
    case LedgerFileState::kMissing: return {};
    case LedgerFileState::kUnreadable: return "cannot read the file: " + report.reason;
    case LedgerFileState::kBadHeader: return "not a Roadtally data file of version 1.0.0";
    case LedgerFileState::kTruncated: return "file is cut short (" + counts + ")";
    case LedgerFileState::kTrailing:
      return "unexpected bytes after the last record (" + counts + ")";
  }
  return "unreadable";
}
