// The root of every class with a message table: the application object,
// windows and dialogs. OnCmdMsg looks a command up in the class's table
// chain.
#pragma once

#include "platform/framework/message_map.h"

class CCmdTarget {
 public:
  CCmdTarget() = default;
  virtual ~CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;

  // Runs the handler of WM_COMMAND id/code if the table chain has one.
  virtual BOOL OnCmdMsg(UINT nID, int nCode);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

  // The first entry in the chain for message (and, for WM_COMMAND, the id
  // and code), or nullptr.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT nID, UINT nCode) const;
};
