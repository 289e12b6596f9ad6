#include "minigolf/sheet/sheet_pictures.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "minigolf/sheet/course_tiles.h"
#include "minigolf/sheet/painting.h"
#include "minigolf/sheet/sheet_layout.h"

namespace minigolf::sheet {
namespace {

const std::uint8_t kBlack = Ink(Ramp::Grey, 0);

// Gold lettering with a black outline and a soft drop shadow, for everything shown over the
// course.
LetterStyle Banner(Ramp ramp) {
    return {ramp, Shades(ramp) - 2, Shades(ramp) / 3, kBlack, 2, Ink(Ramp::Grey, 3), 2};
}

// The widest pen, up to `unitX`, with which `text` and its outline and shadow fit `width`.
Pen FitPen(std::string_view text, int width, Pen pen) {
    while (pen.unitX > 1 && TextWidth(text, pen) + 6 > width) {
        pen.unitX -= 0.1;
    }
    return pen;
}

void PaintTiles(IndexedImage& sheet) {
    for (int code = 0; code < kTileCount; ++code) {
        sheet.Paste(CourseTile(code), kTileSize * code, 0, false);
    }
}

void PaintBall(IndexedImage& sheet) {
    for (int y = 0; y < kBall.h; ++y) {
        for (int x = 0; x < kBall.w; ++x) {
            const double dx = x + 0.5 - 8;
            const double dy = y + 0.5 - 8;
            const double d = std::hypot(dx, dy);
            if (d < 5.6) {
                // A sphere lit from the top left, with a highlight and a few dimples.
                const double light = std::clamp(0.8 - (dx + dy) / 11.0 - d * d / 90.0, 0.0, 1.0);
                int level = static_cast<int>(5 + light * 10.5);
                if (std::hypot(dx + 2, dy + 2) < 1.3) {
                    level = 15;
                } else if ((x + 2 * y) % 5 == 0 && d < 4.5 && level < 15) {
                    level -= 1;
                }
                sheet.Set(kBall.x + x, kBall.y + y, Ink(Ramp::Grey, level));
            } else if (d < 6.7) {
                sheet.Set(kBall.x + x, kBall.y + y, Ink(Ramp::Grey, 3));
            }
        }
    }
}

// Ten blocks, one per power step, from green through yellow to red.
void PaintGauge(IndexedImage& sheet) {
    for (int block = 0; block < 10; ++block) {
        const Ramp ramp = block < 4 ? Ramp::Grass : block < 7 ? Ramp::Gold : Ramp::Red;
        const int base = ramp == Ramp::Grass ? 17 : ramp == Ramp::Gold ? 10 : 7;
        for (int y = 0; y < kGauge.h; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (x == 15) {
                    sheet.Set(kGauge.x + 16 * block + x, kGauge.y + y, kBlack);
                    continue;
                }
                int level = base + (block % 4 == 3 ? 1 : 0);
                if (y == 0 || x == 0) {
                    level += 4;
                } else if (y >= kGauge.h - 2 || x == 14) {
                    level -= 4;
                } else if (y < 5) {
                    level += 2;
                }
                sheet.Set(kGauge.x + 16 * block + x, kGauge.y + y, Ink(ramp, level));
            }
        }
    }
}

// A rounded, bevelled plate, lit from the top left.
void PaintPlate(IndexedImage& sheet, Rect r, Ramp ramp, int level, int corner) {
    for (int y = 0; y < r.h; ++y) {
        for (int x = 0; x < r.w; ++x) {
            const int cx = std::max({corner - x, x - (r.w - 1 - corner), 0});
            const int cy = std::max({corner - y, y - (r.h - 1 - corner), 0});
            if (cx * cx + cy * cy > corner * corner) {
                continue;
            }
            const bool rim = (cx + 1) * (cx + 1) + (cy + 1) * (cy + 1) > corner * corner && (cx > 0 || cy > 0);
            const bool edge = rim || x == 0 || y == 0 || x == r.w - 1 || y == r.h - 1;
            std::uint8_t ink = Ink(ramp, level);
            if (edge) {
                ink = kBlack;
            } else if (x == 1 || y == 1) {
                ink = Ink(ramp, level + 4);
            } else if (x == r.w - 2 || y == r.h - 2) {
                ink = Ink(ramp, level - 3);
            }
            sheet.Set(r.x + x, r.y + y, ink);
        }
    }
}

// A sunken window, dark inside with a lit lower-right rim.
void PaintWindow(IndexedImage& sheet, Rect r) {
    for (int y = 0; y < r.h; ++y) {
        for (int x = 0; x < r.w; ++x) {
            std::uint8_t ink = Ink(Ramp::Blue, 1);
            if (x == 0 || y == 0) {
                ink = kBlack;
            } else if (x == r.w - 1 || y == r.h - 1) {
                ink = Ink(Ramp::Blue, 12);
            }
            sheet.Set(r.x + x, r.y + y, ink);
        }
    }
}

void PaintSmallNumbers(IndexedImage& sheet) {
    const Pen pen{3.0, 3.5, 3.4, 1};
    const LetterStyle style{Ramp::Gold, 14, 9, kBlack, 1, kKey, 0};
    for (int d = 0; d < 10; ++d) {
        PaintText(sheet, std::string(1, static_cast<char>('0' + d)), SmallDigit(d), pen, style);
    }
    const Pen signPen{2.6, 2.4, 3.0, 1};
    PaintText(sheet, "+", kPlusSign, signPen, style);
    PaintText(sheet, "-", kMinusSign, signPen, style);
}

void PaintLargeNumbers(IndexedImage& sheet) {
    const Pen pen{5.0, 6.0, 5.0, 1};
    for (int d = 0; d < 10; ++d) {
        PaintText(sheet, std::string(1, static_cast<char>('0' + d)), LargeDigit(d), pen, Banner(Ramp::Gold));
    }
    PaintText(sheet, "HOLE", kHoleLabel, {5.0, 6.0, 5.0, 1.2}, Banner(Ramp::Gold));
}

// A putter with its ball left of the stroke number and "SHOT" to its right.
void PaintStrokeLabel(IndexedImage& sheet) {
    const Rect icon{kStrokeLabel.x, kStrokeLabel.y, kStrokeLabelDigits.x, kStrokeLabel.h};
    Mask club(icon.w, icon.h);
    for (int i = 0; i <= 60; ++i) {
        const double t = i / 60.0;
        club.Set(static_cast<int>(30 - 18 * t), static_cast<int>(6 + 30 * t));
        club.Set(static_cast<int>(31 - 18 * t), static_cast<int>(6 + 30 * t));
    }
    for (int x = 8; x <= 20; ++x) {
        for (int y = 35; y <= 39; ++y) {
            club.Set(x, y);
        }
    }
    PaintInk(sheet, club, icon.x, icon.y, {Ramp::Stone, 9, 4, kBlack, 1, Ink(Ramp::Grey, 3), 2});
    Mask ball(icon.w, icon.h);
    for (int y = 0; y < icon.h; ++y) {
        for (int x = 0; x < icon.w; ++x) {
            if (std::hypot(x + 0.5 - 33, y + 0.5 - 36) < 5) {
                ball.Set(x, y);
            }
        }
    }
    PaintInk(sheet, ball, icon.x, icon.y, {Ramp::Grey, 15, 10, kBlack, 1, Ink(Ramp::Grey, 3), 2});
    const int right = kStrokeLabelDigits.x + kStrokeLabelDigits.w;
    PaintText(sheet, "SHOT", {kStrokeLabel.x + right, kStrokeLabel.y, kStrokeLabel.w - right, kStrokeLabel.h},
              {1.9, 4.2, 3.0, 1.6}, Banner(Ramp::Gold));
}

// The trough the power gauge grows in, with a tick per power step and its name above.
void PaintStatusLabel(IndexedImage& sheet) {
    const Rect plate{kStatusLabel.x, kStatusLabel.y, kStatusLabel.w, 30};
    PaintPlate(sheet, plate, Ramp::Blue, 5, 4);
    const Rect trough{kStatusLabel.x + kGaugeInLabel.x - 1, kStatusLabel.y + kGaugeInLabel.y - 1,
                      kGaugeInLabel.w + 2, kGaugeInLabel.h + 2};
    sheet.Fill(trough.x, trough.y, trough.w, trough.h, kBlack);
    for (int step = 1; step < 10; ++step) {
        const int x = kStatusLabel.x + kGaugeInLabel.x + 16 * step - 1;
        sheet.Fill(x, kStatusLabel.y + kGaugeInLabel.y + 2, 1, kGaugeInLabel.h - 4, Ink(Ramp::Blue, 4));
    }
    const Rect caption{kStatusLabel.x + 4, kStatusLabel.y, 60, kGaugeInLabel.y};
    Mask ink(caption.w, caption.h);
    DrawText(ink, "POWER", 3, 1.5, {1.0, 0.95, 1.2, 1.2});
    PaintInk(sheet, ink, caption.x, caption.y, {Ramp::Gold, 14, 12, Ink(Ramp::Blue, 5), 0, kKey, 0});
}

void PaintStatusPanel(IndexedImage& sheet) {
    const Rect panel = kStatusPanel;
    for (int y = 0; y < panel.h; ++y) {
        for (int x = 0; x < panel.w; ++x) {
            int level = 5 - y / 30;
            if (y < 2) {
                level = 15 - 4 * y;
            } else if (y == 2) {
                level = 0;
            }
            const Ramp ramp = y < 2 ? Ramp::Gold : Ramp::Blue;
            sheet.Set(panel.x + x, panel.y + y, Ink(ramp, level + ((x / 2 + y) % 9 == 0 ? 1 : 0)));
        }
    }
    const LetterStyle caption{Ramp::Sky, Shades(Ramp::Sky) - 1, Shades(Ramp::Sky) / 2, kBlack, 1, kKey, 0};
    const Pen captionPen{2.0, 2.4, 2.4, 1.2};
    const auto windowAround = [&](Rect digits, const char* name) {
        PaintWindow(sheet, {panel.x + digits.x - 4, panel.y + digits.y - 2, digits.w + 8, digits.h + 4});
        PaintText(sheet, name, {panel.x + digits.x - 20, panel.y + 6, digits.w + 40, 22}, captionPen, caption);
    };
    windowAround(kPanelHoleDigits, "HOLE");
    windowAround(kPanelTotal, "TOTAL");
    windowAround(kPanelStrokeDigits, "SHOT");
    // The right end carries the game's name beside a flag.
    const Rect name{500, panel.y + 18, 130, 48};
    PaintText(sheet, "MINI", {name.x, name.y, name.w, 24}, {2.6, 2.6, 3.0, 1}, Banner(Ramp::Gold));
    PaintText(sheet, "GOLF", {name.x, name.y + 24, name.w, 24}, {2.6, 2.6, 3.0, 1}, Banner(Ramp::Gold));
    for (int y = 0; y < 44; ++y) {
        sheet.Set(506, panel.y + 20 + y, Ink(Ramp::Grey, 14));
    }
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 18 - std::abs(y - 7) * 2; ++x) {
            sheet.Set(507 + x, panel.y + 20 + y, Ink(Ramp::Red, y < 5 ? 9 : 7));
        }
    }
    // A ball on the left end, to balance it.
    Mask ball(48, 48);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            if (std::hypot(x + 0.5 - 24, y + 0.5 - 24) < 14) {
                ball.Set(x, y);
            }
        }
    }
    PaintInk(sheet, ball, panel.x + 6, panel.y + 18, {Ramp::Grey, 15, 8, kBlack, 1, Ink(Ramp::Blue, 0), 2});
}

