#include "minigolf/sheet/palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace minigolf::sheet {
namespace {

struct RampDesign {
    Ramp ramp;
    int shades;  // 0: whatever is left of kColourCount
    std::initializer_list<Rgb> anchors;  // dark to light, spread evenly along the ramp
};

constexpr std::size_t kRampCount = static_cast<std::size_t>(Ramp::Sky) + 1;

// The last ramp takes the rest of the table, so the table is always exactly full. Built on
// first use: other files' constants are made from it while the program starts.
const std::array<RampDesign, kRampCount>& Ramps() {
    static const std::array<RampDesign, kRampCount> ramps{
        RampDesign{Ramp::Grass, 24, {{14, 52, 20}, {36, 104, 36}, {74, 158, 56}, {118, 196, 82}, {196, 238, 150}}},
        RampDesign{Ramp::Foliage, 12, {{8, 30, 14}, {22, 72, 30}, {56, 122, 44}, {120, 176, 70}}},
        RampDesign{Ramp::Wood, 16, {{46, 22, 8}, {106, 60, 24}, {170, 114, 56}, {224, 176, 112}, {255, 230, 178}}},
        RampDesign{Ramp::Sand, 12, {{128, 96, 50}, {200, 166, 104}, {236, 214, 156}, {255, 246, 210}}},
        RampDesign{Ramp::Soil, 8, {{38, 22, 12}, {86, 56, 32}, {136, 98, 62}}},
        RampDesign{Ramp::Stone, 10, {{56, 56, 60}, {120, 118, 112}, {190, 186, 172}, {236, 234, 224}}},
        RampDesign{Ramp::Grey, 16, {{0, 0, 0}, {255, 255, 255}}},
        RampDesign{Ramp::Red, 14, {{60, 0, 8}, {176, 12, 24}, {236, 48, 40}, {255, 140, 120}, {255, 220, 210}}},
        RampDesign{Ramp::Gold, 16, {{84, 30, 0}, {200, 92, 0}, {250, 170, 20}, {255, 226, 80}, {255, 252, 200}}},
        RampDesign{Ramp::Blue, 20, {{4, 10, 48}, {16, 52, 140}, {40, 110, 210}, {100, 176, 246}, {210, 238, 255}}},
        RampDesign{Ramp::Pink, 10, {{110, 16, 70}, {220, 70, 160}, {255, 170, 220}, {255, 232, 246}}},
        RampDesign{Ramp::Violet, 8, {{40, 16, 80}, {110, 60, 190}, {190, 160, 250}}},
        RampDesign{Ramp::Sky, 0, {{60, 120, 200}, {130, 190, 245}, {230, 246, 255}}},
    };
    return ramps;
}

struct Layout {
    std::array<int, kRampCount> first{};
    std::array<int, kRampCount> shades{};
    std::vector<Rgb> colours;
};

Rgb Blend(Rgb a, Rgb b, double t) {
    auto mix = [t](std::uint8_t p, std::uint8_t q) {
        return static_cast<std::uint8_t>(std::lround(p + (q - p) * t));
    };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

Layout MakeLayout() {
    Layout layout;
    layout.colours.push_back({255, 0, 255});  // the colour key
    int used = 1;
    const auto& ramps = Ramps();
    for (const RampDesign& design : ramps) {
        used += design.shades;
    }
    for (std::size_t r = 0; r < ramps.size(); ++r) {
        const RampDesign& design = ramps[r];
        const int shades = design.shades != 0 ? design.shades : kColourCount - used;
        if (shades < 2) {
            throw std::logic_error("the colour ramps overfill the sheet's colour table");
        }
        layout.first[r] = static_cast<int>(layout.colours.size());
        layout.shades[r] = shades;
        const std::vector<Rgb> anchors(design.anchors);
        for (int i = 0; i < shades; ++i) {
            const double along = static_cast<double>(i) * static_cast<double>(anchors.size() - 1) / (shades - 1);
            const auto low = std::min(static_cast<std::size_t>(along), anchors.size() - 2);
            layout.colours.push_back(Blend(anchors[low], anchors[low + 1], along - static_cast<double>(low)));
        }
    }
    return layout;
}

const Layout& TheLayout() {
    static const Layout layout = MakeLayout();
    return layout;
}

}  // namespace

int Shades(Ramp ramp) {
    return TheLayout().shades[static_cast<std::size_t>(ramp)];
}

std::uint8_t Ink(Ramp ramp, int level) {
    const auto r = static_cast<std::size_t>(ramp);
    const int clamped = std::max(0, std::min(level, TheLayout().shades[r] - 1));
    return static_cast<std::uint8_t>(TheLayout().first[r] + clamped);
}

std::vector<Rgb> SheetPalette() {
    return TheLayout().colours;
}

}  // namespace minigolf::sheet
