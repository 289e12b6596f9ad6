#include "minigolf/courses/course_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace minigolf::courses {
namespace {

std::string Row(char fill = '.') {
    return std::string(kColumns, fill) + "\n";
}

// A closed box: walls round the edge of the screen, open ground inside.
std::string Box(const std::string& head = "par 3\nstart 100 200\n") {
    std::string text = head + "map\n" + std::string(kColumns, '^') + "\n";
    for (int r = 1; r < kRows - 1; ++r) {
        text += "<" + std::string(kColumns - 2, '.') + ">\n";
    }
    return text + std::string(kColumns, 'v') + "\n";
}

TEST(CourseText, EncodesTilesParAndStartAtTheirOffsets) {
    std::string text = Box("# a comment\npar 4\nstart 312.5 96\n");
    text[text.find("map\n") + 4 + 41 * 2 + 3] = ':';  // row 2, column 3
    text[text.find("map\n") + 4 + 41 * 5 + 7] = 'O';  // row 5, column 7
    Course course;
    std::string error;
    ASSERT_TRUE(ParseCourse(text, course, error)) << error;
    const std::string bytes = EncodeCourse(course);
    ASSERT_EQ(bytes.size(), kFileBytes);
    EXPECT_EQ(bytes[0], 1);  // '^'
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2 * (2 * kColumns + 3)], 13);
    EXPECT_EQ(bytes[2 * (5 * kColumns + 7)], 15);
    EXPECT_EQ(bytes[2 * (29 * kColumns + 39)], 2);
    std::int32_t par = 0;
    double x = 0, y = 0;
    std::memcpy(&par, bytes.data() + 2400, 4);
    std::memcpy(&x, bytes.data() + 2404, 8);
    std::memcpy(&y, bytes.data() + 2412, 8);
    EXPECT_EQ(par, 4);
    EXPECT_EQ(x, 312.5);
    EXPECT_EQ(y, 96.0);
}

TEST(CourseText, ReadsWindowsLineEnds) {
    std::string text = Box();
    std::string crlf;
    for (char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    Course course;
    std::string error;
    EXPECT_TRUE(ParseCourse(crlf, course, error)) << error;
}

TEST(CourseText, RefusesMalformedCourses) {
    const std::string box = Box();
    const std::string mapAt = "map\n";
    struct Case {
        const char* what;
        std::string text;
        const char* says;
    };
    const Case cases[] = {
        {"no par", Box("start 100 200\n"), "no \"par\" line"},
        {"no start", Box("par 3\n"), "no \"start\" line"},
        {"par of zero", Box("par 0\nstart 100 200\n"), "\"par\" wants"},
        {"par with words after it", Box("par 3 strokes\nstart 100 200\n"), "\"par\" wants"},
        {"start with one number", Box("par 3\nstart 100\n"), "\"start\" wants"},
        {"start under the status panel", Box("par 3\nstart 100 390\n"), "status panel"},
        {"start off the screen", Box("par 3\nstart -1 200\n"), "off the screen"},
        {"start touching a wall", Box("par 3\nstart 4 200\n"), "touching a wall"},
        {"unknown keyword", Box("par 3\nstart 100 200\nhole 1\n"), "expected"},
        {"short row", box.substr(0, box.size() - 2) + "\n", "40 characters"},
        {"29 rows", box.substr(0, box.size() - 41), "29 rows"},
        {"31 rows", box + Row(), "nothing may follow"},
        {"unknown symbol", [&] {
             std::string t = box;
             t[t.find(mapAt) + 4 + 41 * 3 + 5] = 'X';
             return t;
         }(), "'X' (column 6)"},
        {"code 26 has no symbol", [&] {
             std::string t = box;
             t[t.find(mapAt) + 4 + 41 * 3 + 5] = '@';
             return t;
         }(), "'@'"},
    };
    for (const Case& c : cases) {
        Course course;
        std::string error;
        EXPECT_FALSE(ParseCourse(c.text, course, error)) << c.what;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.what << ": " << error;
    }
}

TEST(CourseText, FindsBytesATextModeReadWouldChange) {
    std::string clean(kFileBytes, '\0');
    struct Case {
        std::size_t at;
        std::string bytes;
        const char* says;  // empty: harmless
    };
    const Case cases[] = {
        {10, "\x1a", "row 1, column 6 holds a byte 0x1A at offset 10"},
        {2401, "\x1a", "the par holds a byte 0x1A"},
        {2410, "\r\n", "the start x holds the bytes 0x0D 0x0A at offset 2410"},
        {2413, "\r\n", "the start y holds the bytes 0x0D 0x0A"},
        {2403, "\r\n", "the par holds"},
        {100, "\n\r", ""},
        {100, "\r\x01\n", ""},
        {2419, "\r", ""},
    };
    EXPECT_EQ(TextModeHazard(clean), "");
    for (const Case& c : cases) {
        std::string bytes = clean;
        bytes.replace(c.at, c.bytes.size(), c.bytes);
        const std::string hazard = TextModeHazard(bytes);
        if (std::string(c.says).empty()) {
            EXPECT_EQ(hazard, "") << "offset " << c.at;
        } else {
            EXPECT_NE(hazard.find(c.says), std::string::npos) << "offset " << c.at << ": " << hazard;
        }
    }
}

// A start whose double ends in the bytes 0x0D 0x0A is refused, not written.
TEST(CourseText, CatchesAStartPositionWhoseBytesWouldChange) {
    Course course;
    std::string error;
    ASSERT_TRUE(ParseCourse(Box(), course, error)) << error;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &course.startX, sizeof bits);
    bits = (bits & ~std::uint64_t{0xffff}) | 0x0a0d;
    std::memcpy(&course.startX, &bits, sizeof bits);
    EXPECT_NE(TextModeHazard(EncodeCourse(course)).find("start x"), std::string::npos);
}

TEST(CourseText, LegendHasOneSymbolPerCode) {
    for (std::size_t i = 0; i < kLegend.size(); ++i) {
        EXPECT_NE(kLegend[i].code, 26) << "code 26 is stored as the byte 0x1A";
        for (std::size_t j = i + 1; j < kLegend.size(); ++j) {
            EXPECT_NE(kLegend[i].symbol, kLegend[j].symbol) << kLegend[i].meaning;
            EXPECT_NE(kLegend[i].code, kLegend[j].code) << kLegend[i].meaning;
        }
    }
}

}  // namespace
}  // namespace minigolf::courses
