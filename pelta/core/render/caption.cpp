#include "pelta/render/caption.h"

#include <string>

namespace pelta {
namespace {

constexpr int kCaptionX = 5;
constexpr int kCaptionY = 165;

std::string BlankLine() {
    std::string line;
    for (int i = 0; i < 47; ++i) line += "\u3000";  // full-width spaces cover the longest name
    return line;
}

}  // namespace

void BuildPitchCaption(GameState& s, Canvas& canvas) {
    s.caption = PitchName(s.pitch);
    if (s.practiceMode != kNormalGame) s.caption += kPracticeSuffix;
    DrawCaption(s, canvas);
}

void DrawCaption(const GameState& s, Canvas& canvas) {
    canvas.Text(kCaptionX, kCaptionY, s.caption, kCaptionColour, kGroundColour);
}

void ClearCaptionLine(const GameState& s, Canvas& canvas) {
    if (s.practiceMode != kNormalGame) return;
    static const std::string blank = BlankLine();
    canvas.Text(kCaptionX, kCaptionY, blank, kCaptionColour, kGroundColour);
}

}  // namespace pelta
