#include "lzh/decoder.h"

#include <cstring>

#include "lzh/crc16.h"

namespace lzh {
namespace {

constexpr int kBlockSizeBits = 16;
constexpr int kLiteralCountBits = 9;
constexpr int kPreTreeCountBits = 5;
constexpr int kPreTreeSpecialIndex = 3;
constexpr int kNoSpecialIndex = -1;

}  // namespace

void LzhDecoder::StartMember(std::span<const std::uint8_t> data) {
    bits_.Start(data);
    blockRemaining_ = 0;
    error_ = ResultCode::Success;
}

// Lengths of the pre-tree or position codes: 3 bits each, 7 extended by a run of set bits.
template <typename Table>
bool LzhDecoder::ReadShortLengths(Table& table, int countBits, int specialIndex) {
    const unsigned symbols = static_cast<unsigned>(table.lengths.size());
    unsigned count = bits_.Take(countBits);
    if (count == 0) return table.SetSingle(bits_.Take(countBits));
    if (count > symbols) return false;
    table.lengths.fill(0);
    for (unsigned i = 0; i < count;) {
        unsigned len = bits_.Peek(3);
        if (len == 7) {
            std::uint32_t window = bits_.Peek(16);
            for (std::uint32_t mask = 1u << 12; mask != 0 && (window & mask); mask >>= 1) ++len;
        }
        bits_.Skip(len < 7 ? 3 : static_cast<int>(len) - 3);
        table.lengths[i++] = static_cast<std::uint8_t>(len);
        if (static_cast<int>(i) == specialIndex) {
            i += bits_.Take(2);  // that many zero lengths
            if (i > symbols) return false;
        }
    }
    return table.Build();
}

bool LzhDecoder::ReadLiteralLengths() {
    unsigned count = bits_.Take(kLiteralCountBits);
    if (count == 0) return literal_.SetSingle(bits_.Take(kLiteralCountBits));
    if (count > kLiteralCodes) return false;
    literal_.lengths.fill(0);
    for (unsigned i = 0; i < count;) {
        unsigned t = preTree_.Decode(bits_);
        if (t <= 2) {
            // Runs of zero lengths: 1, 3..18 or 20..531 of them.
            unsigned run = t == 0 ? 1 : t == 1 ? bits_.Take(4) + 3 : bits_.Take(9) + 20;
            i += run;
            if (i > kLiteralCodes) return false;
        } else {
            literal_.lengths[i++] = static_cast<std::uint8_t>(t - 2);
        }
    }
    return literal_.Build();
}

void LzhDecoder::ReadBlockHeader() {
    // A block of zero codes is never written; refusing it also stops a decoder that has
    // run into the zero bits past the end of its data.
    blockRemaining_ = bits_.Take(kBlockSizeBits);
    bool ok = blockRemaining_ != 0 && ReadShortLengths(preTree_, kPreTreeCountBits, kPreTreeSpecialIndex) &&
              ReadLiteralLengths() && ReadShortLengths(position_, kPositionCountBits, kNoSpecialIndex);
    if (!ok || bits_.Overrun()) Fail(ResultCode::BrokenFile);
}

unsigned LzhDecoder::DecodeCode() {
    if (blockRemaining_ == 0) {
        ReadBlockHeader();
        if (error_ != ResultCode::Success) return 0;
    }
    --blockRemaining_;
    return literal_.Decode(bits_);
}

unsigned LzhDecoder::DecodePosition() {
    unsigned p = position_.Decode(bits_);
    if (p <= 1) return p;
    return (1u << (p - 1)) + bits_.Take(static_cast<int>(p) - 1);
}

ResultCode LzhDecoder::DecodeMember(std::span<const std::uint8_t> data, ByteSink& out, std::uint32_t size,
                                    std::uint16_t crc) {
    StartMember(data);
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
        else if (bits_.Overrun()) Fail(ResultCode::BrokenFile);
    };

    while (produced < size) {
        unsigned code = DecodeCode();
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
        std::uint32_t distance = DecodePosition();
        // Nothing exists before the member's first byte to copy from.
        if (distance >= produced) {
            Fail(ResultCode::BrokenFile);
            break;
        }
        if (length > size - produced) length = size - produced;
        produced += length;
        std::size_t from = (index - distance - 1) & kMask;
        if (index + length <= kDictionarySize && from + length <= kDictionarySize) {
            if (from > index || distance + 1 >= length) {
                std::memmove(dict + index, dict + from, length);
            } else {
                // Overlapping copy: repeats the last distance + 1 bytes.
                for (std::uint32_t k = 0; k < length; ++k) dict[index + k] = dict[from + k];
            }
            index += length;
            if (index == kDictionarySize) {
                flush(index);
                if (error_ != ResultCode::Success) break;
                index = 0;
            }
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
    if (error_ == ResultCode::Success && bits_.Overrun()) Fail(ResultCode::BrokenFile);
    if (error_ != ResultCode::Success) return error_;
    return runningCrc == crc ? ResultCode::Success : ResultCode::BrokenFile;
}

}  // namespace lzh
