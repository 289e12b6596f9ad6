#pragma once
// A fresh folder under the system's temporary folder, removed with its contents even where a
// test took its write permission away.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace installer::test {

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "installer-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        namespace fs = std::filesystem;
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ec)) {
            if (entry.is_directory(ec)) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace installer::test
