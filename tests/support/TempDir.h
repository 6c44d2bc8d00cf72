#pragma once
// A fresh folder of the test's own under the system's temporary folder, open
// to its owner only (as mkdtemp makes it), removed with all it holds when the
// object goes.
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace lookout::test {

class TempDir {
public:
    explicit TempDir(const std::string& prefix) {
        namespace fs = std::filesystem;
        std::random_device random;
        do {
            path_ = fs::temp_directory_path() / (prefix + "-" + std::to_string(random()));
        } while (!fs::create_directory(path_));
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::replace);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string String() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

}  // namespace lookout::test
