// Kept apart from the other bitmap members: only programs that load bitmap
// resources need the resource table.
#include "platform/framework/cgdiobject.h"
#include "platform/res/winresource.h"

BOOL CBitmap::LoadBitmap(UINT resourceId) {
  if (resourceId > 0xFFFF) return FALSE;
  return AttachCreated(::LoadBitmap(nullptr, MAKEINTRESOURCE(static_cast<WORD>(resourceId))));
}
