#pragma once
// Where the batting game draws: a persistent 640 × 200 field. Nothing repaints the
// scene between frames, so whatever a blit does not cover stays as it was.

#include <cstdint>
#include <string_view>

namespace pelta {

inline constexpr int kFieldWidth = 640;
inline constexpr int kFieldHeight = 200;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kSkyColour{0, 255, 255};
inline constexpr Rgb kGroundColour{0, 255, 0};
inline constexpr Rgb kCaptionColour{255, 255, 255};

class Canvas {
public:
    virtual ~Canvas() = default;
    // Copies picture `sprite` (0..75) with its top-left corner at (x, y). The copied area is
    // w × h; where it reaches past the picture, the field keeps what it had. Clipped to the field.
    virtual void Blit(int sprite, int x, int y, int w, int h) = 0;
    // Fills [left, right) × [top, bottom).
    virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    // One line of opaque text (UTF-8) in the caption font, top-left at (x, y).
    virtual void Text(int x, int y, std::string_view utf8, Rgb text, Rgb background) = 0;
};

}  // namespace pelta
