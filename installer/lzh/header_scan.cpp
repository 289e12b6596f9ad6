#include "installer/lzh/header_scan.h"

#include <algorithm>

namespace lzh {

std::optional<std::size_t> FindHeaderStart(std::span<const std::uint8_t> archive, std::size_t position) {
    if (position >= archive.size()) return std::nullopt;
    std::size_t end = std::min(archive.size(), position + kHeaderScanLimit);
    for (std::size_t i = position; i < end; ++i) {
        if (archive[i] != '-' || i < 2 || i + 4 >= archive.size()) continue;
        bool method = archive[i + 1] == 'l' && (archive[i + 2] == 'h' || archive[i + 2] == 'z') && archive[i + 4] == '-';
        if (method) return i - 2;
    }
    return std::nullopt;
}

}  // namespace lzh
