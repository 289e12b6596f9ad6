#pragma once
// The batting game's dialogs on the desktop, each shown modally over the game's window.

#include "pelta/dialog_api/pelta_dialogs.h"

class QWidget;

namespace pelta {

class QtPeltaDialogs : public PeltaDialogs {
public:
    explicit QtPeltaDialogs(QWidget* parent) : parent_(parent) {}

    void ShowGameOver(const GameOverData& data) override;
    std::string ShowNameEntry(const NameEntryData& data) override;
    void ShowRanking(const RankingData& data) override;
    std::optional<PracticeSetup> ShowPractice(const PracticeSetup& preset) override;

private:
    QWidget* parent_;
};

}  // namespace pelta
