#include "platform/host/launcher.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "platform/core/context.h"
#include "platform/host/command_line.h"
#include "platform/host/framebuffer_host.h"
#include "platform/host/socket_instance_broker.h"
#include "platform/win/files.h"

namespace host {
namespace {

constexpr int kNoDisplayStatus = 1;
constexpr int kBadArgumentStatus = 2;
constexpr int kDataFileBusyStatus = 1;
constexpr int kBadDataFileStatus = 1;

std::unique_ptr<std::istream> OpenScript(const std::string& name) {
  if (name == "-") return std::make_unique<std::istream>(std::cin.rdbuf());
  auto file = std::make_unique<std::ifstream>(name);
  if (!*file) return nullptr;
  return file;
}

// The program on a host that shows it, under the single-instance claim.
// `finish` gives the exit status for the program's when it ran to its end
// here (not ended at once by a second start).
int RunOnHost(std::unique_ptr<Host> host, std::function<void()> onRaise,
              const std::string& dataPath, const ProgramParts& parts,
              const std::function<int(int)>& finish = {}) {
  platform::Context::Get().Install<Host>(std::move(host));
  // The broker takes the data file's lock before the program reads the file.
  auto installed = std::make_unique<SocketInstanceBroker>(dataPath, std::move(onRaise));
  const SocketInstanceBroker& broker = *installed;
  platform::Context::Get().Install<InstanceBroker>(std::move(installed));
  if (broker.LockState() == DataFileLock::State::kBusy) {
    std::cerr << "roadtally: " << broker.DataPath()
              << " is being changed by roadtally-ledger for too long; try again\n";
    return kDataFileBusyStatus;
  }
  const int status = parts.run();
  if (broker.RaisedElsewhere()) {
    std::cerr << "roadtally: already running on " << broker.DataPath()
              << "; brought it to the front\n";
    return status;
  }
  return finish ? finish(status) : status;
}

// The panel shows this program alone: a second start has nothing to raise.
int RunOnFramebuffer(const CommandLine& options, const std::string& dataPath,
                     const ProgramParts& parts) {
  std::string error;
  std::unique_ptr<FramebufferHost> panel = FramebufferHost::Open(options, error, std::cerr);
  if (!panel) {
    std::cerr << "roadtally: cannot draw on the framebuffer (" << error << ")\n";
    return kNoDisplayStatus;
  }
  return RunOnHost(std::move(panel), {}, dataPath, parts);
}

int RunHeadless(const CommandLine& options, const std::string& dataPath,
                const ProgramParts& parts) {
  std::unique_ptr<std::istream> script = OpenScript(options.script);
  if (!script) {
    std::cerr << "roadtally: cannot read the script '" << options.script << "'\n";
    return kBadArgumentStatus;
  }
  auto headless =
      std::make_unique<HeadlessHost>(std::move(script), options.today, parts.writeShot, std::cerr);
  HeadlessHost& host = *headless;
  // Nothing to raise without a window, but the claim keeps a second start out.
  return RunOnHost(std::move(headless), {}, dataPath, parts,
                   [&host](int status) { return host.Finish(status); });
}

int RunInWindow(const CommandLine& options, const std::string& dataPath,
                const ProgramParts& parts) {
  std::string error;
  std::optional<WindowIcon> icon = parts.loadIcon ? parts.loadIcon() : std::nullopt;
  std::unique_ptr<WindowHost> window =
      OpenWindowHost({options.scale, options.fullscreen, options.today, icon}, error);
  if (!window) {
    std::cerr << "roadtally: cannot open a window (" << error
              << "); run with --headless and a script, or under xvfb-run\n";
    return kNoDisplayStatus;
  }
  WindowHost& host = *window;
  return RunOnHost(
      std::move(window), [&host] { host.PostRaiseRequest(); }, dataPath, parts);
}

// The data file's host path (ChooseDataFile), decided here once and bound
// to the device path of the program's own rule.
DataFileChoice DataPath(const CommandLine& options, const ProgramParts& parts) {
  const std::wstring module = ModulePath();
  if (!parts.dataPathFor) {
    if (module.empty() && !options.dataPath) return ChooseDataFile({}, {}, false, {});
    return {options.dataPath.value_or(HostPathFromDevice(module.c_str())), {}};
  }
  const std::wstring device = parts.dataPathFor(module);
  std::optional<std::string> beside;
  if (!module.empty()) beside = HostPathFromDevice(device.c_str());
  std::error_code error;
  DataFileChoice choice =
      ChooseDataFile(options.dataPath, beside, beside && std::filesystem::exists(*beside, error),
                     UserDataDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
  if (choice.error.empty()) SetProgramDataFile(device.c_str(), choice.path);
  return choice;
}

}  // namespace

int Launch(std::span<const std::string_view> arguments, const ProgramParts& parts) {
  ParsedCommandLine parsed = ParseCommandLine(arguments);
  if (!parsed.options) {
    std::cerr << "roadtally: " << parsed.error << " (see --help)\n";
    return kBadArgumentStatus;
  }
  const CommandLine& options = *parsed.options;
  if (options.action == CommandLine::Action::Help) {
    std::cout << HelpText();
    return 0;
  }
  if (options.action == CommandLine::Action::Version) {
    std::cout << VersionText();
    return 0;
  }
  const DataFileChoice choice = DataPath(options, parts);
  if (!choice.error.empty()) {
    std::cerr << "roadtally: " << choice.error << '\n';
    return kBadDataFileStatus;
  }
  const std::string& dataPath = choice.path;
  // The user's data directory is made on the first start, or the first
  // --where (so the ledger tool can create the file there); a --data file's
  // is the user's business.
  if (!options.dataPath && !MakeDataDirectory(dataPath))
    std::cerr << "roadtally: cannot make the directory for " << dataPath << '\n';
  if (options.action == CommandLine::Action::Where) {
    std::cout << dataPath << '\n';
    return 0;
  }
  // Refused before anything opens or moves it.
  if (const std::string why = NotADataFile(dataPath); !why.empty()) {
    std::cerr << "roadtally: " << dataPath << ": " << why << '\n';
    return kBadDataFileStatus;
  }
  if (options.headless) return RunHeadless(options, dataPath, parts);
  if (options.framebuffer) return RunOnFramebuffer(options, dataPath, parts);
  return RunInWindow(options, dataPath, parts);
}

}  // namespace host
