#include "installer/lzh/decoder.h"

#include <bit>
#include <cstring>

#include "installer/lzh/crc16.h"

namespace lzh {
namespace {

constexpr int kBlockSizeBits = 16;
constexpr int kLiteralCountBits = 9;
constexpr int kPreTreeCountBits = 5;
constexpr int kPreTreeSpecialIndex = 3;
constexpr int kNoSpecialIndex = -1;

std::uint64_t Load8(const std::uint8_t* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

void Store8(std::uint8_t* p, std::uint64_t v) { std::memcpy(p, &v, 8); }

// Copies `length` bytes eight at a time, with `src` and `dst` at least eight bytes apart.
// Nothing is written beyond the match: the last eight bytes end exactly at it, and a
// short match merges its bytes into the eight already at `dst`.
inline void CopyMatch(std::uint8_t* dst, const std::uint8_t* src, std::uint32_t length) {
    if (length >= 8) {
        for (std::uint32_t k = 0; k + 8 < length; k += 8) Store8(dst + k, Load8(src + k));
        Store8(dst + length - 8, Load8(src + length - 8));
        return;
    }
    static_assert(std::endian::native == std::endian::little);
    std::uint64_t mask = (std::uint64_t{1} << (8 * length)) - 1;
    Store8(dst, (Load8(src) & mask) | (Load8(dst) & ~mask));
}

}  // namespace

void LzhDecoder::StartMember(std::span<const std::uint8_t> data) {
    bits_.Start(data);
    blockRemaining_ = 0;
    error_ = ResultCode::Success;
}

// Lengths of the pre-tree or position codes: 3 bits each, 7 extended by a run of set bits.
template <typename Table>
bool LzhDecoder::ReadShortLengths(BitReader& bits, Table& table, int countBits, int specialIndex) {
    const unsigned symbols = static_cast<unsigned>(table.lengths.size());
    unsigned count = bits.Take(countBits);
    if (count == 0) return table.SetSingle(bits.Take(countBits));
    if (count > symbols) return false;
    table.lengths.fill(0);
    for (unsigned i = 0; i < count;) {
        unsigned len = bits.Peek(3);
        if (len == 7) {
            std::uint32_t window = bits.Peek(16);
            for (std::uint32_t mask = 1u << 12; mask != 0 && (window & mask); mask >>= 1) ++len;
        }
        bits.Skip(len < 7 ? 3 : static_cast<int>(len) - 3);
        table.lengths[i++] = static_cast<std::uint8_t>(len);
        if (static_cast<int>(i) == specialIndex) {
            i += bits.Take(2);  // that many zero lengths
            if (i > symbols) return false;
        }
    }
    return table.Build();
}

bool LzhDecoder::ReadLiteralLengths(BitReader& bits) {
    unsigned count = bits.Take(kLiteralCountBits);
    if (count == 0) return literal_.SetSingle(bits.Take(kLiteralCountBits));
    if (count > kLiteralCodes) return false;
    literal_.lengths.fill(0);
    for (unsigned i = 0; i < count;) {
        unsigned t = preTree_.Decode(bits);
        if (t <= 2) {
            // Runs of zero lengths: 1, 3..18 or 20..531 of them.
            unsigned run = t == 0 ? 1 : t == 1 ? bits.Take(4) + 3 : bits.Take(9) + 20;
            i += run;
            if (i > kLiteralCodes) return false;
        } else {
            literal_.lengths[i++] = static_cast<std::uint8_t>(t - 2);
        }
    }
    return literal_.Build();
}

void LzhDecoder::ReadBlockHeader(BitReader& bits) {
    // A block of zero codes is never written; refusing it also stops a decoder that has
    // run into the zero bits past the end of its data.
    blockRemaining_ = bits.Take(kBlockSizeBits);
    bool ok = blockRemaining_ != 0 && ReadShortLengths(bits, preTree_, kPreTreeCountBits, kPreTreeSpecialIndex) &&
              ReadLiteralLengths(bits) && ReadShortLengths(bits, position_, kPositionCountBits, kNoSpecialIndex);
    if (!ok || bits.Overrun()) Fail(ResultCode::BrokenFile);
}

ResultCode LzhDecoder::DecodeMember(std::span<const std::uint8_t> data, ByteSink& out, std::uint32_t size,
                                    std::uint16_t crc) {
    StartMember(data);
    BitReader bits = bits_;
    std::uint8_t* const dict = dictionary_.data();
    constexpr std::size_t kMask = kDictionarySize - 1;
    std::uint16_t runningCrc = 0;
    std::size_t index = 0;
    std::uint32_t produced = 0;

    // The dictionary goes out whole each time it fills; the CRC is taken on the way out.
    auto flush = [&](std::size_t n) {
        runningCrc = UpdateCrc16(runningCrc, {dict, n});
        if (!out.Write({dict, n})) Fail(ResultCode::WriteError);
        // Checked per block written so that data running short ends the member early.
        else if (bits.Overrun()) Fail(ResultCode::BrokenFile);
    };

    while (produced < size) {
        unsigned code = DecodeCode(bits);
        if (error_ != ResultCode::Success) break;
        if (code < 256) {
            dict[index++] = static_cast<std::uint8_t>(code);
            ++produced;
            if (index == kDictionarySize) {
                flush(index);
                if (error_ != ResultCode::Success) break;
                index = 0;
            }
            continue;
        }

        std::uint32_t length = code - kLengthBias;
        std::uint32_t distance = DecodePosition(bits);
        // Nothing exists before the member's first byte to copy from.
        if (distance >= produced) {
            Fail(ResultCode::BrokenFile);
            break;
        }
        if (length > size - produced) length = size - produced;
        produced += length;
        std::size_t from = (index - distance - 1) & kMask;
        // Fast path: the match neither wraps nor comes within eight bytes of the end (so no
        // write-out is due), and
        // its source lies at least eight bytes from its destination either way round.
        if (index + length + 8 <= kDictionarySize && from + length + 8 <= kDictionarySize && distance >= 7 &&
            distance < kDictionarySize - 8) {
            CopyMatch(dict + index, dict + from, length);
            index += length;
            continue;
        }
        for (std::uint32_t k = 0; k < length; ++k) {
            dict[index++] = dict[from];
            from = (from + 1) & kMask;
            if (index == kDictionarySize) {
                flush(index);
                if (error_ != ResultCode::Success) break;
                index = 0;
            }
        }
        if (error_ != ResultCode::Success) break;
    }

    if (error_ == ResultCode::Success && index > 0) flush(index);
    if (error_ == ResultCode::Success && bits.Overrun()) Fail(ResultCode::BrokenFile);
    if (error_ != ResultCode::Success) return error_;
    return runningCrc == crc ? ResultCode::Success : ResultCode::BrokenFile;
}

}  // namespace lzh
