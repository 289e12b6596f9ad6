#pragma once
// Appending little-endian integers to a byte string, as the Windows file formats store them.

#include <cstdint>
#include <string>

namespace files {

inline void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace files
