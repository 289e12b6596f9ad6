#include "minigolf/sheet/course_tiles.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "minigolf/sheet/painting.h"
#include "minigolf/sheet/palette.h"

namespace minigolf::sheet {
namespace {

constexpr int kGrassLevel = 13;
constexpr int kWoodLevel = 10;

// The felt: mostly one shade with a sparse speckle a step lighter or darker.
std::uint8_t Grass(int x, int y, int lift = 0) {
    const double n = Noise(x, y, 1);
    const int speckle = n < 0.12 ? -1 : (n > 0.9 ? 1 : 0);
    return Ink(Ramp::Grass, kGrassLevel + lift + speckle);
}

IndexedImage GrassTile(int lift) {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            tile.Set(x, y, Grass(x, y, lift));
        }
    }
    return tile;
}

// A wall is a stone block faced with a wooden bumper rail on the side the ball comes from
// (the side whose reflection table turns it back). Each wall tile says, for any pixel
// including a little beyond its edges, whether it is the felt in front of the rail, the rail,
// or the stone behind it; neighbours along the wall continue it without a seam.
enum class Part { Felt, Rail, Stone };
using Layout = std::function<Part(int x, int y)>;

enum class Grain { Across, Down, Rising, Falling };

// The stone: 8-pixel blocks in mortar, each block a little lighter or darker.
std::uint8_t Stone(int x, int y) {
    const int bx = (x + 32) / 8;
    const int by = (y + 32) / 8;
    if ((x + 32) % 8 == 7 || (y + 32) % 8 == 7) {
        return Ink(Ramp::Stone, 2);
    }
    const int tone = static_cast<int>(Noise(bx, by, 9) * 3);
    const bool lit = (x + 32) % 8 == 0 || (y + 32) % 8 == 0;
    return Ink(Ramp::Stone, 4 + tone + (lit ? 1 : 0));
}

// Lit from the top left: rails are bright where they face up or left and dark where they face
// down or right, and throw a short shadow down and right.
IndexedImage WallTile(const Layout& part, Grain grain) {
    IndexedImage tile(kTileSize, kTileSize);
    const auto rail = [&part](int x, int y) { return part(x, y) == Part::Rail; };
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            if (!rail(x, y)) {
                const bool shaded = rail(x - 1, y - 1) || rail(x - 2, y - 2) || rail(x, y - 1) ||
                                    rail(x, y - 2) || rail(x - 1, y) || rail(x - 2, y);
                if (part(x, y) == Part::Felt) {
                    tile.Set(x, y, shaded ? Ink(Ramp::Grass, kGrassLevel - 6) : Grass(x, y));
                } else {
                    tile.Set(x, y, shaded ? Ink(Ramp::Stone, 1) : Stone(x, y));
                }
                continue;
            }
            const int along = grain == Grain::Across ? y : grain == Grain::Down ? x
                              : grain == Grain::Rising ? x + y : x - y + 16;
            const double streak = Noise(along, 0, 7);
            int level = kWoodLevel + (streak < 0.3 ? -1 : streak > 0.8 ? 1 : 0);
            if (!rail(x, y - 1) || !rail(x - 1, y) || !rail(x - 1, y - 1)) {
                level = 14;
            } else if (!rail(x, y + 1) || !rail(x + 1, y) || !rail(x + 1, y + 1)) {
                level = 3;
            } else if (!rail(x, y + 2) || !rail(x + 2, y) || !rail(x + 2, y + 2)) {
                level = 6;
            }
            tile.Set(x, y, Ink(Ramp::Wood, level));
        }
    }
    return tile;
}

// A straight wall: the rail fills the half of the tile on the ball's side.
Layout Straight(bool horizontal, bool ballBefore) {
    return [horizontal, ballBefore](int x, int y) {
        const int across = horizontal ? y : x;
        if (ballBefore) {
            return across < 0 ? Part::Felt : across < 8 ? Part::Rail : Part::Stone;
        }
        return across >= kTileSize ? Part::Felt : across >= 8 ? Part::Rail : Part::Stone;
    };
}

