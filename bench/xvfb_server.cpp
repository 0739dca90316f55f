#include "bench/xvfb_server.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace bench {

// -displayfd makes the server write its display number on standard
// output, which goes into a pipe, once it accepts clients. What it says
// about the displays it passed over goes nowhere.
XvfbServer::XvfbServer() {
  int ends[2];
  if (::pipe(ends) != 0) return;
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
  ::posix_spawn_file_actions_addclose(&actions, ends[0]);
  ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> args = {"Xvfb", "-displayfd",   "1",         "-screen",
                                   "0",    "1280x1024x24", "-nolisten", "tcp"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  if (::posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
  ::posix_spawn_file_actions_destroy(&actions);
  ::close(ends[1]);
  std::string number;
  char c = 0;
  while (pid_ > 0 && ::read(ends[0], &c, 1) == 1 && c != '\n') number += c;
  ::close(ends[0]);
  if (!number.empty()) display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

}  // namespace bench
