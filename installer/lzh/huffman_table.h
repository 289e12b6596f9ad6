#pragma once
// Canonical Huffman decoding table: codes up to kIndexBits long are found with one
// lookup of the next kIndexBits bits; longer codes continue from there in a small tree
// walked one bit at a time (rare with real data).

#include <array>
#include <cstdint>

#include "installer/lzh/bit_reader.h"

namespace lzh {

template <int kSymbols, int kIndexBits>
class HuffmanTable {
public:
    static constexpr int kMaxCodeLength = 16;

    std::array<std::uint8_t, kSymbols> lengths{};

    // Builds the table from `lengths`. False when the lengths are out of range or do
    // not fill the code space exactly (a malformed or oversubscribed table).
    bool Build();

    // Every lookup yields `symbol`, read with zero bits (a block using one symbol only).
    bool SetSingle(unsigned symbol);

    unsigned Decode(BitReader& bits) const {
        std::uint16_t entry = table_[bits.Peek(kIndexBits)];
        unsigned symbol = entry & kSymbolMask;
        if (symbol < kSymbols) {
            bits.Skip(entry >> kLengthShift);
            return symbol;
        }
        return DecodeLong(bits, symbol);
    }

private:
    static constexpr int kLengthShift = 10;
    static constexpr std::uint16_t kSymbolMask = (1u << kLengthShift) - 1;
    static_assert(2 * kSymbols <= kSymbolMask, "symbols and tree nodes must fit below the length field");

    unsigned DecodeLong(BitReader& bits, unsigned node) const {
        // Build() accepts only complete codes, so every walk ends at a symbol within
        // 16 - kIndexBits steps.
        std::uint32_t code = bits.Peek(16);
        std::uint32_t mask = 1u << (15 - kIndexBits);
        do {
            node = (code & mask) ? right_[node - kSymbols] : left_[node - kSymbols];
            mask >>= 1;
        } while (node >= kSymbols);
        bits.Skip(lengths[node]);
        return node;
    }

    // Entry: symbol (or tree node) in the low bits, code length above it.
    std::array<std::uint16_t, 1u << kIndexBits> table_{};
    std::array<std::uint16_t, kSymbols> left_{};
    std::array<std::uint16_t, kSymbols> right_{};
};

template <int kSymbols, int kIndexBits>
bool HuffmanTable<kSymbols, kIndexBits>::SetSingle(unsigned symbol) {
    if (symbol >= kSymbols) return false;
    lengths.fill(0);
    table_.fill(static_cast<std::uint16_t>(symbol));
    return true;
}

template <int kSymbols, int kIndexBits>
bool HuffmanTable<kSymbols, kIndexBits>::Build() {
    std::array<std::uint32_t, kMaxCodeLength + 2> count{};
    for (std::uint8_t len : lengths) {
        if (len > kMaxCodeLength) return false;
        ++count[len];
    }
    std::array<std::uint32_t, kMaxCodeLength + 2> start{};
    for (int len = 1; len <= kMaxCodeLength; ++len) start[len + 1] = start[len] + (count[len] << (kMaxCodeLength - len));
    if (start[kMaxCodeLength + 1] != (1u << kMaxCodeLength)) return false;

    // Entries leading to longer codes start out empty (0); codes are assigned in order
    // of length, so those entries are the last ones.
    for (std::uint32_t i = start[kIndexBits + 1] >> (kMaxCodeLength - kIndexBits); i < table_.size(); ++i) table_[i] = 0;

    unsigned nextNode = kSymbols;
    for (unsigned symbol = 0; symbol < kSymbols; ++symbol) {
        int len = lengths[symbol];
        if (len == 0) continue;
        std::uint32_t code = start[len];
        start[len] += 1u << (kMaxCodeLength - len);
        if (len <= kIndexBits) {
            std::uint32_t first = code >> (kMaxCodeLength - kIndexBits);
            std::uint32_t span = 1u << (kIndexBits - len);
            std::uint16_t entry = static_cast<std::uint16_t>(symbol | (len << kLengthShift));
            for (std::uint32_t i = 0; i < span; ++i) table_[first + i] = entry;
            continue;
        }
        // Longer code: the table entry for its first kIndexBits bits leads into the tree.
        std::uint16_t* slot = &table_[code >> (kMaxCodeLength - kIndexBits)];
        std::uint32_t mask = 1u << (15 - kIndexBits);
        for (int level = kIndexBits; level < len; ++level) {
            if (*slot == 0) {
                // A complete code needs fewer than kSymbols nodes.
                left_[nextNode - kSymbols] = 0;
                right_[nextNode - kSymbols] = 0;
                *slot = static_cast<std::uint16_t>(nextNode++);
            }
            unsigned node = *slot - kSymbols;
            slot = (code & mask) ? &right_[node] : &left_[node];
            mask >>= 1;
        }
        *slot = static_cast<std::uint16_t>(symbol);
    }
    return true;
}

}  // namespace lzh
