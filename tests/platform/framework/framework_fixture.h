// Each framework test gets a fresh platform, the scripted host and its own
// application object.
#pragma once

#include "platform/framework/afxwin.h"
#include "tests/platform/win/fake_host.h"

namespace framework_test {

class TestApp : public CWinApp {
 public:
  BOOL InitInstance() override { return init ? init() : FALSE; }
  std::function<BOOL()> init;
};

class FrameworkTest : public win_test::WindowTest {
 protected:
  TestApp app;
};

// Runs the loop the way the application does, to its exit code.
inline int RunApp(TestApp& app) { return app.Run(); }

}  // namespace framework_test
