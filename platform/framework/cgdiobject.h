// The framework's wrapper of a graphics object handle. Destroying a
// wrapper deletes the object it holds; Detach gives the handle up instead.
#pragma once

#include "platform/gdi/wingdi.h"

namespace framework {
template <class Wrapper>
class HandleMap;
}

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject();
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  // The wrapper for a handle: its owner, or a temporary that does not own it.
  static CGdiObject* FromHandle(HGDIOBJ handle);

  // False when this wrapper already holds an object, the handle is NULL or
  // another wrapper owns it.
  BOOL Attach(HGDIOBJ handle);
  HGDIOBJ Detach();
  BOOL DeleteObject();

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  int GetObject(int size, LPVOID buffer) const { return ::GetObject(m_hObject, size, buffer); }
  UINT GetObjectType() const { return static_cast<UINT>(::GetObjectType(m_hObject)); }
  operator HGDIOBJ() const { return m_hObject; }

  HGDIOBJ m_hObject = nullptr;

 protected:
  // Attaches an object just created for this wrapper, or deletes it when
  // the wrapper cannot take it.
  BOOL AttachCreated(HGDIOBJ created);

 private:
  friend class framework::HandleMap<CGdiObject>;
  // For the handle map: lets a temporary go without deleting the object.
  static void ForgetHandle(CGdiObject& temporary) { temporary.m_hObject = nullptr; }
};
