#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/files/bmp_writer.h"
#include "common/files/wav_writer.h"

namespace {

using files::Rgb;

std::uint32_t Le(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

TEST(WavWriter, HeaderDescribesTheSamplesForEachFormat) {
    const std::vector<std::int16_t> samples = {0, 0x1234, -2, 32767, -32768};
    const struct {
        files::PcmFormat format;
        std::uint32_t byteRate, blockAlign, dataBytes;
        std::string data;  // the data chunk's bytes, padding included
    } cases[] = {
        {{1, 11025, 16}, 22050, 2, 10, std::string("\x00\x00\x34\x12\xFE\xFF\xFF\x7F\x00\x80", 10)},
        {{1, 11025, 8}, 11025, 1, 5, std::string("\x80\x92\x7F\xFF\x00\x00", 6)},  // odd length padded
        {{2, 44100, 16}, 176400, 4, 10, std::string("\x00\x00\x34\x12\xFE\xFF\xFF\x7F\x00\x80", 10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.format.channels) + " ch " + std::to_string(c.format.bitsPerSample) + " bit");
        const std::string wav = files::EncodeWav(c.format, samples);
        ASSERT_EQ(wav.size(), 44 + c.data.size());
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(Le(wav, 4, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(Le(wav, 16, 4), 16u);
        EXPECT_EQ(Le(wav, 20, 2), 1u);
        EXPECT_EQ(Le(wav, 22, 2), static_cast<std::uint32_t>(c.format.channels));
        EXPECT_EQ(Le(wav, 24, 4), static_cast<std::uint32_t>(c.format.sampleRate));
        EXPECT_EQ(Le(wav, 28, 4), c.byteRate);
        EXPECT_EQ(Le(wav, 32, 2), c.blockAlign);
        EXPECT_EQ(Le(wav, 34, 2), static_cast<std::uint32_t>(c.format.bitsPerSample));
        EXPECT_EQ(wav.substr(36, 4), "data");
        EXPECT_EQ(Le(wav, 40, 4), c.dataBytes);
        EXPECT_EQ(wav.substr(44), c.data);
    }
    EXPECT_THROW(files::EncodeWav({1, 11025, 24}, samples), std::invalid_argument);
}

// A 3 × 2 picture: rows are stored bottom-up and padded to four bytes.
TEST(BmpWriter, PixelsAndTablesForEachDepth) {
    const std::vector<Rgb> palette = {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}};
    const files::PalettedImage paletted{3, 2, palette, {0, 1, 2, 2, 1, 0}};
    const files::TrueColourImage trueColour{3, 2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {16, 17, 18}}};
    const struct {
        const char* what;
        std::string bmp;
        std::uint32_t bits, colours;
        std::string pixels;
    } cases[] = {
        {"4-bit", files::EncodeBmp(paletted, 4), 4, 3, std::string("\x21\x00\x00\x00\x01\x20\x00\x00", 8)},
        {"8-bit", files::EncodeBmp(paletted, 8), 8, 3, std::string("\x02\x01\x00\x00\x00\x01\x02\x00", 8)},
        {"24-bit", files::EncodeBmp(trueColour), 24, 0,
         std::string("\x0C\x0B\x0A\x0F\x0E\x0D\x12\x11\x10\x00\x00\x00"
                     "\x03\x02\x01\x06\x05\x04\x09\x08\x07\x00\x00\x00", 24)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::uint32_t offset = 54 + 4 * c.colours;
        ASSERT_EQ(c.bmp.size(), offset + c.pixels.size());
        EXPECT_EQ(c.bmp.substr(0, 2), "BM");
        EXPECT_EQ(Le(c.bmp, 2, 4), c.bmp.size());
        EXPECT_EQ(Le(c.bmp, 10, 4), offset);
        EXPECT_EQ(Le(c.bmp, 14, 4), 40u);
        EXPECT_EQ(Le(c.bmp, 18, 4), 3u);
        EXPECT_EQ(Le(c.bmp, 22, 4), 2u);
        EXPECT_EQ(Le(c.bmp, 28, 2), c.bits);
        EXPECT_EQ(Le(c.bmp, 30, 4), 0u);
        EXPECT_EQ(Le(c.bmp, 34, 4), c.pixels.size());
        EXPECT_EQ(Le(c.bmp, 46, 4), c.colours);
        if (c.colours) {
            EXPECT_EQ(c.bmp.substr(54, 12), std::string("\0\0\0\0\0\0\xFF\0\xFF\0\0\0", 12));
        }
        EXPECT_EQ(c.bmp.substr(offset), c.pixels);
    }
}

TEST(BmpWriter, RefusesWhatTheDepthCannotHold) {
    std::vector<Rgb> colours17(17, Rgb{1, 2, 3});
    std::vector<Rgb> colours256(256, Rgb{1, 2, 3});
    const struct {
        const char* what;
        files::PalettedImage image;
        int bits;
        bool fits;
    } cases[] = {
        {"17 colours in 4 bits", {1, 1, colours17, {0}}, 4, false},
        {"256 colours in 8 bits", {1, 1, colours256, {255}}, 8, true},
        {"index past the palette", {2, 1, {{0, 0, 0}, {1, 1, 1}}, {0, 2}}, 8, false},
        {"too few pixels", {2, 2, {{0, 0, 0}}, {0, 0, 0}}, 8, false},
        {"1-bit", {1, 1, {{0, 0, 0}}, {0}}, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.fits) {
            EXPECT_NO_THROW(files::EncodeBmp(c.image, c.bits));
        } else {
            EXPECT_THROW(files::EncodeBmp(c.image, c.bits), std::invalid_argument);
        }
    }
}

}  // namespace
