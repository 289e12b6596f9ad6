#pragma once
// The game commands of the main window's menu, by their resource identifiers.

namespace pelta {

enum class Command : int {
    LevelEasy = 32774,
    LevelNormal = 32775,
    LevelAnoMani = 32776,  // note: AnoMani and Trick are numbered against their menu order
    LevelTrick = 32777,
    Ranking = 32778,
    WaveOn = 32779,
    WaveOff = 32780,
    Practice = 32781,
    InternetRanking = 32783,
    HelpTopics = 32784,
    BgmOn = 32786,
    BgmOff = 32787,
};

}  // namespace pelta
