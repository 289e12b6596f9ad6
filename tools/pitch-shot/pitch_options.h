#pragma once
// Command line of the pitch-shot tool.

#include <QStringList>
#include <optional>
#include <set>

#include "pelta/model/pitch.h"

namespace pelta {

struct PitchShotOptions {
    std::optional<PitchSpec> pitch;  // none: drawn for the level like a normal game
    Level level = Level::Easy;
    unsigned seed = 1;
    int swingFrame = 0;  // 0: no swing
    std::set<int> shotFrames;
    QString outDir = ".";
};

// Parses the arguments (argv[0] included); on a usage error prints it and returns nothing.
std::optional<PitchShotOptions> ParsePitchShotOptions(const QStringList& arguments);

}  // namespace pelta
