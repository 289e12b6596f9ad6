#pragma once
// The game view: shows the 640 × 200 field and feeds the game its ticks, keys, clicks, focus
// changes and menu commands. It owns the game and every back-end the game talks to.

#include <QWidget>
#include <memory>

#include "pelta/app/qt_frame_timer.h"
#include "pelta/dialogs/qt_pelta_dialogs.h"
#include "pelta/game/pelta_game.h"
#include "common/midi/midi_out.h"
#include "pelta/music/bgm_player.h"
#include "pelta/scores/high_score_file.h"
#include "pelta/settings/qt_settings_store.h"
#include "pelta/view/field_image.h"

namespace pelta {

class CPeltaView : public QWidget, private GameHost {
public:
    explicit CPeltaView(QWidget* parent = nullptr);
    ~CPeltaView() override;

    // Loads the settings and the high-score file, starts the tick and opens the music. False
    // when the tick could not be had: the timer message has been shown and the view is unusable.
    bool Create();
    // Stops everything and saves the high scores and the settings; once only. A failed save of
    // the high scores is written to standard error and returned for the window to show.
    files::WriteResult Destroy();

    void Command(pelta::Command command);
    bool IsChecked(pelta::Command command) const { return game_.IsChecked(command); }
    PeltaGame& game() { return game_; }
    // Whether the frame tick runs (it stops while the window is in the background).
    bool FramesRunning() const { return timer_.IsRunning(); }
    const QImage& Field() const { return field_.Image(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ShowStopMessage(std::string_view text) override;
    void OpenRankingPage() override;
    void ShowHelp() override;

    // Runs a game call that may open modal dialogs; focus changes that arrive meanwhile are
    // applied once it returns, so no frame runs in the middle of a sequence.
    template <typename F>
    void Guarded(F&& call);
    void ApplyFocus(bool focused);

    FieldImage field_;
    LcgRandom random_;
    std::unique_ptr<audio::WavPlayer> sound_;
    std::unique_ptr<midi::MidiOut> midiOut_;
    // The music draws from the game's own generator, as one rand() served both.
    CBgmPlayer music_;
    QtFrameTimer timer_;
    QtPeltaDialogs dialogs_;
    QtSettingsStore settingsStore_;
    HighScoreFile scoreFile_;
    PeltaGame game_;
    // "BGM Sound" as read, kept as it was while the player leaves the music switch alone.
    std::int32_t bgmSetting_ = 1;
    bool created_ = false;
    int busy_ = 0;
    bool focusChanged_ = false;
};

}  // namespace pelta
