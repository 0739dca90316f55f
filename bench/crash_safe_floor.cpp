#include "bench/crash_safe_floor.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "bench/tool_process.h"

namespace bench {
namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool WriteAllAndSync(const std::filesystem::path& path, std::string_view bytes) {
  const Fd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) return false;
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written = ::write(file.get(), bytes.data() + done, bytes.size() - done);
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return ::fsync(file.get()) == 0;
}

bool SyncDirectory(const std::filesystem::path& directory) {
  const Fd dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return dir.get() >= 0 && ::fsync(dir.get()) == 0;
}

template <class Action>
double SecondsOf(Action&& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

bool WriteCrashSafe(const std::filesystem::path& target, std::string_view bytes) {
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  return WriteAllAndSync(temporary, bytes) && std::rename(temporary.c_str(), target.c_str()) == 0 &&
         SyncDirectory(target.parent_path());
}

bool FloorRatio::TimeFloor(const std::filesystem::path& near, const std::string& bytes) {
  bool written = false;
  floorSeconds_ +=
      SecondsOf([&] { written = WriteCrashSafe(near.parent_path() / "floor.dat", bytes); });
  return written;
}

bool FloorRatio::TimeFloorProcess(const std::vector<std::string>& args) {
  int status = -1;
  processFloorSeconds_ += SecondsOf([&] { status = RunTool(args); });
  return status == 0;
}

bool FloorRatio::TimeFlow(const std::function<bool()>& flow) {
  bool result = false;
  flowSeconds_ += SecondsOf([&] { result = flow(); });
  return result;
}

void FloorRatio::Report(benchmark::State& state) const {
  if (floorSeconds_ <= 0) return;
  state.counters["floor"] = benchmark::Counter(floorSeconds_, benchmark::Counter::kAvgIterations);
  state.counters["x_floor"] = flowSeconds_ / floorSeconds_;
  if (processFloorSeconds_ <= 0) return;
  state.counters["process_floor"] =
      benchmark::Counter(processFloorSeconds_, benchmark::Counter::kAvgIterations);
  state.counters["x_process_floor"] = flowSeconds_ / processFloorSeconds_;
}

}  // namespace bench
