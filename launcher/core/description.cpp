#include "launcher/core/description.h"

#include "launcher/core/data_files.h"
#include "launcher/core/path_lookup.h"
#include "launcher/core/read_file.h"
#include "launcher/core/text_decoding.h"

namespace launcher {

std::optional<std::string> ReadDescription(const std::filesystem::path& launcherDir, const GameEntry& entry) {
    const std::optional<std::filesystem::path> path = FindFile(launcherDir, DataFile(entry.descriptionFile));
    if (!path) return std::nullopt;
    std::optional<std::string> bytes = ReadWholeFile(*path);
    if (!bytes) return std::nullopt;
    return DecodeCp932(*bytes);
}

}  // namespace launcher
