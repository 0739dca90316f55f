#include "tools/ledger/tool_io.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "ledger/data_path.h"
#include "platform/core/utf8.h"
#include "platform/win/files.h"

namespace ledger_tool {

namespace {

constexpr std::size_t kOutputBlock = 1 << 16;

// The device path the file named on the command line is opened under,
// redirected to it (any host path works, whatever its characters).
const std::wstring& DataDevicePath() {
  static const std::wstring path = std::wstring(L"\\roadtally-ledger\\") + kDataFileName;
  return path;
}

// Why the file cannot be used, or empty when it can.
std::string ProblemWith(const LedgerFileReport& report, bool missingIsEmpty) {
  switch (report.state) {
    case LedgerFileState::kWhole: return {};
    case LedgerFileState::kMissing: return missingIsEmpty ? std::string() : "no such file";
    case LedgerFileState::kUnreadable: return DescribeFault(report) + "; nothing changed";
    case LedgerFileState::kBadHeader: return "not a Roadtally data file (bad header)";
    case LedgerFileState::kTruncated:
    case LedgerFileState::kTrailing: return DescribeFault(report);
  }
  return "unreadable";
}

// Long enough for any number of other changes queued before this one.
constexpr std::chrono::milliseconds kOtherToolWait{10000};

// The directory the file goes in, when it is not there (so no save can be).
bool DirectoryMissing(const std::string& hostPath) {
  std::filesystem::path parent = std::filesystem::path(hostPath).parent_path();
  if (parent.empty()) parent = ".";
  std::error_code error;
  return !std::filesystem::is_directory(parent, error);
}

std::string WhyNotLocked(const host::DataFileLock& lock, const std::string& hostPath) {
  switch (lock.state()) {
    case host::DataFileLock::State::kHeld: return {};
    case host::DataFileLock::State::kProgramRuns:
      return "roadtally is running on this file; end it first (nothing changed)";
    case host::DataFileLock::State::kBusy:
      return "another roadtally-ledger kept the file busy too long (nothing changed)";
    case host::DataFileLock::State::kNoPlace:
      if (DirectoryMissing(hostPath)) return "the directory does not exist (nothing changed)";
      return "cannot lock the file: " + lock.Why() + " (nothing changed)";
  }
  return "cannot lock the file";
}

// Writes the whole text to standard output; false if it could not.
bool WriteOutput(const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
         std::fflush(stdout) == 0;
}

}  // namespace

std::string Utf8(const CString& text) {
  // The texts come from the catalogue and number formatting: always valid.
  return platform::Utf8FromWide(static_cast<LPCTSTR>(text)).value_or("?");
}

int Say(const std::string& text) { return WriteOutput(text) ? 0 : OutputFailed(); }

int OutputFailed() { return Fail(std::string("cannot write the output: ") + std::strerror(errno)); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "roadtally-ledger: %s\n", message.c_str());
  return kFailed;
}

std::optional<host::DataFileLock> LockForWriting(const std::string& hostPath) {
  host::DataFileLock lock =
      host::DataFileLock::Acquire(hostPath, host::LockHolder::kTool, kOtherToolWait);
  if (lock.Held()) return lock;
  Fail(hostPath + ": " + WhyNotLocked(lock, hostPath));
  return std::nullopt;
}

bool LoadWhole(CExpenseLedger& ledger, const std::string& hostPath, bool missingIsEmpty) {
  SetPathOverride(DataDevicePath().c_str(), hostPath);
  ledger.Load(DataDevicePath().c_str());
  if (const std::string problem = ProblemWith(ledger.LoadReport(), missingIsEmpty);
      !problem.empty()) {
    Fail(hostPath + ": " + problem);
    return false;
  }
  return true;
}

int SaveFailed(const CExpenseLedger& ledger, const std::string& hostPath) {
  return Fail(hostPath + ": cannot save; the file is unchanged: " + ledger.SaveProblem());
}

BlockOutput::BlockOutput() { text_.reserve(kOutputBlock + 256); }

bool BlockOutput::Write() {
  if (error_ == 0 && !WriteOutput(text_)) error_ = errno != 0 ? errno : EIO;
  text_.clear();
  return error_ == 0;
}

bool BlockOutput::Spill() { return text_.size() < kOutputBlock ? error_ == 0 : Write(); }

bool BlockOutput::Finish() {
  if (Write()) return true;
  errno = error_;
  return false;
}

}  // namespace ledger_tool
