#include "minigolf/flow/ranking_screen.h"

#include <array>

#include "minigolf/course/load_course.h"
#include "minigolf/flow/digits.h"
#include "minigolf/pages/glyphs.h"

namespace minigolf {
namespace {

// Glyph codes count letters from A = 0.
constexpr std::array<int, 13> kTitle = {18, 2, 14, 17, 4, 47, 17, 0, 13, 10, 8, 13, 6};  // SCORE RANKING
constexpr std::array<int, 10> kNameEntryLabel = {13, 0, 12, 4, 47, 4, 13, 19, 17, 24};   // NAME ENTRY

constexpr int kSignX = 250, kTensX = 270, kUnitsX = 288;

template <std::size_t N>
void DrawText(Surfaces& surfaces, const std::array<int, N>& glyphs, int x, int y) {
    for (std::size_t i = 0; i < N; ++i) DrawGlyph(surfaces, glyphs[i], x + kGlyphSize * static_cast<int>(i), y);
}

void DrawScore(Surfaces& surfaces, std::int64_t score, int y) {
    DrawGlyph(surfaces, score < 0 ? kGlyphMinus : kGlyphPlus, kSignX, y);
    DrawGlyph(surfaces, kGlyphDigit0 + Tens(score), kTensX, y);
    DrawGlyph(surfaces, kGlyphDigit0 + Units(score), kUnitsX, y);
}

}  // namespace

void ClearBackground(Surfaces& surfaces) {
    for (int r = 0; r < kTileRows; ++r) {
        for (int c = 0; c < kTileColumns; ++c) {
            DrawTile(surfaces, r, c, kOpenGround);
        }
    }
}

void DrawRankingTable(Surfaces& surfaces, const RankTable& table, int rankPos) {
    ClearBackground(surfaces);
    DrawText(surfaces, kTitle, 200, 80);
    for (int q = 0; q < kShownRanks; ++q) {
        const int y = 150 + 40 * q;
        DrawGlyph(surfaces, kGlyphDigit0 + 1 + q, 150, y);
        if (q == rankPos) continue;
        DrawScore(surfaces, table[q].score, y);
        for (int i = 0; i < 3; ++i) {
            DrawGlyph(surfaces, table[q].name[static_cast<std::size_t>(i)], kNameX + kGlyphSize * i, y);
        }
    }
}

void DrawNameEntryPrompt(Surfaces& surfaces, std::int32_t total) {
    DrawText(surfaces, kNameEntryLabel, 250, 380);
    DrawScore(surfaces, total, kNameEntryY);
}

void DrawRankingScreen(Surfaces& surfaces, const GolfState& state) {
    DrawRankingTable(surfaces, state.ranking, state.rankPos);
    if (state.phase != GolfPhase::kNameEntry) return;
    DrawNameEntryPrompt(surfaces, state.total);
    for (int i = 0; i < state.letterCount && i < 3; ++i) {
        DrawGlyph(surfaces, state.ranking[state.rankPos].name[static_cast<std::size_t>(i)], kNameX + kGlyphSize * i,
                  kNameEntryY);
    }
}

}  // namespace minigolf
