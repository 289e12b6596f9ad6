#pragma once
// Uncompressed Windows bitmaps (BITMAPINFOHEADER, rows bottom-up), as the games' picture
// generators write them: 4-bit or 8-bit with a colour table, or 24-bit true colour.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/files/replace_file.h"

namespace files {

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// One palette index per pixel, rows top to bottom.
struct PalettedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;  // at most 16 colours for 4 bits, 256 for 8
    std::vector<std::uint8_t> pixels;
};

// One colour per pixel, rows top to bottom.
struct TrueColourImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
};

// `bitsPerPixel` is 4 or 8. Throws std::invalid_argument for a palette too large for it, an
// index outside the palette or a pixel count that does not match the size.
std::string EncodeBmp(const PalettedImage& image, int bitsPerPixel);
std::string EncodeBmp(const TrueColourImage& image);

// Encodes and writes the file in one piece (see ReplaceFile).
WriteResult WriteBmp(const std::filesystem::path& path, const PalettedImage& image, int bitsPerPixel);
WriteResult WriteBmp(const std::filesystem::path& path, const TrueColourImage& image);

}  // namespace files