// Flips a layout drawn for the top-left corner to the corner (`right`, `bottom`).
Layout Mirrored(bool right, bool bottom, const Layout& layout) {
    return [=](int x, int y) {
        return layout(right ? kTileSize - 1 - x : x, bottom ? kTileSize - 1 - y : y);
    };
}

// A diagonal wall across the tile with the ball on the top left: the rail runs from corner to
// corner, so a chain of these along a diagonal makes one straight wall, and the tile's other
// half is rail too, so that two chains back to back make one thick rail.
Part DiagonalFacingTopLeft(int x, int y) {
    return x + y < kTileSize - 1 ? Part::Felt : Part::Rail;
}

// The corner of a block whose faces are the right and bottom edges, with the ball beyond them:
// the rail turns the corner in the bottom-right quarter.
Part CornerFacingBottomRight(int x, int y) {
    if (x >= kTileSize || y >= kTileSize) {
        return (x >= 8 && y >= 8) ? Part::Felt : Part::Stone;
    }
    return (x >= 8 && y >= 8) ? Part::Rail : Part::Stone;
}

IndexedImage SandTile() {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const double n = Noise(x, y, 13);
            const int ripple = ((x + 2 * y) % 7 == 0) ? -1 : 0;
            tile.Set(x, y, Ink(Ramp::Sand, 7 + ripple + (n < 0.15 ? -2 : n > 0.85 ? 2 : 0)));
        }
    }
    return tile;
}

IndexedImage CupTile() {
    IndexedImage tile = GrassTile(0);
    const double cx = 8.0;
    const double cy = 10.5;
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d < 3.6) {
                // Darker at the far (upper) wall of the hole, where no light reaches.
                tile.Set(x, y, Ink(Ramp::Grey, y + 0.5 < cy ? 0 : 2));
            } else if (d < 4.8) {
                tile.Set(x, y, Ink(Ramp::Grass, y + 0.5 < cy ? kGrassLevel - 7 : kGrassLevel + 5));
            }
        }
    }
    for (int y = 1; y <= 10; ++y) {
        tile.Set(8, y, Ink(Ramp::Grey, 14));
        tile.Set(9, y, Ink(Ramp::Grey, 8));
    }
    for (int y = 1; y <= 6; ++y) {
        const int reach = 6 - std::abs(y - 3) * 2;
        for (int x = 10; x < 10 + reach; ++x) {
            tile.Set(x, y, Ink(Ramp::Red, y <= 2 ? 9 : 6));
        }
    }
    return tile;
}

IndexedImage WaterTile(bool lily) {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const int wave = ((x + 3 * (y / 4)) % 8 < 3 && y % 4 == 1) ? 4 : 0;
            tile.Set(x, y, Ink(Ramp::Blue, 9 + wave + (Noise(x, y, 16) < 0.1 ? -1 : 0)));
        }
    }
    if (lily) {
        for (int y = 0; y < kTileSize; ++y) {
            for (int x = 0; x < kTileSize; ++x) {
                const double d = std::hypot(x + 0.5 - 8, y + 0.5 - 8);
                const bool notch = x >= 8 && std::abs(y + 0.5 - 8) < (x + 0.5 - 8) * 0.45;
                if (d < 5.5 && !notch) {
                    tile.Set(x, y, Ink(Ramp::Foliage, d < 4.5 ? 8 : 5));
                }
            }
        }
        tile.Set(6, 6, Ink(Ramp::Pink, 7));
        tile.Set(7, 6, Ink(Ramp::Pink, 8));
        tile.Set(6, 5, Ink(Ramp::Pink, 8));
    }
    return tile;
}

// Dark lawn beyond the walls: out of play, but still grass.
std::uint8_t OffCourse(int x, int y) {
    const double n = Noise(x, y, 24);
    const bool blade = (x * 5 + y * 3) % 11 == 0;
    return Ink(Ramp::Foliage, (blade ? 7 : 5) + (n < 0.2 ? -1 : 0));
}

IndexedImage OffCourseTile() {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            tile.Set(x, y, OffCourse(x, y));
        }
    }
    return tile;
}

