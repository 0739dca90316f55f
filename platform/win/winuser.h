// The window manager's programming interface: window classes, windows,
// messages, painting, timers, capture, focus and activation, and the clock.
// Values are the Win32 ones, so code written for the device reads and
// behaves unchanged.
#pragma once

#include "platform/core/windef.h"

// Messages.
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_USER 0x0400

// WM_ACTIVATE's low word.
#define WA_INACTIVE 0
#define WA_ACTIVE 1

// WM_SIZE's wParam.
#define SIZE_RESTORED 0

// Key and button state in pen messages' wParam.
#define MK_LBUTTON 0x0001

// Virtual keys.
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_NUMPAD0 0x60
#define VK_NUMPAD1 0x61
#define VK_NUMPAD2 0x62
#define VK_NUMPAD3 0x63
#define VK_NUMPAD4 0x64
#define VK_NUMPAD5 0x65
#define VK_NUMPAD6 0x66
#define VK_NUMPAD7 0x67
#define VK_NUMPAD8 0x68
#define VK_NUMPAD9 0x69
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73

// Window styles.
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L

// Class styles.
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002

// ShowWindow commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5

// Dialog results and standard command ids.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDYES 6
#define IDCLOSE 8

// Message box styles: buttons in the low bits, the icon above them.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L

// PeekMessage options.
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// GetWindow relations.
#define GW_OWNER 4

// Get/SetWindowLongPtr slots.
#define GWLP_WNDPROC (-4)
#define GWL_STYLE (-16)
#define GWLP_USERDATA (-21)

using ATOM = WORD;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt = {0, 0};
};
using LPMSG = MSG*;

struct WNDCLASSW {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  HINSTANCE hInstance = nullptr;
  HICON hIcon = nullptr;
  LPCWSTR lpszClassName = nullptr;
};
using WNDCLASS = WNDCLASSW;

struct CREATESTRUCTW {
  LPVOID lpCreateParams = nullptr;
  HINSTANCE hInstance = nullptr;
  HMENU hMenu = nullptr;
  HWND hwndParent = nullptr;
  int cy = 0;
  int cx = 0;
  int y = 0;
  int x = 0;
  LONG style = 0;
  LPCWSTR lpszName = nullptr;
  LPCWSTR lpszClass = nullptr;
  DWORD dwExStyle = 0;
};
using CREATESTRUCT = CREATESTRUCTW;
using LPCREATESTRUCT = CREATESTRUCTW*;

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;
  RECT rcPaint = {0, 0, 0, 0};
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

// Window classes.
ATOM RegisterClassW(const WNDCLASSW* wndClass);
BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wndClass);
inline constexpr auto& RegisterClass = RegisterClassW;

// Windows.
// This platform's own: lets the framework attach its window object to a
// window while it is being created, before the window receives its first
// message (WM_NCCREATE). Called once with the new window's handle by the
// next CreateWindowEx of this thread, then forgotten. A second call replaces
// a hook not yet used.
namespace win {
using CreationHook = void (*)(HWND hwnd, void* context);
void SetCreationHook(CreationHook hook, void* context);
}  // namespace win
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
HWND FindWindowW(LPCWSTR className, LPCWSTR windowName);
inline constexpr auto& FindWindow = FindWindowW;
BOOL SetForegroundWindow(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL GetWindowRect(HWND hwnd, LPRECT rect);  // screen coordinates
BOOL EnableWindow(HWND hwnd, BOOL enable);   // returns TRUE if it was disabled before
BOOL IsWindowEnabled(HWND hwnd);
HWND GetParent(HWND hwnd);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);
BOOL IsChild(HWND parent, HWND hwnd);
LONG_PTR GetWindowLongPtrW(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
int GetWindowTextW(HWND hwnd, LPWSTR buffer, int size);

// Drawing onto a window.
HDC GetDC(HWND hwnd);  // NULL: a DC compatible with the screen
int ReleaseDC(HWND hwnd, HDC hdc);
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);  // NULL rect: the whole client
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL UpdateWindow(HWND hwnd);
HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

// Messages.
LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
inline constexpr auto& DefWindowProc = DefWindowProcW;
LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
inline constexpr auto& SendMessage = SendMessageW;
BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
inline constexpr auto& PostMessage = PostMessageW;
void PostQuitMessage(int exitCode);
// The window and range filters are accepted and ignored: every loop of this
// program takes all messages. GetMessage returns FALSE for WM_QUIT.
BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// This platform's own, for a button's pressed look: pen input that has
// arrived and not been taken is discarded from its first pen-down on (taps
// made during the look), the release of the tap being acted on kept. Keys
// are kept.
void DiscardPenPresses();
LRESULT DispatchMessageW(const MSG* msg);
BOOL TranslateMessage(const MSG* msg);

// Timers: a window's only, delivered as WM_TIMER; a procedure is refused.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);

// Pen capture, focus, activation.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);

// The clock and sleeping come from the host: real in a desktop window,
// virtual when headless, where Sleep advances the clock at once.
void Sleep(DWORD milliseconds);
void GetLocalTime(LPSYSTEMTIME time);

// The device's program detaches input methods from its windows; this
// platform has none, so the call does nothing.
inline HIMC ImmAssociateContext(HWND, HIMC) { return nullptr; }
