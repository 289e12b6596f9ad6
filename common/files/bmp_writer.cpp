#include "common/files/bmp_writer.h"

#include <stdexcept>

#include "common/files/little_endian.h"

namespace files {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dpi

std::uint32_t RowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) / 32) * 4;
}

void CheckSize(int width, int height, std::size_t pixels) {
    if (width <= 0 || height <= 0 || pixels != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        throw std::invalid_argument("bitmap size does not match its pixels");
    }
}

// File header, info header and colour table; the pixel rows follow.
std::string Headers(int width, int height, int bitsPerPixel, const std::vector<Rgb>& palette) {
    const auto colours = static_cast<std::uint32_t>(palette.size());
    const std::uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes + 4 * colours;
    const std::uint32_t imageBytes = RowBytes(width, bitsPerPixel) * static_cast<std::uint32_t>(height);
    std::string out;
    out.reserve(offset + imageBytes);
    out += "BM";
    PutLe(out, offset + imageBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, offset, 4);
    PutLe(out, kInfoHeaderBytes, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4);  // positive: rows stored bottom-up
    PutLe(out, 1, 2);
    PutLe(out, static_cast<std::uint32_t>(bitsPerPixel), 2);
    PutLe(out, 0, 4);  // no compression
    PutLe(out, imageBytes, 4);
    PutLe(out, kPixelsPerMetre, 4);
    PutLe(out, kPixelsPerMetre, 4);
    PutLe(out, colours, 4);  // colours used
    PutLe(out, colours, 4);  // colours important
    for (const Rgb& c : palette) out += {static_cast<char>(c.b), static_cast<char>(c.g), static_cast<char>(c.r), '\0'};
    return out;
}

}  // namespace

std::string EncodeBmp(const PalettedImage& image, int bitsPerPixel) {
    if (bitsPerPixel != 4 && bitsPerPixel != 8) throw std::invalid_argument("paletted bitmaps are 4 or 8 bits");
    CheckSize(image.width, image.height, image.pixels.size());
    const std::size_t colours = image.palette.size();
    if (colours == 0 || colours > (std::size_t{1} << bitsPerPixel)) {
        throw std::invalid_argument("palette does not fit the bits per pixel");
    }
    std::string out = Headers(image.width, image.height, bitsPerPixel, image.palette);
    const std::uint32_t rowBytes = RowBytes(image.width, bitsPerPixel);
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index = image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                                                    static_cast<std::size_t>(x)];
            if (index >= colours) throw std::invalid_argument("pixel index outside the palette");
            if (bitsPerPixel == 8) {
                row[static_cast<std::size_t>(x)] = static_cast<char>(index);
            } else {
                row[static_cast<std::size_t>(x / 2)] |= static_cast<char>(x % 2 == 0 ? index << 4 : index);
            }
        }
        out += row;
    }
    return out;
}

std::string EncodeBmp(const TrueColourImage& image) {
    CheckSize(image.width, image.height, image.pixels.size());
    std::string out = Headers(image.width, image.height, 24, {});
    const std::uint32_t rowBytes = RowBytes(image.width, 24);
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < image.width; ++x) {
            const Rgb& c = image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                                        static_cast<std::size_t>(x)];
            const std::size_t at = static_cast<std::size_t>(x) * 3;
            row[at] = static_cast<char>(c.b);
            row[at + 1] = static_cast<char>(c.g);
            row[at + 2] = static_cast<char>(c.r);
        }
        out += row;
    }
    return out;
}

WriteResult WriteBmp(const std::filesystem::path& path, const PalettedImage& image, int bitsPerPixel) {
    return ReplaceFile(path, EncodeBmp(image, bitsPerPixel));
}

WriteResult WriteBmp(const std::filesystem::path& path, const TrueColourImage& image) {
    return ReplaceFile(path, EncodeBmp(image));
}

}  // namespace files
