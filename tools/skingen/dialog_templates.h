// The dialog templates: six empty full-screen templates (the dialogs size
// and paint themselves) and the About box, as template text.
#pragma once

#include <string>
#include <vector>

namespace skingen {

struct DialogText {
  int id;
  std::string text;  // UTF-8, one directive per line
};

std::vector<DialogText> DialogTemplates();

}  // namespace skingen
