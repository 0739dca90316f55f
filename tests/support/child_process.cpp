#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <thread>

extern char** environ;

namespace testing_support {
namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
  host::UniqueFd read;
  host::UniqueFd write;
};

Pipe MakePipe() {
  int fds[2] = {-1, -1};
  if (::pipe2(fds, O_CLOEXEC) != 0) return {};
  return {host::UniqueFd(fds[0]), host::UniqueFd(fds[1])};
}

std::string NameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> merged;
  for (char** entry = environ; *entry; ++entry) {
    std::string name = NameOf(*entry);
    bool replaced = false;
    for (const std::string& e : extra) replaced = replaced || NameOf(e) == name;
    if (!replaced) merged.emplace_back(*entry);
  }
  merged.insert(merged.end(), extra.begin(), extra.end());
  return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::vector<std::string>& environment, Origin origin,
                           const std::string& outputFile) {
  // A child that ends before reading its input must not end the test with it.
  ::signal(SIGPIPE, SIG_IGN);
  Pipe in = MakePipe(), out = outputFile.empty() ? MakePipe() : Pipe{}, err = MakePipe();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.read.Get(), 0);
  if (outputFile.empty())
    posix_spawn_file_actions_adddup2(&actions, out.write.Get(), 1);
  else
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
  posix_spawn_file_actions_adddup2(&actions, err.write.Get(), 2);
  std::vector<std::string> args = origin == Origin::kThisBuild ? BuiltProgramCommand(argv) : argv;
  std::vector<std::string> env = MergedEnvironment(environment);
  std::vector<char*> argPointers = Pointers(args);
  std::vector<char*> envPointers = Pointers(env);
  // By PATH, for an emulator named without its directory.
  if (posix_spawnp(&pid_, args[0].c_str(), &actions, nullptr, argPointers.data(),
                   envPointers.data()) != 0)
    pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  input_ = std::move(in.write);
  output_ = std::move(out.read);
  errors_ = std::move(err.read);
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) Wait(std::chrono::milliseconds(0));
}

void ChildProcess::WriteInput(const std::string& text) {
  size_t done = 0;
  while (input_.Valid() && done < text.size()) {
    ssize_t n = ::write(input_.Get(), text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

void ChildProcess::CloseInput() { input_.Reset(); }

bool ChildProcess::InputTaken(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    int waiting = 0;
    if (!input_.Valid() || ::ioctl(input_.Get(), FIONREAD, &waiting) != 0 || waiting == 0)
      return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void ChildProcess::Signal(int signal) {
  if (pid_ > 0) ::kill(pid_, signal);
}

// Reads what either output pipe has; false once both are closed or at the deadline.
bool ChildProcess::ReadSome(Clock::time_point deadline) {
  pollfd fds[2] = {{output_.Get(), POLLIN, 0}, {errors_.Get(), POLLIN, 0}};
  if (!output_.Valid() && !errors_.Valid()) return false;
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  if (left.count() < 0) return false;
  if (::poll(fds, 2, static_cast<int>(left.count())) <= 0) return false;
  host::UniqueFd* sources[2] = {&output_, &errors_};
  std::string* buffers[2] = {&outBuffer_, &errBuffer_};
  for (int i = 0; i < 2; ++i) {
    if (fds[i].revents == 0) continue;
    char chunk[4096];
    ssize_t n = ::read(sources[i]->Get(), chunk, sizeof(chunk));
    if (n <= 0)
      sources[i]->Reset();
    else
      buffers[i]->append(chunk, static_cast<size_t>(n));
  }
  return true;
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds limit) {
  const Clock::time_point deadline = Clock::now() + limit;
  for (;;) {
    size_t end = outBuffer_.find('\n');
    if (end != std::string::npos) {
      std::string line = outBuffer_.substr(0, end);
      outBuffer_.erase(0, end + 1);
      return line;
    }
    if (!ReadSome(deadline)) return std::nullopt;
  }
}

// Polls from a few microseconds up to a millisecond apart: a child seen to
// close its output is usually ending, and benchmarks time short children.
bool ChildProcess::EndsWithin(std::chrono::milliseconds limit) {
  const Clock::time_point deadline = Clock::now() + limit;
  int status = 0;
  for (auto pause = std::chrono::microseconds(20); !status_ && pid_ > 0;
       pause = std::min(pause * 2, std::chrono::microseconds(1000))) {
    if (::waitpid(pid_, &status, WNOHANG) == pid_)
      status_ = status;
    else if (Clock::now() >= deadline)
      break;
    else
      std::this_thread::sleep_for(pause);
  }
  return status_.has_value();
}

ChildProcess::Result ChildProcess::Wait(std::chrono::milliseconds limit) {
  Result result;
  if (pid_ <= 0) return result;
  CloseInput();
  const Clock::time_point deadline = Clock::now() + limit;
  while (ReadSome(deadline)) {
  }
  int status = 0;
  if (EndsWithin(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()))) {
    status = *status_;
  } else {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, &status, 0);
  }
  pid_ = -1;
  result.exited = WIFEXITED(status);
  result.exitStatus = result.exited ? WEXITSTATUS(status) : -1;
  result.out = std::move(outBuffer_);
  result.err = std::move(errBuffer_);
  return result;
}

ChildProcess::Result Run(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment, const std::string& outputFile,
                         std::chrono::milliseconds limit) {
  return ChildProcess(argv, environment, ChildProcess::Origin::kThisBuild, outputFile).Wait(limit);
}

std::vector<std::string> BuiltProgramCommand(const std::vector<std::string>& argv) {
  // The emulator's words, separated by spaces; empty in a native build.
  std::istringstream emulator(ROADTALLY_TEST_EMULATOR);
  std::vector<std::string> command{std::istream_iterator<std::string>(emulator), {}};
  command.insert(command.end(), argv.begin(), argv.end());
  return command;
}

}  // namespace testing_support
