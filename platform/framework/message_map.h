// Static message tables. Each class with a table defines GetThisMessageMap,
// whose table names its base class's, so lookup walks from the most derived
// class to CCmdTarget. An entry's handler is a captureless lambda that casts
// the target to the class that wrote the entry and calls the member with
// the message's parameters unpacked, so no member-function pointer is ever
// converted between signatures.
//
// Handlers are named bare, as the class's own members:
//   ON_COMMAND(ID_APP_ABOUT, OnAbout)   ON_MESSAGE(WM_USER + 1, OnRefresh)
#pragma once

#include "platform/core/windef.h"
#include "platform/win/winuser.h"

class CCmdTarget;

#define afx_msg

using AFX_PMSG = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // 0 ends the table
  UINT nCode;     // WM_COMMAND: the notification code
  UINT nID;       // WM_COMMAND: the first id of the range
  UINT nLastID;
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();  // NULL for CCmdTarget's own
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                       \
 protected:                                         \
  static const AFX_MSGMAP* GetThisMessageMap();     \
  const AFX_MSGMAP* GetMessageMap() const override; \
                                                    \
 private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                    \
  { 0, 0, 0, 0, nullptr }                                                    \
  }                                                                          \
  ;                                                                          \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

#define AFX_SELF static_cast<ThisClass*>(target)
#define AFX_ENTRY(message, body) \
  {message, 0, 0, 0, [](CCmdTarget * target, WPARAM wParam, LPARAM lParam) -> LRESULT body},

#define ON_WM_CREATE() \
  AFX_ENTRY(WM_CREATE, { return AFX_SELF->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)); })
#define ON_WM_PAINT()    \
  AFX_ENTRY(WM_PAINT, {  \
    AFX_SELF->OnPaint(); \
    return 0;            \
  })
#define ON_WM_CLOSE()    \
  AFX_ENTRY(WM_CLOSE, {  \
    AFX_SELF->OnClose(); \
    return 0;            \
  })
#define ON_WM_ERASEBKGND() \
  AFX_ENTRY(WM_ERASEBKGND, \
            { return AFX_SELF->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))); })
#define AFX_PEN_ENTRY(message, handler)                                    \
  AFX_ENTRY(message, {                                                     \
    AFX_SELF->handler(static_cast<UINT>(wParam),                           \
                      CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); \
    return 0;                                                              \
  })
#define ON_WM_LBUTTONDOWN() AFX_PEN_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_PEN_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_MOUSEMOVE() AFX_PEN_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define AFX_KEY_ENTRY(message, handler)                                              \
  AFX_ENTRY(message, {                                                               \
    AFX_SELF->handler(static_cast<UINT>(wParam), LOWORD(static_cast<DWORD>(lParam)), \
                      HIWORD(static_cast<DWORD>(lParam)));                           \
    return 0;                                                                        \
  })
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_TIMER()                                 \
  AFX_ENTRY(WM_TIMER, {                               \
    AFX_SELF->OnTimer(static_cast<UINT_PTR>(wParam)); \
    return 0;                                         \
  })
#define ON_WM_SIZE()                                                                \
  AFX_ENTRY(WM_SIZE, {                                                              \
    AFX_SELF->OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<DWORD>(lParam)), \
                     HIWORD(static_cast<DWORD>(lParam)));                           \
    return 0;                                                                       \
  })
#define ON_WM_ACTIVATE()                                                   \
  AFX_ENTRY(WM_ACTIVATE, {                                                 \
    AFX_SELF->OnActivate(LOWORD(static_cast<DWORD>(wParam)),               \
                         CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), \
                         HIWORD(static_cast<DWORD>(wParam)));              \
    return 0;                                                              \
  })

// WM_COMMAND entries match the id (low word of wParam) and the notification
// code (high word; 0 for menu commands, keys and button clicks).
#define ON_COMMAND(id, memberFxn)                               \
  {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), \
   [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {          \
     AFX_SELF->memberFxn();                                     \
     return 0;                                                  \
   }},
#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn)                     \
  {WM_COMMAND, 0, static_cast<UINT>(idFirst), static_cast<UINT>(idLast), \
   [](CCmdTarget* target, WPARAM wParam, LPARAM) -> LRESULT {            \
     AFX_SELF->memberFxn(LOWORD(static_cast<DWORD>(wParam)));            \
     return 0;                                                           \
   }},
#define ON_MESSAGE(message, memberFxn) \
  AFX_ENTRY(message, { return AFX_SELF->memberFxn(wParam, lParam); })

// The root of every class with a message table: the application object,
// windows and dialogs.
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
