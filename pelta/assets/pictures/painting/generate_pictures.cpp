// Paints the batting game's 76 pictures into the folder given on the command line as
// <resource id>.bmp, 16-colour, checking each against the picture table.

#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "common/files/bmp_writer.h"
#include "painters.h"
#include "pelta/model/picture_table.h"

namespace {

// The picture with the standard 16-colour table, written as a 4-bit bitmap.
files::PalettedImage Paletted(const pictures::Raster& picture) {
    files::PalettedImage image{picture.Width(), picture.Height(), {}, {}};
    for (const pictures::Rgb8& c : pictures::kWindowsPalette) image.palette.push_back({c.r, c.g, c.b});
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) image.pixels.push_back(static_cast<std::uint8_t>(picture.At(x, y)));
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        pictures::PictureSet set;
        pictures::PaintPitcher(set);
        pictures::PaintBatter(set);
        pictures::PaintScenery(set);
        pictures::PaintLettering(set);
        for (const pelta::PictureEntry& entry : pelta::kPictureTable) {
            const auto found = set.find(entry.resourceId);
            if (found == set.end()) {
                std::fprintf(stderr, "picture %d was not painted\n", entry.resourceId);
                return 1;
            }
            const pictures::Raster& picture = found->second;
            if (picture.Width() != entry.width || picture.Height() != entry.height) {
                std::fprintf(stderr, "picture %d is %d x %d, expected %d x %d\n", entry.resourceId,
                             picture.Width(), picture.Height(), entry.width, entry.height);
                return 1;
            }
            const std::string path = std::string(argv[1]) + "/" + std::to_string(entry.resourceId) + ".bmp";
            if (const files::WriteResult written = files::WriteBmp(path, Paletted(picture), 4); !written) {
                std::fprintf(stderr, "%s\n", written.error.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