void PaintResultWords(IndexedImage& sheet) {
    const Ramp ramps[] = {Ramp::Red, Ramp::Gold, Ramp::Gold, Ramp::Gold, Ramp::Sky,
                          Ramp::Violet, Ramp::Violet, Ramp::Violet, Ramp::Stone, Ramp::Red};
    for (std::size_t w = 0; w < kResultWords.size(); ++w) {
        const ResultWord& word = kResultWords[w];
        const Pen pen = FitPen(word.text, word.place.w, {5.0, 4.3, 4.2, 1.5});
        PaintText(sheet, word.text, word.place, pen, Banner(ramps[w]));
    }
}

// A wooden sign with the game's name, hung over the ranking.
void PaintTitle(IndexedImage& sheet) {
    const Rect board{kTitle.x + 4, kTitle.y + 4, kTitle.w - 8, kTitle.h - 8};
    PaintPlate(sheet, board, Ramp::Wood, 9, 10);
    for (int y = 3; y < board.h - 3; y += 7) {
        for (int x = 3; x < board.w - 3; ++x) {
            if (sheet.At(board.x + x, board.y + y) != kBlack && Noise(x / 9, y, 5) < 0.7) {
                sheet.Set(board.x + x, board.y + y, Ink(Ramp::Wood, 7));
            }
        }
    }
    PaintText(sheet, "MINI GOLF", {board.x + 24, board.y, board.w - 24, board.h}, {4.6, 6.4, 5.0, 1.1},
              Banner(Ramp::Gold));
    for (int y = 0; y < 40; ++y) {
        sheet.Set(board.x + 16, board.y + 10 + y, Ink(Ramp::Grey, 14));
        sheet.Set(board.x + 17, board.y + 10 + y, Ink(Ramp::Grey, 9));
    }
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 16 - std::abs(y - 7) * 2; ++x) {
            sheet.Set(board.x + 18 + x, board.y + 10 + y, Ink(Ramp::Red, y < 5 ? 10 : 7));
        }
    }
}

void PaintFont(IndexedImage& sheet) {
    const Pen pen{2.0, 2.0, 2.4, 1};
    const LetterStyle style{Ramp::Gold, 15, 11, kBlack, 1, Ink(Ramp::Foliage, 1), 1};
    for (int g = 0; g < kGlyphCount; ++g) {
        const char c = kGlyphCharacters[static_cast<std::size_t>(g)];
        if (c != ' ') {
            PaintText(sheet, std::string(1, c), Glyph(g), pen, style);
        }
    }
}

}  // namespace

IndexedImage PaintSheet() {
    IndexedImage sheet(kSheetWidth, kSheetHeight, kKey);
    PaintTiles(sheet);
    PaintBall(sheet);
    PaintGauge(sheet);
    PaintSmallNumbers(sheet);
    PaintLargeNumbers(sheet);
    PaintStrokeLabel(sheet);
    PaintStatusLabel(sheet);
    PaintStatusPanel(sheet);
    PaintResultWords(sheet);
    PaintTitle(sheet);
    PaintFont(sheet);
    return sheet;
}

}  // namespace minigolf::sheet
