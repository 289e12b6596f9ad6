#pragma once
// CRC-16/ARC (reflected polynomial 0xA001, initial value 0, no final inversion), the
// checksum archive members carry for their uncompressed data.

#include <cstdint>
#include <span>

namespace lzh {

std::uint16_t UpdateCrc16(std::uint16_t crc, std::span<const std::uint8_t> bytes);

}  // namespace lzh