// A round shape lit from the top left, on the off-course lawn.
IndexedImage BlobTile(Ramp ramp, double radius, double cx, double cy, int seed) {
    IndexedImage tile = OffCourseTile();
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double d = std::hypot(dx, dy);
            if (std::hypot(dx - 1.5, dy - 1.5) < radius && d >= radius) {
                tile.Set(x, y, Ink(Ramp::Foliage, 1));  // shadow
            }
            if (d < radius) {
                const double light = 1.0 - (dx + dy) / (2.2 * radius) - d / radius * 0.35;
                const int level = static_cast<int>(light * Shades(ramp) * 0.7 + Noise(x, y, seed) * 2.0);
                tile.Set(x, y, Ink(ramp, level));
            }
        }
    }
    return tile;
}

// One quarter of a tree crown that spans four tiles, centred on their shared corner.
IndexedImage TreeTile(int quarter) {
    IndexedImage tile = OffCourseTile();
    const int ox = (quarter % 2) * kTileSize;
    const int oy = (quarter / 2) * kTileSize;
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const double dx = ox + x + 0.5 - 16;
            const double dy = oy + y + 0.5 - 16;
            // Lumpy rim: five leafy bulges round the crown.
            const double rim = 13.5 + 1.5 * std::cos(5 * std::atan2(dy, dx));
            const double d = std::hypot(dx, dy);
            if (std::hypot(dx - 3, dy - 3) < rim && d >= rim) {
                tile.Set(x, y, Ink(Ramp::Foliage, 0));
            }
            if (d < rim) {
                const double light = 0.75 - (dx + dy) / 40.0 - d / 60.0;
                const int clump = Noise((ox + x) / 3, (oy + y) / 3, 18) < 0.3 ? -1 : 0;
                tile.Set(x, y, Ink(Ramp::Foliage, static_cast<int>(light * 12) + clump));
            }
        }
    }
    return tile;
}

IndexedImage BrickTile() {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const int course = y / 4;
            const int shift = (course % 2) * 4;
            const bool joint = y % 4 == 3 || (x + shift) % 8 == 7;
            const int brick = ((x + shift) / 8) * 3 + course;
            tile.Set(x, y, joint ? Ink(Ramp::Stone, 2)
                                 : Ink(Ramp::Red, 5 + static_cast<int>(Noise(brick, course, 22) * 3) +
                                                      (y % 4 == 0 ? 1 : 0)));
        }
    }
    return tile;
}

IndexedImage TeeTile() {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const bool edge = x == 0 || y == 0 || x == kTileSize - 1 || y == kTileSize - 1;
            tile.Set(x, y, edge ? Ink(Ramp::Grass, kGrassLevel - 3)
                                : Ink(Ramp::Grass, kGrassLevel + 4 + ((x + y) % 2 == 0 ? 0 : 1)));
        }
    }
    return tile;
}

// A painted arrow on the grass; `turns` quarter turns clockwise from pointing up.
IndexedImage ArrowTile(int turns) {
    IndexedImage tile = GrassTile(0);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            int u = x;
            int v = y;
            for (int t = 0; t < turns; ++t) {
                const int w = u;
                u = v;
                v = kTileSize - 1 - w;
            }
            const bool head = v >= 3 && v <= 8 && std::abs(u * 2 + 1 - kTileSize) <= (v - 3) * 2 + 1;
            const bool shaft = v > 8 && v <= 12 && u >= 6 && u <= 9;
            if (head || shaft) {
                tile.Set(x, y, Ink(Ramp::Grass, kGrassLevel + 7));
            }
        }
    }
    return tile;
}

IndexedImage PlankTile() {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const bool seam = y % 4 == 3;
            const bool nail = (y % 4 == 1) && (x == 2 || x == 13);
            tile.Set(x, y, seam ? Ink(Ramp::Wood, 3) : nail ? Ink(Ramp::Stone, 2)
                                                              : Ink(Ramp::Wood, 9 + (Noise(x / 4, y / 4, 34) < 0.5 ? 0 : 1)));
        }
    }
    return tile;
}

