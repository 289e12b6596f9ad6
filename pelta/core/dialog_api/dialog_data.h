#pragma once
// What the batting game's dialogs show and give back, as plain data: the game fills these
// from its state and reads the results, without any window toolkit.

#include <array>
#include <cstdint>
#include <string>

#include "pelta/model/high_scores.h"
#include "pelta/model/pitch.h"

namespace pelta {

// The game just played, for the game-over dialog.
struct GameOverData {
    int level = 0;             // 0..3; anything else shows no level name
    std::int32_t score = 0;    // 0 gives no password
    std::int32_t maxCombo = 0;
    std::int32_t key = 0;      // password key, 0..1295, drawn at game over
    std::array<std::int32_t, kResultKinds> counts{};  // results 1..7
};

// Names are stored in Shift-JIS in at most this many bytes.
inline constexpr std::size_t kNameMaxBytes = 12;

struct NameEntryData {
    std::string headline;  // see RankInHeadline
    std::string name;      // offered for editing: the last name entered
};

// "Normal の 3位 にﾗﾝｸｲﾝ !!"
inline std::string RankInHeadline(int level, int rank) {
    const std::string levelName =
        level >= 0 && level < kLevelCount ? std::string(kLevelNames[level]) : std::string();
    return levelName + " の " + std::to_string(rank) + "位 にﾗﾝｸｲﾝ !!";
}

struct RankingData {
    HighScoreTable tables;
    int level = 0;  // the tab shown first; practice and other values show Easy
};

// The composed pitch; continuous = keep pitching without waiting for a key.
struct PracticeSetup {
    PitchSpec pitch;
    bool continuous = false;
    bool operator==(const PracticeSetup&) const = default;
};

}  // namespace pelta
