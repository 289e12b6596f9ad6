#include "pixel_font.h"

#include <sstream>
#include <stdexcept>

namespace pictures {
namespace {

// A sheet is a run of glyphs: a line "=c" (or "=space") names the glyph, the lines after it are
// its rows.
PixelFont ParseSheet(std::string_view sheet, int height) {
    PixelFont font;
    font.height = height;
    std::istringstream lines{std::string(sheet)};
    std::string line;
    char current = 0;
    while (std::getline(lines, line)) {
        if (line.empty()) continue;
        if (line[0] == '=') {
            current = line == "=space" ? ' ' : line.at(1);
            font.glyphs[current];
            continue;
        }
        auto& rows = font.glyphs.at(current);
        if (!rows.empty() && rows.front().size() != line.size())
            throw std::runtime_error(std::string("ragged glyph ") + current);
        rows.push_back(line);
    }
    for (const auto& [c, rows] : font.glyphs)
        if (static_cast<int>(rows.size()) != height) throw std::runtime_error(std::string("glyph height ") + c);
    return font;
}

constexpr std::string_view kLabelSheet = R"(
=space
...
...
...
...
...
...
...
...
...
...
...
=!
##
##
##
##
##
##
..
##
##
..
..
=-
.....
.....
.....
.....
.....
####.
####.
.....
.....
.....
.....
=C
.####.
##..##
##....
##....
##....
##....
##....
##..##
.####.
......
......
=H
##..##
##..##
##..##
######
######
##..##
##..##
##..##
##..##
......
......
=K
##..##
##.##.
##.##.
####..
###...
####..
##.##.
##.##.
##..##
......
......
=M
##....##
###..###
########
##.##.##
##.##.##
##....##
##....##
##....##
##....##
........
........
=R
#####.
##..##
##..##
##..##
#####.
####..
##.##.
##..##
##..##
......
......
=a
......
......
......
.####.
....##
.#####
##..##
##..##
.#####
......
......
=b
##....
##....
##....
#####.
##..##
##..##
##..##
##..##
#####.
......
......
=e
......
......
......
.####.
##..##
######
##....
##....
.#####
......
......
=g
......
......
......
.#####
##..##
##..##
##..##
##..##
.#####
....##
#####.
=h
##....
##....
##....
#####.
##..##
##..##
##..##
##..##
##..##
......
......
=i
##
##
..
##
##
##
##
##
##
..
..
=l
##
##
##
##
##
##
##
##
##
..
..
=m
........
........
........
#######.
##.##.##
##.##.##
##.##.##
##.##.##
##.##.##
........
........
=n
......
......
......
#####.
##..##
##..##
##..##
##..##
##..##
......
......
=o
......
......
......
.####.
##..##
##..##
##..##
##..##
.####.
......
......
=p
......
......
......
#####.
##..##
##..##
##..##
##..##
#####.
##....
##....
=r
.....
.....
.....
##.##
####.
##...
##...
##...
##...
.....
.....
=s
......
......
......
.#####
##....
.####.
....##
....##
#####.
......
......
=t
.##..
.##..
.##..
#####
.##..
.##..
.##..
.##..
..###
.....
.....
=u
......
......
......
##..##
##..##
##..##
##..##
##..##
.#####
......
......
)";

constexpr std::string_view kSmallLabelSheet = R"(
=space
...
...
...
...
...
...
...
...
=A
.####.
##..##
##..##
######
##..##
##..##
##..##
......
=C
.####
##...
##...
##...
##...
##...
.####
.....
=E
#####
##...
##...
####.
##...
##...
#####
.....
=L
##...
##...
##...
##...
##...
##...
#####
.....
=M
##...##
###.###
#######
##.#.##
##...##
##...##
##...##
.......
=N
##..##
###.##
###.##
##.###
##.###
##..##
##..##
......
=S
.####
##...
##...
.###.
...##
...##
####.
.....
=T
######
..##..
..##..
..##..
..##..
..##..
..##..
......
=a
.....
.....
.###.
...##
.####
##.##
.####
.....
=b
##...
##...
####.
##.##
##.##
##.##
####.
.....
=c
....
....
.###
##..
##..
##..
.###
....
=e
.....
.....
.###.
##.##
#####
##...
.####
.....
=i
##
..
##
##
##
##
##
..
=k
##...
##...
##.##
####.
###..
####.
##.##
.....
=l
##
##
##
##
##
##
##
..
=m
.......
.......
######.
##.#.##
##.#.##
##.#.##
##.#.##
.......
=n
.....
.....
####.
##.##
##.##
##.##
##.##
.....
=o
.....
.....
.###.
##.##
##.##
##.##
.###.
.....
=r
....
....
##.#
###.
##..
##..
##..
....
=s
.....
.....
.####
##...
.###.
...##
####.
.....
=v
.....
.....
##.##
##.##
##.##
.###.
..#..
.....
=y
.....
.....
##.##
##.##
##.##
.####
...##
####.
)";

