#include "tools/ledger/block_output.h"

#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

constexpr std::size_t kBlock = 1 << 16;

}  // namespace

BlockOutput::BlockOutput() { text_.reserve(kBlock + 256); }

bool BlockOutput::Spill() {
  if (text_.size() < kBlock) return !failed_;
  failed_ = failed_ || !WriteOutput(text_);
  text_.clear();
  return !failed_;
}

bool BlockOutput::Finish() {
  failed_ = failed_ || !WriteOutput(text_);
  text_.clear();
  return !failed_;
}

}  // namespace ledger_tool
