#include "common/embedded/embedded.h"

#include <gtest/gtest.h>

#include <string>

DECLARE_EMBEDDED(embed_sample)

TEST(Embedded, CarriesTheFileByteForByte) {
    auto bytes = EMBEDDED_BYTES(embed_sample);
    const std::string expected("ab\0\xff\ncd", 7);
    ASSERT_EQ(bytes.size(), expected.size());
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
}
