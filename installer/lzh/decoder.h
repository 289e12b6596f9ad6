#pragma once
// The -lh5- method: LZSS over an 8,192-byte dictionary, coded in blocks of static
// Huffman codes. One decoder is made per member.

#include <array>
#include <cstdint>

#include "lzh/bit_reader.h"
#include "lzh/byte_sink.h"
#include "lzh/huffman_table.h"
#include "lzh/result_code.h"

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
    // One literal/length code 0..509, reading a new block header when the block is used up.
    unsigned DecodeCode();
    // One match position code, returned as the distance back minus one.
    unsigned DecodePosition();
    void StartMember(std::span<const std::uint8_t> data);

    ResultCode Error() const { return error_; }

private:
    void ReadBlockHeader();
    template <typename Table>
    bool ReadShortLengths(Table& table, int countBits, int specialIndex);
    bool ReadLiteralLengths();
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
