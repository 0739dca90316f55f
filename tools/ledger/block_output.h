// Standard output written a block at a time as the text is made, so that
// a listing of any length needs no more memory than the ledger and one
// block.
#pragma once

#include <string>

namespace ledger_tool {

class BlockOutput {
 public:
  BlockOutput();

  // Where the text goes; call Spill after each piece.
  std::string& Text() { return text_; }
  // Writes the text out once it fills a block. False once a write failed
  // (what follows is then dropped).
  bool Spill();
  // Writes what is left; false when any write failed, with errno the
  // failed write's, for OutputFailed.
  bool Finish();

 private:
  bool Write();

  std::string text_;
  int error_ = 0;  // the errno of the write that failed
};

}  // namespace ledger_tool
