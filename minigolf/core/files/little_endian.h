#pragma once
// Reading the little-endian fields of the game's stored formats. The caller checks the bounds.

#include <cstddef>
#include <cstdint>
#include <span>

namespace minigolf {

inline std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{ReadU16(bytes, at)} | std::uint32_t{ReadU16(bytes, at + 2)} << 16;
}

}  // namespace minigolf
