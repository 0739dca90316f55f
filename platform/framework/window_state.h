// The framework's process-wide state, one service in the platform context:
// which CWnd stands for which window, the messages being handled (for
// Default()), and the application object.
#pragma once

#include <vector>

#include "platform/core/context.h"
#include "platform/framework/handle_map.h"
#include "platform/win/winuser.h"

class CWnd;
class CWinApp;

namespace framework {

class WindowState : public platform::Service {
 public:
  WindowState();
  static WindowState& Get() { return platform::Context::Get().Use<WindowState>(); }

  HandleMap<CWnd> wrappers;  // each framework window's CWnd, and temporaries for others
  std::vector<MSG> current;  // innermost last
  CWinApp* app = nullptr;
  bool defaultClassRegistered = false;
};

// The procedure of every framework window: hands the message to its CWnd.
LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The framework's default window class, registered on first use.
LPCWSTR DefaultWindowClass();

}  // namespace framework
