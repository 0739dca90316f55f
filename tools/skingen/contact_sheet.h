// Every bitmap at twice its size with its id beneath, for review at a glance.
#pragma once

#include "tools/skingen/skin_set.h"

namespace skingen {

Canvas DrawContactSheet(const SkinSet& skins, const Canvas& icon);

}  // namespace skingen
