#pragma once
// The byte layout of the high-score file: four level tables, little-endian, names in Shift-JIS.

#include <optional>
#include <string>
#include <string_view>

#include "pelta/model/high_scores.h"

namespace pelta {

std::string EncodeHighScores(const HighScoreTable& table);

// Nothing when the bytes are not a high-score file: they end early, a count is above 10
// or a name length uses an unknown form.
std::optional<HighScoreTable> DecodeHighScores(std::string_view bytes);

}  // namespace pelta
