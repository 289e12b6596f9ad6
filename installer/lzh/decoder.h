#pragma once
// The -lh5- method: LZSS over an 8,192-byte dictionary, coded in blocks of static
// Huffman codes. One decoder is made per member.

#include <array>
#include <cstdint>

#include "installer/lzh/bit_reader.h"
#include "installer/lzh/byte_sink.h"
#include "installer/lzh/huffman_table.h"
#include "installer/lzh/result_code.h"

namespace lzh {

class LzhDecoder {
public:
    static constexpr int kDictionaryBits = 13;
    static constexpr std::size_t kDictionarySize = std::size_t{1} << kDictionaryBits;
    static constexpr int kLiteralCodes = 510;  // 256 bytes, then match lengths 3..256
    static constexpr int kLengthBias = 253;
    static constexpr int kPositionCodes = 14;
    static constexpr int kPositionCountBits = 4;
    static constexpr int kPreTreeCodes = 19;

    // Decodes `size` bytes from `data` (the member's compressed bytes) into `out`.
    // BrokenFile for malformed data or a CRC mismatch, WriteError when `out` fails.
    ResultCode DecodeMember(std::span<const std::uint8_t> data, ByteSink& out, std::uint32_t size,
                            std::uint16_t crc);
    // The next two read from `bits`, the member's reader as set up by StartMember; the
    // decoding loop passes its own copy of it, held where byte stores cannot disturb it.
    // One literal/length code 0..509, reading a new block header when the block is used up.
    unsigned DecodeCode(BitReader& bits) {
        if (blockRemaining_ == 0) {
            ReadBlockHeader(bits);
            if (error_ != ResultCode::Success) return 0;
        }
        --blockRemaining_;
        return literal_.Decode(bits);
    }
    // One match position code, returned as the distance back minus one.
    unsigned DecodePosition(BitReader& bits) const {
        unsigned p = position_.Decode(bits);
        if (p <= 1) return p;
        return (1u << (p - 1)) + bits.Take(static_cast<int>(p) - 1);
    }
    // Resets the bit reader onto `data` and the block counter.
    void StartMember(std::span<const std::uint8_t> data);

private:
    void ReadBlockHeader(BitReader& bits);
    template <typename Table>
    static bool ReadShortLengths(BitReader& bits, Table& table, int countBits, int specialIndex);
    bool ReadLiteralLengths(BitReader& bits);
    void Fail(ResultCode error) { error_ = error; }

    BitReader bits_;
    std::uint32_t blockRemaining_ = 0;
    ResultCode error_ = ResultCode::Success;
    HuffmanTable<kLiteralCodes, 12> literal_;
    HuffmanTable<kPreTreeCodes, 8> preTree_;
    HuffmanTable<kPositionCodes, 8> position_;
    std::array<std::uint8_t, kDictionarySize> dictionary_;
};

}  // namespace lzh
