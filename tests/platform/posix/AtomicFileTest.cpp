#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/Exception.h"
#include "tests/support/Child.h"
#include "tests/support/TempDir.h"

namespace lookout {
namespace {

namespace fs = std::filesystem;
using test::kChildCannotSetUp;
using test::RunInChild;

constexpr uid_t kNobody = 65534;

// In a child: root becomes nobody, so that folder permissions bind as they
// do for a user; anyone else is bound by them already.
bool DropRoot() {
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = temp_.String();
        path_ = dir_ + "/SERVER.INI";
    }
    void TearDown() override {
        chmod(dir_.c_str(), 0700);
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::size_t FilesIn(const std::string& dir) {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }
    static struct stat Stat(const std::string& path) {
        struct stat st {};
        lstat(path.c_str(), &st);
        return st;
    }
    test::TempDir temp_{"lookout-atomic"};
    std::string dir_, path_;
};

TEST_F(AtomicFile, RewritesTheFileALinkLeadsToAndKeepsModeAndOwner) {
    // SERVER.INI -> chain -> real/SERVER.INI, relative links as a user sets them.
    const std::string real = dir_ + "/real/SERVER.INI";
    fs::create_directory(dir_ + "/real");
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "through a chain of links" : "a plain file");
        const std::string file = linked ? real : path_;
        Write(file, "old");
        chmod(file.c_str(), 0640);
        // Root's replacement would otherwise belong to root.
        if (geteuid() == 0) {
            ASSERT_EQ(chown(file.c_str(), kNobody, kNobody), 0);
        }
        if (linked) {
            fs::remove(path_);
            fs::create_symlink("chain", path_);
            fs::create_symlink("real/SERVER.INI", dir_ + "/chain");
        }
        RewriteFile(path_, std::string("new\0bytes", 9));
        EXPECT_EQ(ReadWholeFile(file), std::string("new\0bytes", 9));
        const struct stat st = Stat(file);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0640u);
        if (geteuid() == 0) {
            EXPECT_EQ(st.st_uid, kNobody);
            EXPECT_EQ(st.st_gid, kNobody);
        }
        if (linked) {
            EXPECT_EQ(fs::read_symlink(path_), "chain");
            EXPECT_EQ(fs::read_symlink(dir_ + "/chain"), "real/SERVER.INI");
        }
        EXPECT_EQ(FilesIn(dir_ + "/real"), linked ? 1u : 0u) << "no temporary file left behind";
        EXPECT_EQ(FilesIn(dir_), linked ? 3u : 2u);
    }
}

TEST_F(AtomicFile, MissingFileOrDanglingLinkIsNeitherReadNorCreated) {
    for (const bool dangling : {false, true}) {
        SCOPED_TRACE(dangling ? "dangling link" : "no file");
        if (dangling) fs::create_symlink("gone.ini", path_);
        EXPECT_THROW(ReadWholeFile(path_), EFileError);
        try {
            RewriteFile(path_, "x");
            ADD_FAILURE() << "no error";
        } catch (const EFileError& e) {
            EXPECT_EQ(e.Message(), "ﾌｧｲﾙ " + path_ + " は開けません");
        }
        EXPECT_EQ(FilesIn(dir_), dangling ? 1u : 0u);
    }
}

TEST_F(AtomicFile, ReadOnlyFileIsRefusedEvenForRoot) {
    Write(path_, "old");
    chmod(path_.c_str(), 0444);
    EXPECT_THROW(RewriteFile(path_, "new"), EFileError);
    EXPECT_EQ(ReadWholeFile(path_), "old");
}

TEST_F(AtomicFile, WritableFileInAFolderTheUserCannotWriteIsWrittenInPlace) {
    Write(path_, "old");
    chmod(path_.c_str(), 0666);
    chmod(dir_.c_str(), 0555);
    const ino_t inode = Stat(path_).st_ino;
    const int rc = RunInChild([&] {
        if (!DropRoot()) return kChildCannotSetUp;
        // What makes the test meaningful: this user really cannot add a file.
        if (open((dir_ + "/probe").c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600) >= 0 || errno != EACCES) return 3;
        try {
            RewriteFile(path_, "new\r\n");
            return 0;
        } catch (const EFileError&) {
            return 1;
        }
    });
    ASSERT_NE(rc, kChildCannotSetUp);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(ReadWholeFile(path_), "new\r\n");
    EXPECT_EQ(Stat(path_).st_ino, inode);
    EXPECT_EQ(FilesIn(dir_), 1u);
}

