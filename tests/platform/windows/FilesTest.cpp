// The Windows side of files and of the program's path: UTF-8 paths through
// the wide calls, and the rename over an existing file with what it keeps.
#include <windows.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/AtomicFile.h"
#include "platform/Exception.h"
#include "platform/ExePath.h"
#include "platform/windows/WidePath.h"
#include "tests/support/TempDir.h"

namespace lookout {
namespace {

namespace fs = std::filesystem;

class WindowsFiles : public ::testing::Test {
protected:
    WindowsFiles() { fs::create_directory(Wide(dir_)); }
    static fs::path Wide(const std::string& utf8) { return fs::path(WidePath(utf8)); }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(Wide(path), std::ios::binary) << bytes;
    }
    std::size_t FilesIn() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(Wide(dir_)), fs::directory_iterator()));
    }

    test::TempDir temp_{"lookout-files"};
    // Japanese in the folder's name: the program's paths are UTF-8.
    const std::string dir_ = NarrowPath(temp_.Path().wstring()) + "\\設定";
    const std::string path_ = dir_ + "\\SERVER.INI";
};

TEST_F(WindowsFiles, RewriteReplacesTheFileKeepsItsAttributesAndClearsStaleTemporaries) {
    Write(path_, "old");
    ASSERT_TRUE(::SetFileAttributesW(WidePath(path_).c_str(), FILE_ATTRIBUTE_HIDDEN));
    // A killed rewrite's temporary goes; one that a running rewrite holds stays.
    const std::string stale = path_ + ".tmp-abc123", held = path_ + ".tmp-def456";
    Write(stale, "half");
    Write(held, "half");
    const HANDLE holder =
        ::CreateFileW(WidePath(held).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    RewriteFile(path_, std::string("new\0bytes", 9));
    ::CloseHandle(holder);
    EXPECT_EQ(ReadWholeFile(path_), std::string("new\0bytes", 9));
    EXPECT_TRUE(::GetFileAttributesW(WidePath(path_).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(fs::exists(Wide(stale)));
    EXPECT_TRUE(fs::exists(Wide(held)));
    EXPECT_EQ(FilesIn(), 2u) << "no temporary of this rewrite is left";
}

TEST_F(WindowsFiles, MissingAndReadOnlyFilesAreRefused) {
    try {
        RewriteFile(path_, "x");
        ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
        EXPECT_NE(e.Message().find(path_), std::string::npos) << "names the path";
    }
    EXPECT_EQ(FilesIn(), 0u) << "never created";
    EXPECT_THROW(ReadWholeFile(path_), EFileError);
    EXPECT_THROW(ReadWholeFile(dir_), EFileError);

    Write(path_, "old");
    ASSERT_TRUE(::SetFileAttributesW(WidePath(path_).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_THROW(RewriteFile(path_, "new"), EFileError);
    EXPECT_EQ(ReadWholeFile(path_), "old");
    ::SetFileAttributesW(WidePath(path_).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WindowsFiles, PublishedFileIsCreatedOrReplacedWhole) {
    PublishFile(path_, "one");
    EXPECT_EQ(ReadWholeFile(path_), "one");
    PublishFile(path_, "two");
    EXPECT_EQ(ReadWholeFile(path_), "two");
    EXPECT_EQ(FilesIn(), 1u) << "no temporary left behind";
    EXPECT_THROW(PublishFile(dir_ + "\\none\\file", "x"), EFileError);
}

TEST(WindowsExePath, IsThisProgramsFolderInTheFormFilesAreOpenedWith) {
    const std::string dir = ExecutableDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_TRUE(ReadWholeFile(dir + "platform_tests.exe").starts_with("MZ"));
}

}  // namespace
}  // namespace lookout
