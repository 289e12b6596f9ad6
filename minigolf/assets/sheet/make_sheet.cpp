// Paints the mini-golf sprite sheet and writes it as an 8-bit bitmap with its colour table.

#include <cstdio>
#include <exception>

#include "files/bmp_writer.h"
#include "palette.h"
#include "sheet_pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.bmp\n", argv[0]);
        return 2;
    }
    try {
        const minigolf::sheet::IndexedImage sheet = minigolf::sheet::PaintSheet();
        const files::PalettedImage image{sheet.Width(), sheet.Height(), minigolf::sheet::SheetPalette(),
                                         sheet.Pixels()};
        const files::WriteResult result = files::WriteBmp(argv[1], image, 8);
        if (!result) {
            std::fprintf(stderr, "%s: %s\n", argv[0], result.error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
