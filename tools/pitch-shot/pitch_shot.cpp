// Plays one pitch the way the game's frames do, from the release on, and saves the field
// after the frames asked for: a way to look at an effect or a swing without playing.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "common/audio/silent_wav_player.h"
#include "pelta/flight/flight_step.h"
#include "pelta/flight/hit_flight.h"
#include "pelta/flight/swing.h"
#include "pelta/model/pitch_selection.h"
#include "pitch_options.h"
#include "pelta/render/caption.h"
#include "pelta/render/field_drawing.h"
#include "pelta/render/result_display.h"
#include "pelta/view/field_image.h"

namespace pelta {
namespace {

// The state at the moment the pitcher lets go, drawing the random numbers in the game's order.
GameState Release(const PitchShotOptions& options, Random& random, Canvas& canvas) {
    GameState s;
    s.level = options.level;
    s.lives = kStartLives;
    s.pitch = options.pitch ? *options.pitch : SelectPitch(options.level, random);
    s.run = DrawPitchRun(random);
    s.caption.clear();
    // Starts from the follow-through: the ball is let go and the batter can swing.
    s.pitcherFrame = SpriteIndex::PitcherLastDelivery;
    s.batterFrame = SpriteIndex::BatterReady;
    DrawField(s, canvas);
    s.speed = InitialSpeed(s.pitch.speed, random);
    s.x = kReleaseX;
    s.y = kReleaseY;
    s.phase = GamePhase::Flight;
    return s;
}

bool Save(const FieldImage& field, const QString& dir, int frame) {
    const QString path = QDir(dir).filePath(QString("frame-%1.png").arg(frame, 4, 10, QChar('0')));
    if (field.SavePng(path)) return true;
    std::fprintf(stderr, "pitch-shot: cannot write %s\n", qPrintable(path));
    return false;
}

// One frame in the frame loop's order: result displays, swing, then the phase's step.
void Frame(GameState& s, Canvas& canvas, Random& random, audio::WavPlayer& sound) {
    ShowResultLabel(s, canvas);
    DrawComboAndPoints(s, canvas);
    SwingStep(s, canvas, sound);
    if (s.phase == GamePhase::Flight)
        FlightStep(s, canvas, random);
    else if (s.phase == GamePhase::HitFlight)
        HitFlightStep(s, canvas);
    else if (s.phase == GamePhase::PitchOver) {
        s.phase = GamePhase::Idle;
        BuildPitchCaption(s, canvas);
    }
}

int Run(const PitchShotOptions& options) {
    if (!QDir().mkpath(options.outDir)) {
        std::fprintf(stderr, "pitch-shot: cannot create %s\n", qPrintable(options.outDir));
        return 1;
    }
    LcgRandom random(options.seed);
    audio::SilentWavPlayer sound;
    FieldImage field;
    GameState s = Release(options, random, field);
    std::printf("%s\n", PitchName(s.pitch).c_str());

    const int last = *options.shotFrames.rbegin();
    for (int frame = 0; frame <= last; ++frame) {
        if (frame > 0) {
            if (frame == options.swingFrame && SwingAccepted(s)) StartSwing(s, field);
            Frame(s, field, random, sound);
        }
        if (options.shotFrames.count(frame) && !Save(field, options.outDir, frame)) return 1;
    }
    std::printf("after frame %d: x %.1f y %.1f speed %.2f result %d score %d lives %d\n", last, s.x, s.y, s.speed,
                static_cast<int>(s.result), s.score, s.lives);
    return 0;
}

}  // namespace
}  // namespace pelta

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto options = pelta::ParsePitchShotOptions(QGuiApplication::arguments());
    if (!options) return 2;
    return pelta::Run(*options);
}
