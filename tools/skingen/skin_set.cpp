#include "tools/skingen/skin_set.h"

namespace skingen {

SkinSet DrawAllSkins() {
  SkinSet set;
  AddCalendarSkins(set);
  AddListBoxSkins(set);
  AddEntrySkins(set);
  AddMonthListSkins(set);
  AddKeypadSkins(set);
  AddMessageBoxSkins(set);
  return set;
}

}  // namespace skingen
