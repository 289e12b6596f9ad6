#pragma once
// The words shown at the end of a hole and of the game: pictures in the sheet, 40 pixels high.

#include <array>
#include <cstdint>

namespace minigolf {

struct SheetWord {
    std::int32_t sheetX, sheetY, width;
};

inline constexpr std::int32_t kWordHeight = 40;

inline constexpr std::array<SheetWord, 10> kResultWords = {{
    {338, 231, 230},  // 0 hole in one
    {140, 231, 198},  // 1 three under par
    {0, 231, 140},    // 2 two under par
    {190, 192, 140},  // 3 one under par
    {110, 192, 80},   // 4 par, also the par label of the hole start
    {0, 192, 110},    // 5 one over par
    {400, 271, 210},  // 6 two over par
    {170, 271, 230},  // 7 three over par
    {0, 271, 170},    // 8 four or more over par
    {338, 192, 200},  // 9 end of game
}};

inline constexpr int kParWord = 4;
inline constexpr int kEndOfGameWord = 9;

// The word of a finished hole: hole in one, else by strokes against par. Four or more under par
// (only possible with a par of 6 or more) has no word of its own and shows the best word short of
// a hole in one, three under.
int ResultWordIndex(std::int32_t strokes, std::int32_t par);

}  // namespace minigolf
