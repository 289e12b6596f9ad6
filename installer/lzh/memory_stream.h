#pragma once
// Reads an archive held in memory. Reading past the end yields zero bytes and sets the
// error flag instead of failing, so header parsing can check once at the end.

#include <cstddef>
#include <cstdint>
#include <span>

namespace lzh {

enum class SeekOrigin { Begin = 0, Current = 1, End = 2 };

class MemoryStream {
public:
    static constexpr int kReadPastEnd = 10;

    explicit MemoryStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    void Read(std::uint8_t* out, std::size_t n);
    std::uint8_t ReadByte();
    std::uint16_t ReadU16();  // little-endian
    std::uint32_t ReadU32();  // little-endian

    // Positions outside the data are clamped to its start or end.
    void Seek(std::int64_t offset, SeekOrigin origin);

    std::size_t Position() const { return position_; }
    std::size_t Size() const { return bytes_.size(); }
    std::size_t Available() const { return bytes_.size() - position_; }
    // The unread rest of the data.
    std::span<const std::uint8_t> Remaining() const { return bytes_.subspan(position_); }
    int Error() const { return error_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    int error_ = 0;
};

}  // namespace lzh