constexpr std::string_view kSmallDigitSheet = R"(
=+
.....
.....
..#..
..#..
#####
..#..
..#..
.....
=0
.###.
#...#
#...#
#...#
#...#
#...#
#...#
.###.
=1
..#..
.##..
#.#..
..#..
..#..
..#..
..#..
#####
=2
.###.
#...#
....#
...#.
..#..
.#...
#....
#####
=3
.###.
#...#
....#
..##.
....#
....#
#...#
.###.
=4
...#.
..##.
.#.#.
#..#.
#####
...#.
...#.
...#.
=5
#####
#....
####.
....#
....#
....#
#...#
.###.
=6
.###.
#....
#....
####.
#...#
#...#
#...#
.###.
=7
#####
....#
...#.
...#.
..#..
..#..
..#..
..#..
=8
.###.
#...#
#...#
.###.
#...#
#...#
#...#
.###.
=9
.###.
#...#
#...#
#...#
.####
....#
...#.
.##..
)";

constexpr std::string_view kScoreDigitSheet = R"(
=0
.####.
#....#
#....#
#....#
#....#
#....#
#....#
#....#
#....#
.####.
=1
...#..
..##..
.#.#..
...#..
...#..
...#..
...#..
...#..
...#..
.#####
=2
.####.
#....#
.....#
.....#
....#.
...#..
..#...
.#....
#.....
######
=3
.####.
#....#
.....#
.....#
..###.
.....#
.....#
.....#
#....#
.####.
=4
....#.
...##.
..#.#.
.#..#.
#...#.
######
....#.
....#.
....#.
....#.
=5
######
#.....
#.....
#####.
.....#
.....#
.....#
.....#
#....#
.####.
=6
.####.
#.....
#.....
#####.
#....#
#....#
#....#
#....#
#....#
.####.
=7
######
.....#
....#.
....#.
...#..
...#..
..#...
..#...
..#...
..#...
=8
.####.
#....#
#....#
#....#
.####.
#....#
#....#
#....#
#....#
.####.
=9
.####.
#....#
#....#
#....#
#....#
.#####
.....#
.....#
....#.
.###..
)";

}  // namespace

const PixelFont& LabelFont() {
    static const PixelFont font = ParseSheet(kLabelSheet, 11);
    return font;
}

const PixelFont& SmallLabelFont() {
    static const PixelFont font = ParseSheet(kSmallLabelSheet, 8);
    return font;
}

const PixelFont& SmallDigitFont() {
    static const PixelFont font = ParseSheet(kSmallDigitSheet, 8);
    return font;
}

const PixelFont& ScoreDigitFont() {
    static const PixelFont font = ParseSheet(kScoreDigitSheet, 10);
    return font;
}

int TextWidth(const PixelFont& font, std::string_view text, int scale) {
    int width = 0;
    for (char c : text) width += static_cast<int>(font.glyphs.at(c).front().size()) + font.spacing;
    return text.empty() ? 0 : (width - font.spacing) * scale;
}

void DrawText(Raster& target, const PixelFont& font, std::string_view text, int x, int y,
              Colour fill, Colour outline, int scale) {
    const int width = TextWidth(font, text, scale);
    const int height = font.height * scale;
    std::vector<bool> ink(static_cast<std::size_t>(width * height), false);
    int left = 0;
    for (char c : text) {
        const auto& rows = font.glyphs.at(c);
        for (int row = 0; row < font.height; ++row)
            for (int col = 0; col < static_cast<int>(rows[row].size()); ++col)
                if (rows[row][col] == '#')
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            ink[static_cast<std::size_t>((row * scale + dy) * width + (left + col) * scale + dx)] = true;
        left += static_cast<int>(rows.front().size()) + font.spacing;
    }
    const auto inked = [&](int col, int row) {
        return col >= 0 && row >= 0 && col < width && row < height &&
               ink[static_cast<std::size_t>(row * width + col)];
    };
    for (int row = -1; row <= height; ++row) {
        for (int col = -1; col <= width; ++col) {
            if (inked(col, row)) {
                target.Set(x + col, y + row, fill);
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) touches = touches || inked(col + dx, row + dy);
            if (touches) target.Set(x + col, y + row, outline);
        }
    }
}

}  // namespace pictures
