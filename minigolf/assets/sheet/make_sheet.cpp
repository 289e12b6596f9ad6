// Paints the mini-golf sprite sheet and writes it as an 8-bit bitmap with its colour table.

#include <optional>
#include <string>

#include "common/files/bmp_writer.h"
#include "minigolf/generated/generated_file.h"
#include "minigolf/sheet/palette.h"
#include "minigolf/sheet/sheet_pictures.h"

int main(int argc, char** argv) {
    int status = 0;
    const std::optional<std::string> output = minigolf::OutputPath(
        argc, argv, "OUTPUT.bmp\nPaints the mini-golf sprite sheet as an 8-bit bitmap.\n", status);
    if (!output) {
        return status;
    }
    return minigolf::WriteGeneratedFile(argv[0], *output, [] {
        const minigolf::sheet::IndexedImage sheet = minigolf::sheet::PaintSheet();
        return files::EncodeBmp({sheet.Width(), sheet.Height(), minigolf::sheet::SheetPalette(), sheet.Pixels()}, 8);
    });
}
