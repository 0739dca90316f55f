#include "platform/host/socket_instance_broker.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/host/data_file_lock.h"
#include "tests/support/child_process.h"

namespace host {
namespace {

using namespace std::chrono_literals;
using testing_support::ChildProcess;

constexpr wchar_t kClass[] = L"ProbeWindow";

// Each test gets its own runtime directory, so runs never meet.
class BrokerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "broker-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    runtime_ = pattern;
    ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
  }
  void TearDown() override { std::filesystem::remove_all(runtime_); }

  std::unique_ptr<ChildProcess> StartProbe(const std::string& dataPath) {
    auto probe = std::make_unique<ChildProcess>(std::vector<std::string>{BROKER_PROBE, dataPath});
    EXPECT_EQ(probe->ReadLine(10s), "ready");
    return probe;
  }

  std::string DataPath(const std::string& name) const { return runtime_ + "/" + name; }

  std::string runtime_;
};

// Each holder in turn leaves exactly its own line in the lock file, after
// a longer one as after one of the same length.
TEST_F(BrokerTest, LockFileNamesExactlyItsLatestHolder) {
  const std::string path = DataPath("holder.lock");
  for (const std::string label : {"a-much-longer-label", "tool", "tool", "program"}) {
    int error = -1;
    std::optional<InstanceLock> lock = InstanceLock::TryAcquire(path, label, error);
    ASSERT_TRUE(lock) << label;
    EXPECT_FALSE(InstanceLock::TryAcquire(path, "other", error)) << label;
    EXPECT_EQ(error, 0) << "held, not failed";
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              label + " " + std::to_string(::getpid()) + "\n");
    EXPECT_EQ(InstanceLock::HolderLabel(path), label);
  }
}

TEST_F(BrokerTest, SecondStartWithTheSameDataFileFindsTheFirstAndRaisesIt) {
  auto first = StartProbe(DataPath("Roadtally.dat"));
  SocketInstanceBroker second(runtime_ + "/./sub/../Roadtally.dat", {});
  EXPECT_TRUE(second.IsRunningElsewhere(kClass));
  EXPECT_TRUE(second.IsRunningElsewhere(L"OtherWindow"));  // one program per data file
  second.RaiseElsewhere(kClass);
  EXPECT_EQ(first->ReadLine(10s), "raised");
  ChildProcess::Result result = first->Wait(10s);
  EXPECT_TRUE(result.exited);
  EXPECT_EQ(result.exitStatus, 0);
}

TEST_F(BrokerTest, AnotherDataFileRunsOnItsOwn) {
  auto first = StartProbe(DataPath("a.dat"));
  SocketInstanceBroker other(DataPath("b.dat"), {});
  EXPECT_FALSE(other.IsRunningElsewhere(kClass));
  other.Announce(kClass);
  SocketInstanceBroker third(DataPath("b.dat"), {});
  EXPECT_TRUE(third.IsRunningElsewhere(kClass));
  first->Signal(SIGTERM);
}

TEST_F(BrokerTest, OwnClaimIsNotAnotherProcess) {
  SocketInstanceBroker broker(DataPath("Roadtally.dat"), {});
  broker.Announce(kClass);
  EXPECT_FALSE(broker.IsRunningElsewhere(kClass));
}

TEST_F(BrokerTest, FilesLeftByAKilledProcessDoNotCountAndAreTakenOver) {
  auto crashed = StartProbe(DataPath("Roadtally.dat"));
  crashed->Signal(SIGKILL);
  EXPECT_FALSE(crashed->Wait(10s).exited);
  ASSERT_FALSE(std::filesystem::is_empty(runtime_));  // its lock and socket stay behind

  std::atomic<int> raises = 0;
  SocketInstanceBroker successor(DataPath("Roadtally.dat"), [&] { ++raises; });
  EXPECT_FALSE(successor.IsRunningElsewhere(kClass));
  successor.Announce(kClass);

  SocketInstanceBroker later(DataPath("Roadtally.dat"), {});
  EXPECT_TRUE(later.IsRunningElsewhere(kClass));
  later.RaiseElsewhere(kClass);
  for (int i = 0; i < 1000 && raises == 0; ++i) std::this_thread::sleep_for(10ms);
  EXPECT_EQ(raises, 1);
}

TEST_F(BrokerTest, ClaimEndsWithItsBroker) {
  {
    SocketInstanceBroker first(DataPath("Roadtally.dat"), {});
    first.Announce(kClass);
    ASSERT_FALSE(std::filesystem::is_empty(runtime_));
  }
  SocketInstanceBroker next(DataPath("Roadtally.dat"), {});
  EXPECT_FALSE(next.IsRunningElsewhere(kClass));
  int sockets = 0;
  for (const auto& entry : std::filesystem::directory_iterator(runtime_))
    sockets += entry.path().extension() == ".sock";
  EXPECT_EQ(sockets, 0);
}

TEST_F(BrokerTest, RuntimeDirectoryOthersMayWriteIsNotUsed) {
  EXPECT_EQ(RuntimeDirectory(), runtime_);
  std::filesystem::permissions(runtime_, std::filesystem::perms::all);
  EXPECT_EQ(RuntimeDirectory(), "/tmp/roadtally-" + std::to_string(::getuid()));
}

}  // namespace
}  // namespace host
