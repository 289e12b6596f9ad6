#include "installer/lzh/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace lzh {

void MemoryStream::Read(std::uint8_t* out, std::size_t n) {
    std::size_t have = std::min(n, Available());
    if (have > 0) std::memcpy(out, bytes_.data() + position_, have);
    position_ += have;
    if (have < n) {
        std::memset(out + have, 0, n - have);
        error_ = kReadPastEnd;
    }
}

std::uint8_t MemoryStream::ReadByte() {
    if (position_ < bytes_.size()) return bytes_[position_++];
    error_ = kReadPastEnd;
    return 0;
}

std::uint16_t MemoryStream::ReadU16() {
    std::uint16_t low = ReadByte();
    return static_cast<std::uint16_t>(low | (ReadByte() << 8));
}

std::uint32_t MemoryStream::ReadU32() {
    std::uint32_t low = ReadU16();
    return low | (static_cast<std::uint32_t>(ReadU16()) << 16);
}

void MemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == SeekOrigin::Current) base = static_cast<std::int64_t>(position_);
    if (origin == SeekOrigin::End) base = static_cast<std::int64_t>(bytes_.size());
    std::int64_t target = std::clamp<std::int64_t>(base + offset, 0, static_cast<std::int64_t>(bytes_.size()));
    position_ = static_cast<std::size_t>(target);
}

}  // namespace lzh
