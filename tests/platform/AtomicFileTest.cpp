#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/Exception.h"

namespace lookout {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "lookout-atomic-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        path_ = dir_ + "/SERVER.INI";
    }
    void TearDown() override {
        chmod(dir_.c_str(), 0700);
        fs::remove_all(dir_);
    }
    void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::size_t FilesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    std::string dir_, path_;
};

TEST_F(AtomicFile, ReplacesContentAndKeepsPermissions) {
    Write("old");
    chmod(path_.c_str(), 0640);
    ReplaceFileAtomically(path_, std::string("new\0bytes", 9));
    EXPECT_EQ(ReadWholeFile(path_), std::string("new\0bytes", 9));
    struct stat st {};
    stat(path_.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesInDir(), 1u) << "no temporary file left behind";
}

TEST_F(AtomicFile, MissingFileIsNeitherReadNorCreated) {
    EXPECT_THROW(ReadWholeFile(path_), EFileError);
    try {
        ReplaceFileAtomically(path_, "x");
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(e.Message(), "ﾌｧｲﾙ " + path_ + " は開けません");
    }
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(AtomicFile, ReadOnlyFileOrFolderLeavesTheOldBytes) {
    Write("old");
    chmod(path_.c_str(), 0444);
    EXPECT_THROW(ReplaceFileAtomically(path_, "new"), EFileError);
    EXPECT_EQ(ReadWholeFile(path_), "old");
    chmod(path_.c_str(), 0644);
    if (geteuid() == 0) GTEST_SKIP() << "root may write into a read-only folder";
    chmod(dir_.c_str(), 0500);
    EXPECT_THROW(ReplaceFileAtomically(path_, "new"), EFileError);
    chmod(dir_.c_str(), 0700);
    EXPECT_EQ(ReadWholeFile(path_), "old");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(AtomicFile, DirectoryIsNotAFile) { EXPECT_THROW(ReadWholeFile(dir_), EFileError); }

}  // namespace
}  // namespace lookout
