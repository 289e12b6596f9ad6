#pragma once
// The sheet's colour table, laid out as ramps from dark to light so that shading is a matter of
// stepping along a ramp. Index 0 is the colour key: a magenta that no picture uses.

#include <cstdint>
#include <vector>

#include "common/files/bmp_writer.h"

namespace minigolf::sheet {

using Rgb = files::Rgb;

enum class Ramp { Grass, Foliage, Wood, Sand, Soil, Stone, Grey, Red, Gold, Blue, Pink, Violet, Sky };

inline constexpr std::uint8_t kKey = 0;
// The colour count the game's loader expects of the sheet: entries 205 … 255 stay its own.
inline constexpr int kColourCount = 205;

// The number of shades of a ramp.
int Shades(Ramp ramp);
// Palette index of shade `level` of `ramp`, 0 the darkest; levels beyond the ends are clamped.
std::uint8_t Ink(Ramp ramp, int level);
// The darkest and the lightest shade.
inline std::uint8_t Darkest(Ramp ramp) { return Ink(ramp, 0); }
inline std::uint8_t Lightest(Ramp ramp) { return Ink(ramp, Shades(ramp) - 1); }

// All kColourCount colours in index order.
std::vector<Rgb> SheetPalette();

}  // namespace minigolf::sheet
