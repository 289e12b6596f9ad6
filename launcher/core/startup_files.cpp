#include "launcher/core/startup_files.h"

#include <algorithm>
#include <system_error>

namespace launcher {
namespace fs = std::filesystem;

std::vector<std::string> CopyStartupFiles(const fs::path& sourceDir, const fs::path& targetDir) {
    std::error_code ec;
    std::vector<fs::path> sources;
    for (fs::directory_iterator it(sourceDir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with('.') && it->is_regular_file(ec)) sources.push_back(it->path());
    }
    std::ranges::sort(sources);

    std::vector<std::string> copied;
    for (const fs::path& source : sources) {
        const fs::path target = targetDir / source.filename();
        // A dangling link counts as present: replacing it would change what it points to.
        if (fs::exists(fs::symlink_status(target, ec))) continue;
        fs::create_directories(targetDir, ec);
        // copy_file without overwrite refuses a file that appeared meanwhile.
        if (fs::copy_file(source, target, fs::copy_options::none, ec)) copied.push_back(source.filename().string());
    }
    return copied;
}

}  // namespace launcher