IndexedImage FlowerTile(Ramp petals, int seed) {
    IndexedImage tile = OffCourseTile();
    for (int i = 0; i < 5; ++i) {
        const int fx = 2 + static_cast<int>(Noise(i, 0, seed) * 11);
        const int fy = 2 + static_cast<int>(Noise(i, 1, seed) * 11);
        const Ramp ramp = i % 2 == 0 ? petals : Ramp::Gold;
        tile.Set(fx - 1, fy, Ink(ramp, 8));
        tile.Set(fx + 1, fy, Ink(ramp, 7));
        tile.Set(fx, fy - 1, Ink(ramp, 9));
        tile.Set(fx, fy + 1, Ink(ramp, 6));
        tile.Set(fx, fy, Lightest(Ramp::Gold));
    }
    return tile;
}

IndexedImage GravelTile() {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const double n = Noise(x / 2, y / 2, 37);
            tile.Set(x, y, Ink(Ramp::Stone, 3 + static_cast<int>(n * 5) + (x % 2 == 0 && y % 2 == 0 ? 1 : 0)));
        }
    }
    return tile;
}

IndexedImage SoilTile() {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            tile.Set(x, y, Ink(Ramp::Soil, 4 + static_cast<int>(Noise(x, y, 36) * 3)));
        }
    }
    return tile;
}

IndexedImage StarTile() {
    IndexedImage tile = GrassTile(0);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const double dx = x + 0.5 - 8;
            const double dy = y + 0.5 - 8.5;
            const double angle = std::atan2(dy, dx) + 3.14159265 / 2;
            const double reach = 3.2 + 3.4 * std::pow(std::abs(std::cos(2.5 * angle)), 3);
            if (std::hypot(dx, dy) < reach) {
                tile.Set(x, y, Ink(Ramp::Gold, dy < 0 ? 12 : 9));
            }
        }
    }
    return tile;
}

}  // namespace

IndexedImage CourseTile(int code) {
    switch (code) {
        case 0: return GrassTile(0);
        case 1: return WallTile(Straight(true, true), Grain::Across);
        case 2: return WallTile(Straight(true, false), Grain::Across);
        case 3: return WallTile(Straight(false, false), Grain::Down);
        case 4: return WallTile(Straight(false, true), Grain::Down);
        case 5: return WallTile(DiagonalFacingTopLeft, Grain::Rising);
        case 6: return WallTile(Mirrored(true, false, DiagonalFacingTopLeft), Grain::Falling);
        case 7: return WallTile(Mirrored(false, true, DiagonalFacingTopLeft), Grain::Falling);
        case 8: return WallTile(Mirrored(true, true, DiagonalFacingTopLeft), Grain::Rising);
        case 9: return WallTile(CornerFacingBottomRight, Grain::Rising);
        case 10: return WallTile(Mirrored(true, false, CornerFacingBottomRight), Grain::Falling);
        case 11: return WallTile(Mirrored(false, true, CornerFacingBottomRight), Grain::Falling);
        case 12: return WallTile(Mirrored(true, true, CornerFacingBottomRight), Grain::Rising);
        case 13: return SandTile();
        case 14: return GrassTile(2);
        case 15: return CupTile();
        case 16: return WaterTile(false);
        case 17: return FlowerTile(Ramp::Red, 17);
        case 18: case 19: case 20: case 21: return TreeTile(code - 18);
        case 22: return BrickTile();
        case 23: return TeeTile();
        case 24: return OffCourseTile();
        case 25: return BlobTile(Ramp::Foliage, 6.5, 8, 8, 25);
        case 26: return BlobTile(Ramp::Stone, 5.5, 8, 8.5, 26);
        case 27: return WaterTile(true);
        case 28: return FlowerTile(Ramp::Pink, 28);
        case 29: return FlowerTile(Ramp::Violet, 29);
        case 30: case 31: case 32: case 33: return ArrowTile(code - 30);
        case 34: return PlankTile();
        case 35: return BlobTile(Ramp::Gold, 5.0, 8, 8, 35);
        case 36: return SoilTile();
        case 37: return GravelTile();
        case 38: return BlobTile(Ramp::Pink, 5.5, 8, 8, 38);
        default: return StarTile();
    }
}

}  // namespace minigolf::sheet
