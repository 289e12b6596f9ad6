#include "bmp_writer.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace pictures {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

}  // namespace

bool WriteBmp4(const std::string& path, const Raster& picture) {
    const int w = picture.Width();
    const int h = picture.Height();
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(w) * 4 + 31) / 32) * 4;
    const std::uint32_t headerBytes = 14 + 40 + 16 * 4;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(h);

    std::vector<std::uint8_t> out;
    out.reserve(headerBytes + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, headerBytes + imageBytes);
    Put32(out, 0);
    Put32(out, headerBytes);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(w));
    Put32(out, static_cast<std::uint32_t>(h));  // positive: rows stored bottom-up
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);  // no compression
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 16);
    Put32(out, 16);
    for (const Rgb8& c : kWindowsPalette) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < w; ++x) {
            const auto index = static_cast<std::uint8_t>(picture.At(x, y));
            row[static_cast<std::size_t>(x / 2)] |= (x % 2 == 0) ? static_cast<std::uint8_t>(index << 4) : index;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

}  // namespace pictures
