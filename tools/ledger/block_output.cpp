#include "tools/ledger/block_output.h"

#include <cerrno>

#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

constexpr std::size_t kBlock = 1 << 16;

}  // namespace

BlockOutput::BlockOutput() { text_.reserve(kBlock + 256); }

bool BlockOutput::Write() {
  if (error_ == 0 && !WriteOutput(text_)) error_ = errno != 0 ? errno : EIO;
  text_.clear();
  return error_ == 0;
}

bool BlockOutput::Spill() { return text_.size() < kBlock ? error_ == 0 : Write(); }

bool BlockOutput::Finish() {
  if (Write()) return true;
  errno = error_;
  return false;
}

}  // namespace ledger_tool
