// Any text as a dialog template: rejected whole or parsed into a template
// whose sizes are not negative.
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/res/dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parsed =
      res::ParseDialogTemplate(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!parsed) return 0;
  Require(parsed->cx >= 0 && parsed->cy >= 0, "the dialog's size is not negative");
  for (const res::DialogItem& item : parsed->items)
    Require(item.cx >= 0 && item.cy >= 0 && !item.className.empty(),
            "every control has a class and a size");
  return 0;
}
