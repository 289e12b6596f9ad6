// The phases between games: the ranking screen, the name entry and the wait for a click.

#include "minigolf/flow/golf_game.h"
#include "minigolf/flow/ranking_file.h"
#include "minigolf/flow/ranking_screen.h"
#include "minigolf/pages/glyphs.h"

namespace minigolf {
namespace {

constexpr std::int32_t kInputDivider = 3;
constexpr std::int32_t kTurnThreshold = 5;
constexpr std::int32_t kLastGlyph = kGlyphEndMark;
constexpr std::int32_t kNameLength = 3;
constexpr std::int32_t kNoScore = 99;

}  // namespace

void GolfGame::RankingShowStep() {
    GolfState& s = state_;
    s.rankPos = kNotPlaced;
    for (int i = kStatusLabelSprite; i <= kStrokeUnitsSmallSprite; ++i) s.sprites[i].visible = 0;
    if (!s.rankingUnsaved) LoadRanking(platform_.files, s.ranking);
    if (s.totalToRank) {
        s.rankPos = PlaceTotal(s.ranking, s.total);
        InsertTotal(s.ranking, s.rankPos, s.total);
    }
    DrawRankingTable(surfaces_, s.ranking, s.rankPos);
    if (s.rankPos > kOverflowSlot) {
        s.phase = GolfPhase::kWaitForStart;
        s.totalToRank = false;
    } else {
        DrawNameEntryPrompt(surfaces_, s.total);
        s.sprites[kStatusLabelSprite].visible = 1;
        s.phase = GolfPhase::kNameEntry;
    }
    ShowBackground(surfaces_);
}

void GolfGame::NameEntryStep() {
    GolfState& s = state_;
    Sprite& cursor = s.sprites[kStatusLabelSprite];
    cursor.sheetX = kGlyphX[static_cast<std::size_t>(s.glyph)];
    cursor.sheetY = kGlyphY[static_cast<std::size_t>(s.glyph)] + kFontTop;
    cursor.width = kGlyphSize;
    cursor.height = kGlyphSize;
    cursor.screenX = kNameX + kGlyphSize * s.letterCount;
    cursor.screenY = kNameEntryY;

    if (s.inputDivider-- != 1) return;

    const MouseReading mouse = ReadMouse(platform_.mouse);
    if (mouse.dx > kTurnThreshold) {
        if (++s.glyph > kLastGlyph) s.glyph = 0;
        platform_.effects.PlayEffect(kPon2Effect);
    } else if (mouse.dx < -kTurnThreshold) {
        if (--s.glyph < 0) s.glyph = kLastGlyph;
        platform_.effects.PlayEffect(kPon2Effect);
    }
    if (mouse.ButtonDown()) {
        s.ranking[s.rankPos].name[static_cast<std::size_t>(s.letterCount)] = static_cast<std::int16_t>(s.glyph);
        DrawGlyph(surfaces_, s.glyph, kNameX + kGlyphSize * s.letterCount, kNameEntryY);
        ++s.letterCount;
        if (s.letterCount >= kNameLength || s.glyph == kGlyphEndMark) {
            s.phase = GolfPhase::kRankingShow;
            s.rankingUnsaved = !SaveRanking(platform_.files, s.ranking);
            s.total = kNoScore;
            s.totalToRank = false;
            s.glyph = 0;
            s.letterCount = 0;
        }
    }
    s.inputDivider = kInputDivider;
}

void GolfGame::WaitForStartStep() {
    GolfState& s = state_;
    if (!ReadMouse(platform_.mouse).ButtonDown()) return;
    ResetSprites(s.sprites, Truncate(s.ball.x), Truncate(s.ball.y));
    s.sprites[kTitleSprite].visible = 0;
    s.phase = GolfPhase::kHoleIntro;
    s.hole = 1;
    s.total = 0;
    s.strokes = 1;
}

}  // namespace minigolf
