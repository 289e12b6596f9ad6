#include "course_tiles.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "painting.h"
#include "palette.h"

namespace minigolf::sheet {
namespace {

constexpr int kGrassLevel = 13;
constexpr int kWoodLevel = 10;

using Shape = std::function<bool(int x, int y)>;

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

enum class Grain { Across, Down, Rising, Falling };

// Pixels beyond the tile continue the tile's edge, so a wall runs on into its neighbour without
// a seam.
bool SolidAt(const Shape& solid, int x, int y) {
    return solid(std::clamp(x, 0, kTileSize - 1), std::clamp(y, 0, kTileSize - 1));
}

// A wooden rail seen from above with the light from the top left: a bright edge where it faces
// up or left, a dark side where it faces down or right, and its shadow on the grass beyond.
IndexedImage WallTile(const Shape& solid, Grain grain) {
    IndexedImage tile(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            if (!solid(x, y)) {
                const bool shaded = SolidAt(solid, x - 1, y - 1) || SolidAt(solid, x - 2, y - 2) ||
                                    SolidAt(solid, x, y - 1) || SolidAt(solid, x, y - 2) ||
                                    SolidAt(solid, x - 1, y) || SolidAt(solid, x - 2, y);
                tile.Set(x, y, shaded ? Ink(Ramp::Grass, kGrassLevel - 6) : Grass(x, y));
                continue;
            }
            const int along = grain == Grain::Across ? y : grain == Grain::Down ? x
                              : grain == Grain::Rising ? x + y : x - y + 16;
            const double streak = Noise(along, 0, 7);
            int level = kWoodLevel + (streak < 0.3 ? -1 : streak > 0.8 ? 1 : 0);
            if (Noise(x, y, 3) < 0.04) {
                level -= 2;  // a knot
            }
            if (!SolidAt(solid, x, y - 1) || !SolidAt(solid, x - 1, y) || !SolidAt(solid, x - 1, y - 1)) {
                level = 14;
            } else if (!SolidAt(solid, x, y + 1) || !SolidAt(solid, x + 1, y) || !SolidAt(solid, x + 1, y + 1)) {
                level = 3;
            } else if (!SolidAt(solid, x, y + 2) || !SolidAt(solid, x + 2, y) || !SolidAt(solid, x + 2, y + 2)) {
                level = 6;
            }
            tile.Set(x, y, Ink(Ramp::Wood, level));
        }
    }
    return tile;
}

// Distances along the diagonals from each corner, for the walls that leave one quarter open.
int FromTopLeft(int x, int y) { return x + y; }
int FromTopRight(int x, int y) { return (kTileSize - 1 - x) + y; }
int FromBottomLeft(int x, int y) { return x + (kTileSize - 1 - y); }
int FromBottomRight(int x, int y) { return (kTileSize - 1 - x) + (kTileSize - 1 - y); }

// The open quarter is cut off along its diagonal, so the wall's face shows where a ball turns.
constexpr int kChamfer = 7;
// Walls that turn the ball on the side away from their open quarter show that face as a smaller
// cut on the opposite corner.
constexpr int kBackChamfer = 4;

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
        case 1: return WallTile([](int, int y) { return y < 8; }, Grain::Across);
        case 2: return WallTile([](int, int y) { return y >= 8; }, Grain::Across);
        case 3: return WallTile([](int x, int) { return x >= 8; }, Grain::Down);
        case 4: return WallTile([](int x, int) { return x < 8; }, Grain::Down);
        case 5: return WallTile([](int x, int y) { return FromTopLeft(x, y) >= kChamfer; }, Grain::Rising);
        case 6: return WallTile([](int x, int y) { return FromTopRight(x, y) >= kChamfer; }, Grain::Falling);
        case 7: return WallTile([](int x, int y) { return FromBottomLeft(x, y) >= kChamfer; }, Grain::Falling);
        case 8: return WallTile([](int x, int y) { return FromBottomRight(x, y) >= kChamfer; }, Grain::Rising);
        case 9:
            return WallTile([](int x, int y) {
                return FromTopLeft(x, y) >= kChamfer && FromBottomRight(x, y) >= kBackChamfer;
            }, Grain::Rising);
        case 10:
            return WallTile([](int x, int y) {
                return FromTopRight(x, y) >= kChamfer && FromBottomLeft(x, y) >= kBackChamfer;
            }, Grain::Falling);
        case 11:
            return WallTile([](int x, int y) {
                return FromBottomLeft(x, y) >= kChamfer && FromTopRight(x, y) >= kBackChamfer;
            }, Grain::Falling);
        case 12:
            return WallTile([](int x, int y) {
                return FromBottomRight(x, y) >= kChamfer && FromTopLeft(x, y) >= kBackChamfer;
            }, Grain::Rising);
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
