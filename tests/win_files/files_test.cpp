#include "platform/win/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

std::wstring DevicePath(const fs::path& p)
{
    std::wstring out;
    for (wchar_t c : p.wstring())
        out += c == L'/' ? L'\\' : c;
    return out;
}

std::string ReadAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct FilesTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("rt_files_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override
    {
        win::ClearPathOverrides();
        fs::remove_all(dir);
    }
};

}  // namespace

TEST(HostPath, BackslashesBecomeSlashesAndKoreanBecomesUtf8)
{
    EXPECT_EQ("/home/u/bin/Roadtally.dat", win::HostPathFromDevicePath(L"\\home\\u\\bin\\Roadtally.dat"));
    EXPECT_EQ("/\xEC\xB0\xA8/a", win::HostPathFromDevicePath(L"\\차\\a"));  // U+CC28
}

TEST_F(FilesTest, OverrideRedirectsOnlyThatPath)
{
    win::SetPathOverride(L"\\bin\\Roadtally.dat", "/data/x.dat");
    EXPECT_EQ("/data/x.dat", win::HostPathFromDevicePath(L"\\bin\\Roadtally.dat"));
    EXPECT_EQ("/bin/Other.dat", win::HostPathFromDevicePath(L"\\bin\\Other.dat"));
}

TEST_F(FilesTest, WholeFileWriteReplacesContentAndLeavesNoTemporary)
{
    const std::wstring path = DevicePath(dir / "a.dat");
    ASSERT_TRUE(win::WriteWholeFile(path.c_str(), "old bytes", 9));
    ASSERT_TRUE(win::WriteWholeFile(path.c_str(), "new", 3));
    EXPECT_EQ("new", ReadAll(dir / "a.dat"));
    EXPECT_EQ(1, std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    auto f = win::OpenForBinaryRead(path.c_str());
    ASSERT_TRUE(f);
    char buf[4] = {};
    EXPECT_EQ(3u, std::fread(buf, 1, 3, f.get()));
    EXPECT_STREQ("new", buf);
}

TEST_F(FilesTest, WriteIntoMissingDirectoryFailsAndTargetUnderAFileFails)
{
    const std::wstring missing = DevicePath(dir / "nope" / "a.dat");
    EXPECT_FALSE(win::WriteWholeFile(missing.c_str(), "x", 1));
    std::ofstream(dir / "plain") << "keep";
    const std::wstring underFile = DevicePath(dir / "plain" / "a.dat");
    EXPECT_FALSE(win::WriteWholeFile(underFile.c_str(), "x", 1));
    EXPECT_EQ("keep", ReadAll(dir / "plain"));
    EXPECT_FALSE(win::OpenForBinaryRead(missing.c_str()));
}
