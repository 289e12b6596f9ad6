#pragma once
// Builds course files in memory.

#include <bit>
#include <cstdint>
#include <vector>

#include "minigolf/course/course_files.h"
#include "minigolf/course/course_map.h"

namespace test_support {

struct CourseBytes {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(minigolf::kCourseFileSize, 0);

    CourseBytes& Tile(int row, int column, std::int16_t code) {
        const auto at = static_cast<std::size_t>(2 * (40 * row + column));
        bytes[at] = static_cast<std::uint8_t>(code);
        bytes[at + 1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(code) >> 8);
        return *this;
    }
    CourseBytes& AllTiles(std::int16_t code) {
        for (int r = 0; r < minigolf::kTileRows; ++r) {
            for (int c = 0; c < minigolf::kTileColumns; ++c) Tile(r, c, code);
        }
        return *this;
    }
    CourseBytes& Par(std::int32_t par) {
        for (int i = 0; i < 4; ++i) bytes[2400 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(par >> (8 * i));
        return *this;
    }
    CourseBytes& Start(double x, double y) {
        const auto ux = std::bit_cast<std::uint64_t>(x), uy = std::bit_cast<std::uint64_t>(y);
        for (int i = 0; i < 8; ++i) {
            bytes[2404 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(ux >> (8 * i));
            bytes[2412 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(uy >> (8 * i));
        }
        return *this;
    }
};

}  // namespace test_support
