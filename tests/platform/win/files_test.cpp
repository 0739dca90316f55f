#include "platform/win/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

namespace {

std::wstring DevicePath(const fs::path& p) {
  std::wstring out;
  for (wchar_t c : p.wstring()) out += c == L'/' ? L'\\' : c;
  return out;
}

bool Write(LPCWSTR path, std::string_view bytes) {
  const FileChunk whole{bytes.data(), bytes.size()};
  return WriteWholeFile(path, {&whole, 1});
}

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct FilesTest : ::testing::Test {
  fs::path dir = fs::temp_directory_path() / ("rt_files_" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
};

}  // namespace

TEST(HostPath, BackslashesBecomeSlashesAndKoreanBecomesUtf8) {
  EXPECT_EQ("/home/u/bin/Roadtally.dat", HostPathFromDevice(L"\\home\\u\\bin\\Roadtally.dat"));
  EXPECT_EQ("/\xEC\xB0\xA8/a", HostPathFromDevice(L"\\차\\a"));  // U+CC28
  EXPECT_EQ("/\xF0\x9F\x9A\x97", HostPathFromDevice(L"\\\U0001F697"));
}

TEST(HostPath, NullAndUnencodablePathsGiveNothingToOpen) {
  const wchar_t lone[] = {L'\\', static_cast<wchar_t>(0xD800), 0};
  const wchar_t beyond[] = {L'\\', static_cast<wchar_t>(0x110000), 0};
  EXPECT_EQ("", HostPathFromDevice(nullptr));
  EXPECT_EQ("", HostPathFromDevice(lone));
  EXPECT_EQ("", HostPathFromDevice(beyond));
  FileError error;
  EXPECT_EQ(nullptr, OpenRegularFileForReading(lone, error));
  EXPECT_FALSE(Write(lone, "x"));
}

TEST(ModulePathTest, BackslashFormOfTheExecutable) {
  const std::wstring text = ModulePath();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.front(), L'\\');
  EXPECT_EQ(text.find(L'/'), std::wstring::npos);
  EXPECT_TRUE(text.ends_with(L"\\win_files_test")) << std::string(text.begin(), text.end());
}

TEST_F(FilesTest, OverrideRedirectsOnlyThatPathUntilRemoved) {
  SetPathOverride(L"\\bin\\Roadtally.dat", (dir / "x.dat").string());
  EXPECT_EQ((dir / "x.dat").string(), HostPathFromDevice(L"\\bin\\Roadtally.dat"));
  EXPECT_EQ("/bin/Other.dat", HostPathFromDevice(L"\\bin\\Other.dat"));
  ASSERT_TRUE(Write(L"\\bin\\Roadtally.dat", "abc"));
  EXPECT_EQ("abc", ReadAll(dir / "x.dat"));
  SetPathOverride(L"\\bin\\Roadtally.dat", "");
  EXPECT_EQ("/bin/Roadtally.dat", HostPathFromDevice(L"\\bin\\Roadtally.dat"));
}

TEST_F(FilesTest, WholeFileWriteReplacesContentAndLeavesNoTemporary) {
  const std::wstring path = DevicePath(dir / "a.dat");
  ASSERT_TRUE(Write(path.c_str(), "old bytes"));
  ASSERT_TRUE(Write(path.c_str(), "new"));
  EXPECT_EQ("new", ReadAll(dir / "a.dat"));
  EXPECT_EQ(1, std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST_F(FilesTest, EmptyWriteLeavesAnEmptyFile) {
  const std::wstring path = DevicePath(dir / "empty.dat");
  ASSERT_TRUE(Write(path.c_str(), ""));
  EXPECT_TRUE(fs::exists(dir / "empty.dat"));
  EXPECT_EQ(0u, fs::file_size(dir / "empty.dat"));
}

TEST_F(FilesTest, WriteIntoMissingDirectoryOrUnderAFileFailsAndLeavesNothing) {
  const std::wstring missing = DevicePath(dir / "nope" / "a.dat");
  EXPECT_FALSE(Write(missing.c_str(), "x"));
  std::ofstream(dir / "plain") << "keep";
  const std::wstring underFile = DevicePath(dir / "plain" / "a.dat");
  EXPECT_FALSE(Write(underFile.c_str(), "x"));
  EXPECT_EQ("keep", ReadAll(dir / "plain"));
  EXPECT_FALSE(fs::exists(dir / "nope"));
  EXPECT_EQ(1, std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST_F(FilesTest, FailedRenameKeepsTheOldTargetAndRemovesTheTemporary) {
  // A directory in the target's place cannot be renamed over by a file.
  fs::create_directories(dir / "target" / "inside");
  const std::wstring path = DevicePath(dir / "target");
  EXPECT_FALSE(Write(path.c_str(), "x"));
  EXPECT_TRUE(fs::is_directory(dir / "target" / "inside"));
  EXPECT_EQ(1, std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}
