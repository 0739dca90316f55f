// Any bytes as a data file: whatever the ledger loads, it saves back as a
// valid file that reloads to the same records in the same order. The save
// goes to a simulated disk, so millions of runs cost no disk syncs.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>

#include "fuzz/fuzz_check.h"
#include "ledger/expense_ledger.h"
#include "ledger/ledger_file.h"
#include "platform/win/files.h"
#include "tests/durability/simulated_disk.h"

namespace {

// The file the input is loaded from, removed when the fuzzer exits.
class ScratchFile {
 public:
  ScratchFile() {
    const char* dir = std::getenv("TMPDIR");
    m_path = std::string(dir && *dir ? dir : "/tmp") + "/roadtally-fuzz-" +
             std::to_string(::getpid()) + ".dat";
  }
  ~ScratchFile() { ::unlink(m_path.c_str()); }
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

const std::string& ScratchPath() {
  static const ScratchFile s_file;
  return s_file.path();
}

std::wstring Device(const std::string& hostPath) {
  std::wstring device;
  for (char c : hostPath)
    device += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return device;
}

void LoadBytes(CExpenseLedger& ledger, const void* data, std::size_t size) {
  const int fd = ::open(ScratchPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  Require(fd >= 0 && ::write(fd, data, size) == static_cast<ssize_t>(size),
          "the scratch file takes the input");
  ::close(fd);
  ledger.Load(Device(ScratchPath()).c_str());
}

// Year, month, day: the date order for real days, and one that keeps a
// month together even when a foreign file holds an impossible day.
bool InDateOrder(const CExpenseLedger& ledger) {
  auto key = [](const ExpenseRecord& r) { return std::tie(r.year, r.month, r.day); };
  for (int i = 1; i < ledger.m_nCount; ++i)
    if (key(ledger.m_pRecords[i]) < key(ledger.m_pRecords[i - 1])) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CExpenseLedger first;
  LoadBytes(first, data, size);
  Require(first.m_nCount >= 0 && first.m_nCount <= first.m_nCapacity, "count within capacity");
  Require(InDateOrder(first), "a loaded ledger is in date order");

  durability::SimulatedDisk disk;
  disk.PutFile("/saved/other", {});
  InstallSaveCalls(&disk);
  const bool saved = first.Save(L"\\saved\\Roadtally.dat");
  InstallSaveCalls(nullptr);
  Require(saved, "the save succeeds");
  const durability::Bytes file = disk.File("/saved/Roadtally.dat").value_or(durability::Bytes{});
  Require(
      file.size() == kHeaderSize + sizeof(ExpenseRecord) * static_cast<std::size_t>(first.m_nCount),
      "the saved file is a header and the records");

  CExpenseLedger second;
  LoadBytes(second, file.data(), file.size());
  Require(second.LoadProblem().empty(), "the saved file loads without a problem");
  Require(second.m_nCount == first.m_nCount, "the reload holds as many records");
  Require(first.m_nCount == 0 || std::memcmp(first.m_pRecords, second.m_pRecords,
                                             sizeof(ExpenseRecord) * first.m_nCount) == 0,
          "the reload holds the same records in the same order");
  return 0;
}
