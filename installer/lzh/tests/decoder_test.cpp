#include "installer/lzh/decoder.h"

#include <gtest/gtest.h>

#include <functional>

#include "archive_builder.h"

namespace lzh {
namespace {

using test_support::BitWriter;
using test_support::Bytes;

class CollectingSink : public ByteSink {
public:
    bool Write(std::span<const std::uint8_t> bytes) override {
        data.insert(data.end(), bytes.begin(), bytes.end());
        return true;
    }
    Bytes data;
};

class FailingSink : public ByteSink {
public:
    bool Write(std::span<const std::uint8_t>) override { return false; }
};

// A block whose three code tables each hold a single symbol, read with zero bits.
BitWriter& SingleSymbolBlock(BitWriter& w, std::uint16_t codes, unsigned literal, unsigned position = 0) {
    w.Put(codes, 16);
    w.Put(0, 5).Put(0, 5);         // pre-tree: unused
    w.Put(0, 9).Put(literal, 9);   // literal/length
    w.Put(0, 4).Put(position, 4);  // position
    return w;
}

ResultCode Decode(const Bytes& stream, std::uint32_t size, std::uint16_t crc, CollectingSink& sink) {
    LzhDecoder decoder;
    return decoder.DecodeMember(stream, sink, size, crc);
}

TEST(LzhDecoder, DecodesLiteralsAndMatches) {
    BitWriter w;
    SingleSymbolBlock(w, 2, 'A');
    SingleSymbolBlock(w, 1, 256 + 5 - 3, 1);  // a match of 5 from two bytes back
    Bytes expected = test_support::ToBytes("AAAAAAA");
    CollectingSink sink;
    EXPECT_EQ(Decode(w.bytes(), 7, test_support::Crc(expected), sink), ResultCode::Success);
    EXPECT_EQ(sink.data, expected);

    CollectingSink wrongCrc;
    EXPECT_EQ(Decode(w.bytes(), 7, test_support::Crc(expected) ^ 1, wrongCrc), ResultCode::BrokenFile);
}

TEST(LzhDecoder, EmptyMemberNeedsNoData) {
    CollectingSink sink;
    EXPECT_EQ(Decode({}, 0, 0, sink), ResultCode::Success);
    EXPECT_TRUE(sink.data.empty());
}

TEST(LzhDecoder, WriteFailureIsReported) {
    BitWriter w;
    SingleSymbolBlock(w, 9000, 'A');
    LzhDecoder decoder;
    FailingSink sink;
    EXPECT_EQ(decoder.DecodeMember(w.bytes(), sink, 9000, 0), ResultCode::WriteError);
}

// Each stream is malformed; decoding must stop with BrokenFile without reading or
// writing out of bounds (the sanitizer build checks that) and without running on.
TEST(LzhDecoder, MalformedStreamsEndTheMember) {
    struct Case {
        const char* what;
        std::function<void(BitWriter&)> write;
        std::uint32_t size = 100;
    };
    const std::vector<Case> cases = {
        {"block of zero codes", [](BitWriter& w) { SingleSymbolBlock(w, 0, 'A'); }},
        {"single literal symbol out of range", [](BitWriter& w) { SingleSymbolBlock(w, 1, 510); }},
        {"single position symbol out of range", [](BitWriter& w) { SingleSymbolBlock(w, 1, 'A', 14); }},
        {"single pre-tree symbol out of range",
         [](BitWriter& w) { w.Put(1, 16).Put(0, 5).Put(19, 5); }},
        {"pre-tree count above 19", [](BitWriter& w) { w.Put(1, 16).Put(20, 5); }},
        {"literal count above 510", [](BitWriter& w) { w.Put(1, 16).Put(0, 5).Put(0, 5).Put(511, 9); }},
        {"position count above 14",
         [](BitWriter& w) { w.Put(1, 16).Put(0, 5).Put(0, 5).Put(0, 9).Put('A', 9).Put(15, 4); }},
        {"zero run of 20 + 511 past the 510 literal lengths",
         [](BitWriter& w) { w.Put(1, 16).Put(0, 5).Put(2, 5).Put(5, 9).Put(511, 9); }},
        {"zero run of 3 + 15 past the literal lengths",
         [](BitWriter& w) {
             w.Put(1, 16).Put(0, 5).Put(1, 5).Put(510, 9);
             for (int i = 0; i < 29; ++i) w.Put(15, 4);  // 29 runs of 18 = 522
         }},
        {"oversubscribed pre-tree",
         [](BitWriter& w) { w.Put(1, 16).Put(3, 5).Put(1, 3).Put(1, 3).Put(1, 3).Put(0, 2); }},
        {"incomplete pre-tree", [](BitWriter& w) { w.Put(1, 16).Put(1, 5).Put(1, 3); }},
        {"code length above 16",
         [](BitWriter& w) {
             w.Put(1, 16).Put(0, 5).Put(0, 5).Put(0, 9).Put('A', 9);
             w.Put(2, 4).Put(7, 3).Put(0x1FFF, 13).Put(1, 3);  // lengths 20 and 1
         }},
        {"copy from before the start", [](BitWriter& w) { SingleSymbolBlock(w, 1, 256); }},
        {"copy from further back than the data",
         [](BitWriter& w) {
             SingleSymbolBlock(w, 2, 'A');
             SingleSymbolBlock(w, 1, 256, 2).Put(0, 1);  // distance 2 after two bytes
         }},
        {"data ends before the declared size", [](BitWriter& w) { SingleSymbolBlock(w, 3, 'A'); }},
        {"data ends long before the declared size", [](BitWriter& w) { SingleSymbolBlock(w, 65535, 'A'); },
         0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        BitWriter w;
        c.write(w);
        CollectingSink sink;
        EXPECT_EQ(Decode(w.bytes(), c.size, 0, sink), ResultCode::BrokenFile) << c.what;
        EXPECT_LE(sink.data.size(), 65535u) << c.what;
    }
}

}  // namespace
}  // namespace lzh
