#include "minigolf/shell/folder_files.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>

#include "common/files/replace_file.h"

namespace minigolf {

std::optional<std::vector<std::uint8_t>> FolderFiles::Read(const std::string& name) {
    std::ifstream in(name == rewritten_ ? where_.load : std::filesystem::path(name), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool FolderFiles::Replace(const std::string& name, std::span<const std::uint8_t> bytes) {
    const std::string_view contents(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const files::WriteResult written =
        files::ReplaceFile(name == rewritten_ ? where_.save : std::filesystem::path(name), contents);
    if (!written) std::cerr << written.error << '\n';
    return static_cast<bool>(written);
}

}  // namespace minigolf
