#include "installer/lzh/header.h"

#include <gtest/gtest.h>

#include "archive_builder.h"
#include "installer/lzh/header_scan.h"

namespace lzh {
namespace {

using test_support::Bytes;
using test_support::Member;

HeaderStatus Parse(const Bytes& bytes, LzhHeader& header) {
    MemoryStream stream(bytes);
    return ParseHeader(header, stream);
}

TEST(MemoryStream, ReadsZerosPastTheEndAndFlagsIt) {
    Bytes bytes = {1, 2, 3};
    MemoryStream stream(bytes);
    std::uint8_t out[5] = {9, 9, 9, 9, 9};
    stream.Read(out, 2);
    EXPECT_EQ(stream.Error(), 0);
    stream.Read(out, 3);
    EXPECT_EQ(out[0], 3);
    EXPECT_EQ(out[1], 0);
    EXPECT_EQ(out[2], 0);
    EXPECT_EQ(stream.Error(), MemoryStream::kReadPastEnd);
    stream.Seek(-2, SeekOrigin::End);
    EXPECT_EQ(stream.ReadByte(), 2);
    stream.Seek(-1, SeekOrigin::Current);
    EXPECT_EQ(stream.ReadU16(), 0x0302);
}

TEST(ParseHeader, ReadsALevel0Header) {
    Member m = test_support::Stored("dir\\sp ace.txt", "hello");
    LzhHeader h;
    Bytes bytes = test_support::Encode(m);
    MemoryStream stream(bytes);
    ASSERT_EQ(ParseHeader(h, stream), HeaderStatus::Ok);
    EXPECT_EQ(std::string(h.method.begin(), h.method.end()), "-lh0-");
    EXPECT_EQ(h.fileName, "dir\\sp_ace.txt");
    EXPECT_EQ(h.originalSize, 5u);
    EXPECT_EQ(h.DataSize(), 5u);
    EXPECT_EQ(h.crc, test_support::Crc(test_support::ToBytes("hello")));
    EXPECT_EQ(h.fileTime, DosDateTimeToTime(test_support::kDosDate, test_support::kDosTime));
    EXPECT_EQ(stream.Remaining().size(), 5u);  // left at the member data
}

TEST(ParseHeader, Level1ExtendedHeadersNameTheFileAndFolder) {
    Member m = test_support::Stored("SHORT", "data", 1);
    m.extended = {{0x00, {0x12, 0x34}},  // header CRC: skipped
                  {0x01, test_support::ToBytes("long name.txt")},
                  {0x02, test_support::ToBytes("abc\xFF" "d e\xFF\x01junk")}};
    LzhHeader h;
    Bytes bytes = test_support::Encode(m);
    MemoryStream stream(bytes);
    ASSERT_EQ(ParseHeader(h, stream), HeaderStatus::Ok);
    EXPECT_EQ(h.fileName, "long_name.txt");
    EXPECT_EQ(h.directoryName, "abc\\d_e\\");  // copying stops at the first control byte
    EXPECT_EQ(h.extendedHeaderTotal, 5u + 16u + 16u);
    EXPECT_EQ(h.DataSize(), 4u);
    EXPECT_EQ(stream.Remaining().size(), 4u);
}

TEST(ParseHeader, StatusesForEndLevelAndLimits) {
    struct Case {
        const char* what;
        Bytes bytes;
        HeaderStatus expected;
    };
    auto withName = [](std::size_t length) { return test_support::Encode(test_support::Stored(std::string(length, 'n'), "x")); };
    auto withExtended = [](std::uint8_t type, std::size_t payload) {
        Member m = test_support::Stored("f", "x", 1);
        m.extended = {{type, Bytes(payload, 'e')}};
        return test_support::Encode(m);
    };
    Bytes level2 = test_support::Encode(test_support::Stored("f", "x"));
    level2[20] = 2;
    Bytes cutInMethod = test_support::Encode(test_support::Stored("f", "x"));
    cutInMethod.resize(5);
    Bytes cutInName = test_support::Encode(test_support::Stored("name", "x"));
    cutInName.resize(24);
    Bytes extendedPastPacked = withExtended(0x40, 10);
    extendedPastPacked[7] = 3;  // packed size smaller than the extended headers

    std::vector<Case> cases = {
        {"end byte", {0}, HeaderStatus::EndOfArchive},
        {"level 2", level2, HeaderStatus::UnsupportedLevel},
        {"101-character name", withName(101), HeaderStatus::Ok},
        {"102-character name", withName(102), HeaderStatus::Malformed},
        {"type-1 header of 103 bytes", withExtended(1, 100), HeaderStatus::Ok},
        {"type-1 header of 104 bytes", withExtended(1, 101), HeaderStatus::Malformed},
        {"type-2 header of 203 bytes", withExtended(2, 200), HeaderStatus::Ok},
        {"type-2 header of 204 bytes", withExtended(2, 201), HeaderStatus::Malformed},
        {"extended headers beyond packed size", extendedPastPacked, HeaderStatus::Malformed},
        {"cut in the method", cutInMethod, HeaderStatus::Truncated},
        {"cut in the name", cutInName, HeaderStatus::Malformed},
    };
    for (const Case& c : cases) {
        LzhHeader h;
        EXPECT_EQ(Parse(c.bytes, h), c.expected) << c.what;
    }
}

TEST(DosDateTimeToTime, OnlyRealDatesAndTimesGiveATime) {
    struct Case {
        int year, month, day, hour, minute, second;
        bool real;
    };
    const Case cases[] = {
        {1999, 11, 20, 12, 34, 56, true},  {2000, 2, 29, 0, 0, 0, true},   {2107, 12, 31, 23, 59, 58, true},
        {1999, 2, 29, 0, 0, 0, false},     {1999, 4, 31, 0, 0, 0, false},  {1999, 0, 1, 0, 0, 0, false},
        {1999, 13, 1, 0, 0, 0, false},     {1999, 1, 0, 0, 0, 0, false},   {1999, 1, 1, 24, 0, 0, false},
        {1999, 1, 1, 0, 60, 0, false},     {1999, 1, 1, 0, 0, 60, false},
    };
    for (const Case& c : cases) {
        auto date = static_cast<std::uint16_t>(((c.year - 1980) << 9) | (c.month << 5) | c.day);
        auto time = static_cast<std::uint16_t>((c.hour << 11) | (c.minute << 5) | (c.second / 2));
        std::optional<std::time_t> t = DosDateTimeToTime(date, time);
        ASSERT_EQ(t.has_value(), c.real) << c.year << '-' << c.month << '-' << c.day << ' ' << c.hour << ':' << c.minute;
        if (!t) continue;
        std::tm local{};
        localtime_r(&*t, &local);
        EXPECT_EQ(local.tm_year + 1900, c.year);
        EXPECT_EQ(local.tm_mon + 1, c.month);
        EXPECT_EQ(local.tm_mday, c.day);
        EXPECT_EQ(local.tm_hour, c.hour);
        EXPECT_EQ(local.tm_min, c.minute);
        EXPECT_EQ(local.tm_sec, c.second);
    }
}

TEST(FindHeaderStart, SkipsJunkAndFalseDashes) {
    Bytes junk = test_support::ToBytes("junk -lx -lh5 --lh0 ");
    Bytes member = test_support::Encode(test_support::Stored("f", "x"));
    Bytes bytes = junk;
    bytes.insert(bytes.end(), member.begin(), member.end());
    EXPECT_EQ(FindHeaderStart(bytes, 0), junk.size());

    Bytes far(kHeaderScanLimit, 'j');
    far.insert(far.end(), member.begin(), member.end());
    EXPECT_EQ(FindHeaderStart(far, 0), std::nullopt);
    EXPECT_EQ(FindHeaderStart(far, 3), kHeaderScanLimit);
}

}  // namespace
}  // namespace lzh
