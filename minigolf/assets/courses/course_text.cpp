#include "minigolf/courses/course_text.h"

#include <cmath>
#include <cstring>
#include <sstream>

#include "common/files/little_endian.h"

namespace minigolf::courses {
namespace {

// The ball's box must be on the screen above the status panel.
constexpr double kMaxStartX = 640 - 16;
constexpr double kMaxStartY = 400 - 16;

bool CodeFor(char symbol, std::int16_t& code) {
    for (const LegendEntry& entry : kLegend) {
        if (entry.symbol == symbol) {
            code = entry.code;
            return true;
        }
    }
    return false;
}

// Walls fill some quarters of their tile; the ball must not start touching one.
bool IsWallAt(const Course& course, double x, double y) {
    const int column = static_cast<int>(x) / 16;
    const int row = static_cast<int>(y) / 16;
    const std::int16_t code = course.tiles[static_cast<std::size_t>(row * kColumns + column)];
    if (code < 1 || code > 12) {
        return false;
    }
    const bool right = static_cast<int>(x) % 16 >= 8;
    const bool bottom = static_cast<int>(y) % 16 >= 8;
    switch (code) {
        case 1: return !bottom;
        case 2: return bottom;
        case 3: return right;
        case 4: return !right;
        case 5: case 9: return right || bottom;
        case 6: case 10: return !right || bottom;
        case 7: case 11: return right || !bottom;
        default: return !right || !bottom;
    }
}

}  // namespace

bool ParseCourse(std::string_view text, Course& course, std::string& error) {
    std::istringstream in{std::string(text)};
    std::string line;
    int number = 0;
    bool havePar = false;
    bool haveStart = false;
    const auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(number) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "par") {
            if (!(words >> course.par) || course.par < 1 || course.par > 99 || !(words >> std::ws).eof()) {
                return fail("\"par\" wants one whole number from 1 to 99");
            }
            havePar = true;
        } else if (keyword == "start") {
            if (!(words >> course.startX >> course.startY) || !(words >> std::ws).eof()) {
                return fail("\"start\" wants two numbers, x and y of the ball's top-left corner");
            }
            if (!(course.startX >= 0 && course.startX <= kMaxStartX && course.startY >= 0 &&
                  course.startY <= kMaxStartY)) {
                return fail("the start puts the ball off the screen or under the status panel");
            }
            haveStart = true;
        } else if (keyword == "map") {
            break;
        } else {
            return fail("expected \"par\", \"start\" or \"map\", found \"" + line + "\"");
        }
    }
    if (!havePar || !haveStart) {
        return fail(std::string("no \"") + (havePar ? "start" : "par") + "\" line before the map");
    }
    for (int row = 0; row < kRows; ++row) {
        if (!std::getline(in, line)) {
            return fail("the map has " + std::to_string(row) + " rows, not 30");
        }
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() != kColumns) {
            return fail("a map row must be 40 characters long, this one has " + std::to_string(line.size()));
        }
        for (int column = 0; column < kColumns; ++column) {
            std::int16_t& tile = course.tiles[static_cast<std::size_t>(row * kColumns + column)];
            if (!CodeFor(line[static_cast<std::size_t>(column)], tile)) {
                return fail("no tile has the symbol '" + std::string(1, line[static_cast<std::size_t>(column)]) +
                            "' (column " + std::to_string(column + 1) + ")");
            }
        }
    }
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line != "\r") {
            return fail("nothing may follow the 30 map rows");
        }
    }
    // The ball's four probe points, as the game tests them against walls.
    const double probes[][2] = {{8, 1}, {15, 8}, {8, 15}, {1, 8}};
    for (const auto& [px, py] : probes) {
        if (IsWallAt(course, course.startX + px, course.startY + py)) {
            error = "the ball starts touching a wall";
            return false;
        }
    }
    return true;
}

std::string EncodeCourse(const Course& course) {
    std::string out;
    out.reserve(kFileBytes);
    for (std::int16_t tile : course.tiles) {
        files::PutLe(out, static_cast<std::uint16_t>(tile), 2);
    }
    files::PutLe(out, static_cast<std::uint32_t>(course.par), 4);
    for (double v : {course.startX, course.startY}) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        files::PutLe(out, static_cast<std::uint32_t>(bits), 4);
        files::PutLe(out, static_cast<std::uint32_t>(bits >> 32), 4);
    }
    return out;
}

std::string TextModeHazard(std::string_view bytes) {
    const auto field = [](std::size_t offset) -> std::string {
        if (offset < 2400) {
            return "the tile in row " + std::to_string(offset / 2 / kColumns + 1) + ", column " +
                   std::to_string(offset / 2 % kColumns + 1);
        }
        return offset < 2404 ? "the par" : offset < 2412 ? "the start x" : "the start y";
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\x1a') {
            return field(i) + " holds a byte 0x1A at offset " + std::to_string(i) +
                   ", which ends a text-mode read: choose another value";
        }
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            return field(i) + " holds the bytes 0x0D 0x0A at offset " + std::to_string(i) +
                   ", which a text-mode read turns into 0x0A: choose another value";
        }
    }
    return {};
}

}  // namespace minigolf::courses
