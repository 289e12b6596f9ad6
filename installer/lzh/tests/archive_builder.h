#pragma once
// Hand-made archive pieces for tests: member headers with chosen fields, and an
// MSB-first bit writer for crafting -lh5- streams.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "installer/lzh/crc16.h"

namespace test_support {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ToBytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

inline std::uint16_t Crc(const Bytes& data) { return lzh::UpdateCrc16(0, data); }

// 1999-11-20 12:34:56 as DOS date and time.
constexpr std::uint16_t kDosDate = ((1999 - 1980) << 9) | (11 << 5) | 20;
constexpr std::uint16_t kDosTime = (12 << 11) | (34 << 5) | (56 / 2);

struct Member {
    std::string method = "-lh0-";
    std::string name;
    Bytes data;                       // as stored in the archive
    std::uint32_t originalSize = 0;   // defaults to data.size() when the member is built by Stored()
    std::uint16_t crc = 0;
    int level = 0;
    // Level 1 only: (type, payload) pairs.
    std::vector<std::pair<std::uint8_t, Bytes>> extended;
};

inline Member Stored(std::string name, std::string_view content, int level = 0) {
    Member m;
    m.name = std::move(name);
    m.data = ToBytes(content);
    m.originalSize = static_cast<std::uint32_t>(m.data.size());
    m.crc = Crc(m.data);
    m.level = level;
    return m;
}

inline void PutLe(Bytes& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline Bytes Encode(const Member& m) {
    Bytes out;
    std::size_t n = m.name.size();
    out.push_back(static_cast<std::uint8_t>(m.level == 0 ? 22 + n : 25 + n));
    out.push_back(0);  // checksum, not verified
    out.insert(out.end(), m.method.begin(), m.method.end());
    std::uint32_t extTotal = 0;
    for (const auto& e : m.extended) extTotal += static_cast<std::uint32_t>(e.second.size() + 3);
    PutLe(out, static_cast<std::uint32_t>(m.data.size()) + extTotal, 4);
    PutLe(out, m.originalSize, 4);
    PutLe(out, kDosTime, 2);
    PutLe(out, kDosDate, 2);
    out.push_back(0x20);
    out.push_back(static_cast<std::uint8_t>(m.level));
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), m.name.begin(), m.name.end());
    PutLe(out, m.crc, 2);
    if (m.level == 1) {
        out.push_back('M');  // OS identifier
        // Each extended header: its size (counting the size field), type, payload.
        for (const auto& [type, payload] : m.extended) {
            PutLe(out, static_cast<std::uint32_t>(payload.size() + 3), 2);
            out.push_back(type);
            out.insert(out.end(), payload.begin(), payload.end());
        }
        PutLe(out, 0, 2);
    }
    out.insert(out.end(), m.data.begin(), m.data.end());
    return out;
}

inline Bytes Archive(const std::vector<Member>& members) {
    Bytes out;
    for (const Member& m : members) {
        Bytes one = Encode(m);
        out.insert(out.end(), one.begin(), one.end());
    }
    out.push_back(0);
    return out;
}

class BitWriter {
public:
    BitWriter& Put(std::uint32_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            if (used_ == 0) bytes_.push_back(0);
            if ((value >> i) & 1) bytes_.back() |= static_cast<std::uint8_t>(0x80 >> used_);
            used_ = (used_ + 1) & 7;
        }
        return *this;
    }
    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
    int used_ = 0;
};

}  // namespace test_support
