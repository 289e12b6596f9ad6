#include "minigolf/devices/wave_resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "minigolf/devices/mouse.h"
#include "minigolf/testing/scripted_mouse.h"

namespace minigolf {
namespace {

void Put(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

void PutTag(std::vector<std::uint8_t>& b, std::size_t at, const char* tag) { std::memcpy(&b[at], tag, 4); }

// A resource in the fixed layout holding the given number of sample bytes.
std::vector<std::uint8_t> Resource(std::uint32_t dataSize) {
    std::vector<std::uint8_t> b(58 + dataSize, 0);
    PutTag(b, 0, "RIFF");
    Put(b, 4, static_cast<std::uint32_t>(b.size() - 8), 4);
    PutTag(b, 8, "WAVE");
    PutTag(b, 12, "fmt ");
    Put(b, 16, 18, 4);
    Put(b, 20, 1, 2);       // PCM
    Put(b, 22, 1, 2);       // mono
    Put(b, 24, 11025, 4);
    Put(b, 28, 22050, 4);
    Put(b, 32, 2, 2);
    Put(b, 34, 16, 2);
    PutTag(b, 38, "fact");
    Put(b, 42, 4, 4);
    Put(b, 46, dataSize / 2, 4);
    PutTag(b, 50, "data");
    Put(b, 54, dataSize, 4);
    for (std::uint32_t i = 0; i < dataSize; ++i) b[58 + i] = static_cast<std::uint8_t>(i + 1);
    return b;
}

TEST(WaveResource, TheFixedLayoutYieldsItsSamples) {
    const auto bytes = Resource(6);
    const auto wave = ReadWaveResource(bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->sampleRate, 11025u);
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->bitsPerSample, 16);
    ASSERT_EQ(wave->samples.size(), 6u);
    EXPECT_EQ(wave->samples.data(), bytes.data() + 58);
}

TEST(WaveResource, TrailingBytesAfterTheDataAreNotSamples) {
    auto bytes = Resource(4);
    bytes.resize(bytes.size() + 10, 0xEE);
    const auto wave = ReadWaveResource(bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples.size(), 4u);
}

TEST(WaveResource, RejectsBytesThatDoNotFitTheLayout) {
    struct Case {
        const char* what;
        std::size_t at;
        std::uint32_t value;
        int bytes;
    };
    const Case cases[] = {
        {"not RIFF", 0, 0x46464952 + 1, 4},
        {"not WAVE", 8, 0, 4},
        {"format record of 16 bytes", 16, 16, 4},
        {"not PCM", 20, 3, 2},
        {"stereo", 22, 2, 2},
        {"22050 Hz", 24, 22050, 4},
        {"8 bits", 34, 8, 2},
        {"no fact chunk", 38, 0x61746164, 4},
        {"data elsewhere", 50, 0, 4},
        {"data size beyond the end", 54, 10, 4},
        {"odd data size", 54, 7, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = Resource(8);
        Put(bytes, c.at, c.value, c.bytes);
        EXPECT_FALSE(ReadWaveResource(bytes));
    }
    const auto whole = Resource(8);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(ReadWaveResource(cut)) << size;
    }
}

TEST(ReadMouse, AFailedReadingIsNoMotionAndNoButton) {
    test_support::ScriptedMouse mouse;
    mouse.Push(30, 1);
    mouse.PushFailure();
    mouse.Push(-7, 0x01);
    const MouseReading first = ReadMouse(mouse);
    EXPECT_EQ(first.dx, 30);
    EXPECT_TRUE(first.ButtonDown());
    const MouseReading failed = ReadMouse(mouse);
    EXPECT_EQ(failed.dx, 0);
    EXPECT_FALSE(failed.ButtonDown());
    EXPECT_TRUE(ReadMouse(mouse).ButtonDown()) << "0x01 is down, not only 0x80";
}

}  // namespace
}  // namespace minigolf
