#include "pelta/app/pelta_view.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <ctime>
#include <iostream>

#include "pelta/app/help_window.h"
#include "pelta/dialogs/password_actions.h"
#include "common/files/data_file.h"
#include "pelta/scores/settings.h"
#include "common/sdl_audio/open_wav_player.h"
#include "common/synth/midi_out_factory.h"

namespace pelta {
namespace {

// "pelta.dat" stays in the current folder unless that folder is read-only (an installed game).
HighScoreFile ScoreFile() {
    const files::DataFile file = files::LocateDataFile("pelta", kHighScoreFileName, std::cerr);
    return HighScoreFile(file.load, file.save);
}

}  // namespace

CPeltaView::CPeltaView(QWidget* parent)
    : QWidget(parent),
      random_(static_cast<std::uint32_t>(std::time(nullptr))),
      sound_(audio::OpenWavPlayer(audio::Voices::One)),
      midiOut_(midi::MakeMidiOut()),
      music_(*midiOut_, random_),
      timer_([this] {
          game_.OnTimerTick();
          update();
      }),
      dialogs_(this),
      scoreFile_(ScoreFile()),
      game_(GameServices{field_, *sound_, music_, timer_, dialogs_, *this, random_}) {
    setFixedSize(kFieldWidth, kFieldHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CPeltaView::~CPeltaView() { Destroy(); }

bool CPeltaView::Create() {
    GameState& s = game_.state();
    s.highScores = scoreFile_.Load();
    const Settings settings = LoadSettings(settingsStore_);
    s.level = static_cast<Level>(settings.level);
    s.waveOn = settings.waveOn;
    s.playerName = settings.playerName;
    bgmSetting_ = settings.bgmOn;
    music_.SetEnabled(settings.bgmOn != 0);

    if (!game_.StartTimer()) return false;
    music_.Open(-1);
    game_.Redraw();
    created_ = true;
    return true;
}

files::WriteResult CPeltaView::Destroy() {
    if (!created_) return {files::WriteResult::How::Replaced, {}};
    created_ = false;
    game_.StopTimer();
    music_.Close();
    game_.StopSound();

    const GameState& s = game_.state();
    files::WriteResult saved = scoreFile_.Save(s.highScores);
    if (!saved) std::cerr << "pelta: the high scores were not saved: " << saved.error << '\n';
    SaveSettings(settingsStore_, Settings{static_cast<std::uint8_t>(s.level), s.waveOn,
                                          KeptSwitch(bgmSetting_, music_.IsEnabled()), s.playerName});
    return saved;
}

template <typename F>
void CPeltaView::Guarded(F&& call) {
    ++busy_;
    call();
    --busy_;
    if (busy_ == 0 && focusChanged_) {
        focusChanged_ = false;
        ApplyFocus(hasFocus());
    }
    update();
}

void CPeltaView::Command(pelta::Command command) {
    Guarded([&] { game_.OnCommand(command); });
    // Followed at every command, so that switching off and on again stores 1, as a switch does.
    bgmSetting_ = KeptSwitch(bgmSetting_, music_.IsEnabled());
}

void CPeltaView::ApplyFocus(bool focused) {
    if (busy_ > 0) {
        focusChanged_ = true;
        return;
    }
    if (focused)
        game_.OnSetFocus();
    else
        game_.OnKillFocus();
}

void CPeltaView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Scaled on high-density screens, pixel for pixel.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), field_.Image());
}

namespace {

// Alt, Alt with a key (a menu mnemonic, even where no item answers it) and F10 belong to the
// menu bar, keys held with the logo key to the desktop; every other key, Ctrl and Shift
// combinations included, is the game's one button.
bool IsGameButton(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (event.key()) {
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_F10:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
            return false;
        default:
            return true;
    }
}

}  // namespace

void CPeltaView::keyPressEvent(QKeyEvent* event) {
    if (IsGameButton(*event))
        Guarded([&] { game_.OnKey(); });
    else
        QWidget::keyPressEvent(event);
}

void CPeltaView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Guarded([&] { game_.OnKey(); });
}

namespace {

// The menus, opened with the mouse or from the keyboard (Alt, F10), do not pause the game.
bool IsMenuFocusChange(const QFocusEvent& event) {
    return event.reason() == Qt::PopupFocusReason || event.reason() == Qt::MenuBarFocusReason;
}

}  // namespace

void CPeltaView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (!IsMenuFocusChange(*event) && created_) ApplyFocus(true);
}

void CPeltaView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (!IsMenuFocusChange(*event) && created_) ApplyFocus(false);
}

bool CPeltaView::event(QEvent* event) {
    // While the menu bar holds the keyboard the view has no focus to lose, yet leaving the
    // window still pauses the game; coming back, the keys belong to the game again.
    if (created_ && event->type() == QEvent::WindowDeactivate && !hasFocus()) ApplyFocus(false);
    if (created_ && event->type() == QEvent::WindowActivate && window()->focusWidget() != this)
        setFocus(Qt::ActiveWindowFocusReason);
    return QWidget::event(event);
}

void CPeltaView::ShowStopMessage(std::string_view text) {
    QMessageBox::critical(this, QApplication::applicationName(),
                          QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

void CPeltaView::OpenRankingPage() { pelta::OpenRankingPage(); }

void CPeltaView::ShowHelp() { ShowHelpWindow(this); }

}  // namespace pelta
