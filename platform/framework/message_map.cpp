// The table lookup that every class with a message table inherits.
#include "platform/framework/message_map.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT nID, UINT nCode) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry) {
      if (entry->nMessage != message) continue;
      if (message != WM_COMMAND) return entry;
      if (entry->nCode == nCode && nID >= entry->nID && nID <= entry->nLastID) return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode) {
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, nID, static_cast<UINT>(nCode));
  if (!entry) return FALSE;
  entry->pfn(this, MAKELONG(static_cast<WORD>(nID), static_cast<WORD>(nCode)), 0);
  return TRUE;
}
