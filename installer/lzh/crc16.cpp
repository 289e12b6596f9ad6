#include "installer/lzh/crc16.h"

#include <array>

namespace lzh {
namespace {

// Slicing by eight: table[k][b] is the CRC of byte b followed by k zero bytes, so eight
// input bytes cost eight independent lookups instead of a chain of eight.
constexpr std::array<std::array<std::uint16_t, 256>, 8> MakeTables() {
    std::array<std::array<std::uint16_t, 256>, 8> t{};
    for (unsigned b = 0; b < 256; ++b) {
        std::uint16_t crc = static_cast<std::uint16_t>(b);
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : static_cast<std::uint16_t>(crc >> 1);
        t[0][b] = crc;
    }
    for (int k = 1; k < 8; ++k) {
        for (unsigned b = 0; b < 256; ++b) {
            std::uint16_t prev = t[k - 1][b];
            t[k][b] = static_cast<std::uint16_t>((prev >> 8) ^ t[0][prev & 0xFF]);
        }
    }
    return t;
}

constexpr auto kTables = MakeTables();

}  // namespace

std::uint16_t UpdateCrc16(std::uint16_t crc, std::span<const std::uint8_t> bytes) {
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    std::uint32_t c = crc;
    for (; n >= 8; n -= 8, p += 8) {
        std::uint32_t x = c ^ (p[0] | (p[1] << 8));
        c = kTables[7][x & 0xFF] ^ kTables[6][x >> 8] ^ kTables[5][p[2]] ^ kTables[4][p[3]] ^ kTables[3][p[4]] ^
            kTables[2][p[5]] ^ kTables[1][p[6]] ^ kTables[0][p[7]];
    }
    for (; n > 0; --n, ++p) c = (c >> 8) ^ kTables[0][(c ^ *p) & 0xFF];
    return static_cast<std::uint16_t>(c);
}

}  // namespace lzh
