// The dialog templates: six empty full-screen templates and the About box.
#pragma once

#include <string>
#include <vector>

#include "platform/win/windef.h"

namespace skingen {

struct DialogText {
  WORD id;
  std::string text;  // in the template format the resource loader reads
};

std::vector<DialogText> DialogTemplates();

}  // namespace skingen
