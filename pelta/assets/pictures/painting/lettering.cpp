// Labels and digits: everything here stands on the sky of the status area.

#include <string>
#include <string_view>

#include "painters.h"
#include "pixel_font.h"

namespace pictures {
namespace {

enum class Align { Left, Centre };

Raster Label(int width, int height, const PixelFont& font, std::string_view text, Colour fill,
             Colour outline = Colour::Black, Align align = Align::Centre, int scale = 1) {
    Raster picture(width, height, kSky);
    const int inkWidth = TextWidth(font, text, scale);
    // One pixel of every side is left for the outline.
    const int x = align == Align::Left ? 1 : (width - inkWidth) / 2;
    DrawText(picture, font, text, x, 1, fill, outline, scale);
    return picture;
}

}  // namespace

void PaintLettering(PictureSet& out) {
    const PixelFont& big = LabelFont();
    const PixelFont& small = SmallLabelFont();

    const Colour homeRunColours[] = {Colour::Yellow, Colour::Fuchsia, Colour::Blue, Colour::White,
                                     Colour::Red, Colour::Olive, Colour::Green};
    const int homeRunIds[] = {181, 186, 187, 188, 189, 190, 191};
    for (int i = 0; i < 7; ++i) out.insert_or_assign(homeRunIds[i], Label(65, 13, big, "Home Run!!", homeRunColours[i]));
    // Dark lettering reads best on the sky as it is; an outline would only thicken it.
    out.insert_or_assign(157, Label(65, 13, big, "Clean Hit!!", Colour::Blue, kSky));
    out.insert_or_assign(182, Label(65, 13, big, "Hit", Colour::Purple, kSky));
    out.insert_or_assign(183, Label(65, 13, big, "Hebopu-", Colour::Gray, kSky));
    out.insert_or_assign(184, Label(65, 13, big, "Karaburi", Colour::Maroon, kSky));
    out.insert_or_assign(185, Label(65, 13, big, "Minogashi", Colour::Navy, kSky));
    out.insert_or_assign(204, Raster(65, 13, kSky));

    out.insert_or_assign(192, Label(39, 10, small, "Combo", Colour::Red, Colour::Black, Align::Left));
    out.insert_or_assign(206, Label(32, 10, small, "Score", Colour::White, Colour::Black, Align::Left));
    const std::string_view levels[] = {"Level Easy", "Level Normal", "Level Trick", "Level AnoMani"};
    const int levelIds[] = {212, 209, 210, 211};
    for (int i = 0; i < 4; ++i)
        out.insert_or_assign(levelIds[i], Label(83, 10, small, levels[i], Colour::White, Colour::Black, Align::Left));

    // The small 2 is stored out of sequence, as 193.
    const int smallDigitIds[] = {194, 195, 193, 196, 197, 198, 199, 200, 201, 202};
    for (int d = 0; d < 10; ++d) {
        const std::string digit(1, static_cast<char>('0' + d));
        out.insert_or_assign(smallDigitIds[d], Label(7, 10, SmallDigitFont(), digit, Colour::Yellow));
        out.insert_or_assign(171 + d, Label(15, 22, ScoreDigitFont(), digit, Colour::Yellow, Colour::Black,
                                            Align::Left, 2));
    }
    out.insert_or_assign(203, Label(7, 10, SmallDigitFont(), "+", Colour::Yellow));
}

}  // namespace pictures
