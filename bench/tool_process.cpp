#include "bench/tool_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace bench {

namespace {

class FileActions {
 public:
  FileActions() { ::posix_spawn_file_actions_init(&actions_); }
  ~FileActions() { ::posix_spawn_file_actions_destroy(&actions_); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

}  // namespace

int RunTool(const std::vector<std::string>& args, const std::string& outputPath) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  FileActions actions;
  if (!outputPath.empty() &&
      ::posix_spawn_file_actions_addopen(actions.get(), 1, outputPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644) != 0) {
    return -1;
  }
  pid_t child = 0;
  if (::posix_spawn(&child, argv[0], actions.get(), nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace bench
