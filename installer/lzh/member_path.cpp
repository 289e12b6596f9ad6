#include "installer/lzh/member_path.h"

#include <system_error>

#include "common/text/sjis.h"

namespace lzh {

std::vector<std::string> SplitArchivePath(std::string_view sjis) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < sjis.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(sjis[i]);
        if (sjis::IsLeadByte(b) && i + 1 < sjis.size()) {
            parts.back() += sjis.substr(i, 2);
            ++i;
        } else if (b == '\\' || b == '/') {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<char>(b);
        }
    }
    return parts;
}

std::optional<std::filesystem::path> MemberRelativePath(std::string_view directory, std::string_view fileName) {
    std::string joined(directory);
    joined += fileName;
    std::vector<std::string> parts = SplitArchivePath(joined);
    // The last part must name a file.
    if (parts.back().empty() || parts.back() == ".") return std::nullopt;

    std::filesystem::path relative;
    for (const std::string& part : parts) {
        // Everything is joined onto the destination folder, so a leading or doubled
        // separator adds nothing and keeps the member inside it.
        if (part.empty() || part == ".") continue;
        // ':' would be a drive letter or a stream name where the archive was made.
        if (part == ".." || part.find(':') != std::string::npos) return std::nullopt;
        std::optional<std::string> utf8 = sjis::ToUtf8(part);
        if (!utf8) return std::nullopt;
        relative /= *utf8;
    }
    return relative;
}

bool PassesThroughSymlink(const std::filesystem::path& destination, const std::filesystem::path& relative) {
    std::filesystem::path prefix = destination;
    for (const std::filesystem::path& part : relative) {
        prefix /= part;
        std::error_code ec;
        if (std::filesystem::is_symlink(std::filesystem::symlink_status(prefix, ec))) return true;
    }
    return false;
}

int MakePathDirectories(const std::filesystem::path& path) {
    std::filesystem::path prefix;
    std::filesystem::path parent = path.parent_path();
    for (const std::filesystem::path& part : parent) {
        prefix /= part;
        if (prefix == prefix.root_path()) continue;
        std::error_code ec;
        if (std::filesystem::is_directory(prefix, ec)) continue;
        if (!std::filesystem::create_directory(prefix, ec) || ec) return -1;
    }
    return 0;
}

}  // namespace lzh