TEST_F(AtomicFile, FullDiskGivesTheCauseAndLeavesTheOldFileWhole) {
    // A 64 KiB file system of the child's own, filled up before the rewrite:
    // a file of one full page that grows by five bytes needs a page more.
    const std::string disk = dir_ + "/disk";
    fs::create_directory(disk);
    chmod(dir_.c_str(), 0755);
    const std::string file = disk + "/SERVER.INI";
    const std::string old(4096, 'o');
    const std::string cannotOpen = "ﾌｧｲﾙ " + file + " は開けません";
    for (const bool inPlace : {false, true}) {
        SCOPED_TRACE(inPlace ? "in place" : "by rename");
        const std::string cause =
            inPlace ? " (posix_fallocate: No space left on device)" : " (write: No space left on device)";
        const int rc = RunInChild([&] {
            if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                mount("none", disk.c_str(), "tmpfs", 0, "size=64k,mode=0777") != 0)
                return kChildCannotSetUp;
            Write(file, old);
            chmod(file.c_str(), 0666);
            std::ofstream(disk + "/filler", std::ios::binary) << std::string(1024 * 1024, 'f');
            if (inPlace && (chmod(disk.c_str(), 0555) != 0 || !DropRoot())) return kChildCannotSetUp;
            try {
                RewriteFile(file, old + "\r\nxyz");
                return 1;
            } catch (const EFileError& e) {
                if (e.Message() != cannotOpen) return 2;
                if (e.what() != cannotOpen + cause) return 3;
            }
            if (ReadWholeFile(file) != old) return 4;
            return FilesIn(disk) == 2 ? 0 : 5;  // no temporary left
        });
        if (rc == kChildCannotSetUp) GTEST_SKIP() << "no mount namespace for a small file system here";
        EXPECT_EQ(rc, 0) << "1: no error, 2: message, 3: cause, 4: old bytes, 5: temporary";
    }
}

TEST_F(AtomicFile, TemporariesOfAKilledRewriteGoButNotOneStillHeld) {
    Write(path_, "old");
    const std::string stale = path_ + ".tmp-AbC123", held = path_ + ".tmp-dEf456";
    const std::string unrelated[] = {path_ + ".tmp-AbC1234", dir_ + "/OTHER.INI.tmp-AbC123", path_ + ".bak"};
    for (const auto& name : {stale, held}) Write(name, "half");
    for (const auto& name : unrelated) Write(name, "keep");
    // Another running copy holds its temporary's lock (a second open file
    // description conflicts even within this process).
    const int holder = open(held.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
    RewriteFile(path_, "new");
    close(holder);
    EXPECT_EQ(ReadWholeFile(path_), "new");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(held));
    for (const auto& name : unrelated) EXPECT_TRUE(fs::exists(name)) << name;
}

TEST_F(AtomicFile, PublishedFileIsCreatedOrReplacedWhole) {
    const mode_t mask = umask(022);
    PublishFile(path_, "one");
    umask(mask);
    EXPECT_EQ(ReadWholeFile(path_), "one");
    EXPECT_EQ(Stat(path_).st_mode & 07777, 0644u);
    chmod(path_.c_str(), 0640);
    PublishFile(path_, "two");
    EXPECT_EQ(ReadWholeFile(path_), "two");
    EXPECT_EQ(Stat(path_).st_mode & 07777, 0640u) << "an existing file keeps its mode";
    const std::string link = dir_ + "/link";
    ASSERT_EQ(symlink(path_.c_str(), link.c_str()), 0);
    PublishFile(link, "three");
    EXPECT_TRUE(S_ISREG(Stat(link).st_mode)) << "the link itself is replaced";
    EXPECT_EQ(ReadWholeFile(path_), "two");
    EXPECT_EQ(FilesIn(dir_), 2u) << "no temporary left behind";
    EXPECT_THROW(PublishFile(dir_ + "/none/file", "x"), EFileError);
}

TEST_F(AtomicFile, DirectoryIsNotAFile) { EXPECT_THROW(ReadWholeFile(dir_), EFileError); }

}  // namespace
}  // namespace lookout
