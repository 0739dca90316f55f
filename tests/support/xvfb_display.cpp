#include "tests/support/xvfb_display.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace testing_support {
namespace {

using namespace std::chrono_literals;

constexpr char kXvfb[] = "/usr/bin/Xvfb";
constexpr char kXdotool[] = "/usr/bin/xdotool";

}  // namespace

bool XvfbDisplay::Installed() {
  return ::access(kXvfb, X_OK) == 0 && ::access(kXdotool, X_OK) == 0;
}

bool XvfbDisplay::RequiredHere() { return std::getenv("CI") != nullptr; }

std::unique_ptr<XvfbDisplay> XvfbDisplay::Start() {
  if (::access(kXvfb, X_OK) != 0) return nullptr;
  // -displayfd picks a free display and writes its number on standard output.
  auto server = std::make_unique<ChildProcess>(
      std::vector<std::string>{kXvfb, "-displayfd", "1", "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"},
      std::vector<std::string>{}, ChildProcess::Origin::kSystem);
  if (!server->Started()) return nullptr;
  std::optional<std::string> number = server->ReadLine(20s);
  if (!number || number->empty()) return nullptr;
  return std::make_unique<XvfbDisplay>(std::move(server), ":" + *number);
}

XvfbDisplay::XvfbDisplay(std::unique_ptr<ChildProcess> server, std::string name)
    : server_(std::move(server)), name_(std::move(name)) {}

std::optional<std::string> XvfbDisplay::Xdotool(const std::vector<std::string>& arguments) const {
  std::vector<std::string> argv{kXdotool};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  ChildProcess tool(argv, {Environment()}, ChildProcess::Origin::kSystem);
  ChildProcess::Result result = tool.Wait(20s);
  if (!result.exited || result.exitStatus != 0) return std::nullopt;
  return result.out;
}

}  // namespace testing_support
