#pragma once
// Finding the next member header: archives may carry junk (a self-extractor stub,
// padding) before or between members.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace lzh {

constexpr std::size_t kHeaderScanLimit = 2048;

// Looks at up to kHeaderScanLimit bytes from `position` for a method field "-l?x-" with
// '?' 'h' or 'z', and returns the start of its header (two bytes before the field).
std::optional<std::size_t> FindHeaderStart(std::span<const std::uint8_t> archive, std::size_t position);

}  // namespace lzh
