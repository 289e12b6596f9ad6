#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace launcher::test_support {

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "launcher-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes `bytes` to `relative` (folders made as needed) and returns the full path.
    std::filesystem::path Write(const std::filesystem::path& relative, std::string_view bytes) const {
        const std::filesystem::path full = path_ / relative;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream(full, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return full;
    }

private:
    std::filesystem::path path_;
};

}  // namespace launcher::test_support
