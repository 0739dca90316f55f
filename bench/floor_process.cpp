// The least a process of the ledger tool's kind can do, run as a process
// itself so that it pays what any fresh process pays on this machine
// (start, fresh memory for the file) and the tool is held against that:
//   floor_process read-pass FILE   the file read whole, one pass summing
//   floor_process copy-safe FROM TO  FROM read whole, saved crash-safe as TO
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "bench/crash_safe_write.h"
#include "ledger/expense_record.h"
#include "platform/core/zeroed_memory.h"

namespace {

struct FreeBlock {
  void operator()(char* bytes) const { core::FreeZeroed(bytes); }
};

struct WholeFile {
  std::unique_ptr<char[], FreeBlock> bytes;
  std::size_t size = 0;
};

bool ReadWhole(const char* path, WholeFile& file) {
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const off_t size = ::lseek(fd, 0, SEEK_END);
  file.size = size > 0 ? static_cast<std::size_t>(size) : 0;
  // Fresh memory taken the cheapest way the ledger knows, so that the
  // floor stays below what the tool can do.
  file.bytes.reset(static_cast<char*>(core::AllocateZeroed(std::max<std::size_t>(file.size, 1))));
  std::size_t done = 0;
  while (file.bytes && done < file.size) {
    const ssize_t got =
        ::pread(fd, file.bytes.get() + done, file.size - done, static_cast<off_t>(done));
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  return done == file.size;
}

long long PassOverRecords(const WholeFile& file) {
  long long sum = 0;
  for (std::size_t at = 24; at + sizeof(ExpenseRecord) <= file.size; at += sizeof(ExpenseRecord)) {
    ExpenseRecord r;
    std::memcpy(&r, file.bytes.get() + at, sizeof r);
    sum += r.cost + r.distance + r.fuel;
  }
  return sum;
}

}  // namespace

int main(int argc, char** argv) {
  WholeFile file;
  if (argc < 3 || !ReadWhole(argv[2], file)) return 2;
  const std::string_view mode = argv[1];
  if (mode == "read-pass" && argc == 3) return PassOverRecords(file) == -1 ? 1 : 0;
  if (mode == "copy-safe" && argc == 4)
    return bench::WriteCrashSafe(argv[3], std::string_view(file.bytes.get(), file.size)) ? 0 : 1;
  return 2;
}
