#pragma once
// The batting game's modal dialogs as the game sees them. The desktop implementation is
// QtPeltaDialogs (qt_pelta_dialogs.h); tests script their own.

#include <optional>
#include <string>

#include "pelta/dialog_api/dialog_data.h"

namespace pelta {

class PeltaDialogs {
public:
    virtual ~PeltaDialogs() = default;

    // Statistics and the ranking password of the game just played.
    virtual void ShowGameOver(const GameOverData& data) = 0;
    // The name the player entered; the offered name when the dialog was dismissed.
    virtual std::string ShowNameEntry(const NameEntryData& data) = 0;
    // The four top-ten tables, one tab each.
    virtual void ShowRanking(const RankingData& data) = 0;
    // The pitch to practise, or nothing when the player cancelled.
    virtual std::optional<PracticeSetup> ShowPractice(const PracticeSetup& preset) = 0;
};

}  // namespace pelta
