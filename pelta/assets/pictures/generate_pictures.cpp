// Paints the batting game's 76 pictures into the folder given on the command line as
// <resource id>.bmp, 16-colour, checking each against the picture table.

#include <cstdio>
#include <exception>
#include <string>

#include "bmp_writer.h"
#include "painters.h"
#include "picture_table.h"

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
            if (!pictures::WriteBmp4(path, picture)) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
