#include "installer/lzh/crc16.h"

#include <gtest/gtest.h>

#include <string_view>

#include "archive_builder.h"

namespace lzh {
namespace {

TEST(Crc16, MatchesTheArcCheckValue) {
    EXPECT_EQ(test_support::Crc(test_support::ToBytes("123456789")), 0xBB3D);
    EXPECT_EQ(test_support::Crc({}), 0);
}

TEST(Crc16, PiecewiseEqualsWhole) {
    test_support::Bytes data = test_support::ToBytes("The CRC runs over members written in 8,192-byte pieces, 0123456789");
    std::uint16_t whole = test_support::Crc(data);
    for (std::size_t split : {1u, 3u, 4u, 7u, 13u, 30u}) {
        std::span<const std::uint8_t> all(data);
        std::uint16_t crc = UpdateCrc16(0, all.first(split));
        crc = UpdateCrc16(crc, all.subspan(split));
        EXPECT_EQ(crc, whole) << "split at " << split;
    }
}

}  // namespace
}  // namespace lzh
