// Character set conversions through iconv, opened once per direction and
// kept by the platform context, so converting a label costs no iconv_open.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <span>

#include "platform/core/context.h"

namespace win {

// One iconv conversion direction.
class CodeConverter {
 public:
  enum class Step {
    kDone,     // all input converted
    kFull,     // output has no room for the next character
    kInvalid,  // the next input bytes are not a character (or have no form in the target)
  };

  // How much of an input the conversion may take before what iconv would
  // wrongly accept (bytes from the start), looking no further than a call
  // with `outputBytes` of room could reach; null when iconv's own checks
  // are enough.
  using Accepted = std::size_t (*)(std::span<const char> input, std::size_t outputBytes);

  CodeConverter(const char* to, const char* from, Accepted accepted = nullptr);
  ~CodeConverter();
  CodeConverter(const CodeConverter&) = delete;
  CodeConverter& operator=(const CodeConverter&) = delete;

  bool IsOpen() const;

  // Starts a new text: forgets any shift state left by the last one.
  void Reset();

  // Converts as much of input as fits in output, advancing both past what
  // was consumed and produced. A sequence cut short by the end of input is
  // kInvalid: nothing follows that could complete it.
  Step Convert(std::span<const char>& input, std::span<char>& output);

 private:
  void* handle_;  // iconv_t
  Accepted accepted_;
};

enum class Conversion { kKoreanToWide, kWideToKorean, kUtf8ToWide, kWideToUtf8, kCount };

class CodeConverters : public platform::Service {
 public:
  // Opened on first use; check IsOpen, iconv may lack the character set.
  CodeConverter& For(Conversion conversion);

 private:
  std::array<std::unique_ptr<CodeConverter>, static_cast<std::size_t>(Conversion::kCount)> open_;
};

}  // namespace win
