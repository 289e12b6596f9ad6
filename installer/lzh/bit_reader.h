#pragma once
// Most-significant-bit-first reader over one member's compressed data. Past the end it
// supplies zero bits and remembers that it did, so a stream that runs short is noticed
// by Overrun() rather than read out of bounds.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace lzh {

class BitReader {
public:
    void Start(std::span<const std::uint8_t> data) {
        next_ = data.data();
        end_ = data.data() + data.size();
        buffer_ = 0;
        count_ = 0;
        paddingBytes_ = 0;
        Refill();
    }

    // The next n bits (1..32) without taking them.
    std::uint32_t Peek(int n) const { return static_cast<std::uint32_t>(buffer_ >> (64 - n)); }

    // Takes n bits (0..32).
    void Skip(int n) {
        buffer_ <<= n;
        count_ -= n;
        if (count_ < 32) Refill();
    }

    std::uint32_t Take(int n) {
        if (n == 0) return 0;
        std::uint32_t v = Peek(n);
        Skip(n);
        return v;
    }

    // True once more bits were taken than the data holds.
    bool Overrun() const { return static_cast<std::size_t>(count_) < paddingBytes_ * 8; }

private:
    void Refill() {
        if (end_ - next_ >= 8) {
            // Loads eight bytes; the bits beyond the whole bytes accounted for are the
            // stream's own next bits, so OR-ing them again on the next refill is harmless.
            std::uint64_t word;
            std::memcpy(&word, next_, 8);
            buffer_ |= __builtin_bswap64(word) >> count_;
            next_ += (63 - count_) >> 3;
            count_ |= 56;
            return;
        }
        while (count_ <= 56) {
            std::uint64_t byte = 0;
            if (next_ < end_) {
                byte = *next_++;
            } else {
                ++paddingBytes_;
            }
            buffer_ |= byte << (56 - count_);
            count_ += 8;
        }
    }

    const std::uint8_t* next_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    std::uint64_t buffer_ = 0;
    int count_ = 0;  // valid bits at the top of buffer_
    std::size_t paddingBytes_ = 0;
};

}  // namespace lzh
