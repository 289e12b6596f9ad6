// Plays scripted shots on one hole the way the game's frames do, from the click that starts a
// game, and saves the screen as PNG once the last ball has come to rest (or a given number of
// frames after the last shot): a way to look at a hole, the ball and the sprites without playing.

#include <QFile>
#include <QImage>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "minigolf/course/course_files.h"
#include "minigolf/flow/golf_game.h"
#include "minigolf/resources/resources.h"
#include "minigolf/testing/memory_files.h"
#include "minigolf/testing/recording_effects.h"
#include "minigolf/testing/recording_presenter.h"
#include "minigolf/testing/scripted_mouse.h"

namespace minigolf {
namespace {

constexpr const char* kUsage =
    "usage: minigolf-shot [--courses DIR] [--hole N] [--shot TURN:POWER]... [--frames N] [--scale N] [--out FILE]\n"
    "  --courses DIR     folder holding cource01.dat ... cource09.dat (default: .)\n"
    "  --hole N          the hole to play, 1 to 9 (default 1)\n"
    "  --shot TURN:POWER one shot: turn the aim TURN steps of 22.5 degrees (negative: anticlockwise)\n"
    "                    from where it points, then shoot at power 1 to 9; repeat for more shots\n"
    "  --frames N        save N frames after the last shot instead of when the ball rests\n"
    "  --scale N         enlarge the picture N times (default 2)\n"
    "  --out FILE        the PNG to write (default hole.png)\n";

struct Shot {
    int turn = 0;
    int power = 9;
};

struct Options {
    QString courses = ".";
    int hole = 1;
    std::vector<Shot> shots;
    std::optional<int> frames;
    int scale = 2;
    QString out = "hole.png";
};

std::optional<int> Number(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

// Nothing after printing the usage (for --help, to stdout) or a usage error (to stderr).
std::optional<Options> Parse(const QStringList& args, bool& help) {
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h") {
            help = true;
            std::fputs(kUsage, stdout);
            return std::nullopt;
        }
        const bool hasValue = i + 1 < args.size();
        const QString value = hasValue ? args[i + 1] : QString();
        std::optional<int> n;
        bool ok = hasValue;
        if (a == "--courses" && ok) {
            o.courses = value;
        } else if (a == "--out" && ok) {
            o.out = value;
        } else if (a == "--hole" && ok && (n = Number(value, 1, 9))) {
            o.hole = *n;
        } else if (a == "--frames" && ok && (n = Number(value, 0, 100000))) {
            o.frames = *n;
        } else if (a == "--scale" && ok && (n = Number(value, 1, 8))) {
            o.scale = *n;
        } else if (a == "--shot" && ok) {
            const QStringList parts = value.split(':');
            const auto turn = parts.size() == 2 ? Number(parts[0], -15, 15) : std::nullopt;
            const auto power = parts.size() == 2 ? Number(parts[1], 1, 9) : std::nullopt;
            ok = turn && power;
            if (ok) o.shots.push_back({*turn, *power});
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "minigolf-shot: bad or unknown argument %s\n%s", qPrintable(a), kUsage);
            return std::nullopt;
        }
        ++i;
    }
    return o;
}

// The game with the courses of a folder, a scripted mouse and the built-in sheet.
class ScriptedGame {
public:
    explicit ScriptedGame(const QString& courses) {
        for (const std::string_view name : kCourseFiles) {
            QFile file(courses + "/" + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QByteArray bytes = file.readAll();
            files_.files[std::string(name)].assign(bytes.begin(), bytes.end());
        }
    }

    bool Start() { return game_.Start(); }
    GolfState& State() { return game_.State(); }
    const std::optional<std::string>& Failure() const { return game_.Failure(); }
    test_support::ScriptedMouse& Mouse() { return mouse_; }

    void Frame() { game_.RunFrame(now_ += 51); }
    // Runs frames until the phase comes or the game fails; false when it did not come.
    bool RunUntil(GolfPhase phase, int limit = 5000) {
        for (int i = 0; i < limit && State().phase != phase && !Failure(); ++i) Frame();
        return State().phase == phase;
    }

    bool Save(const QString& path, int scale) const {
        QImage image(presenter_.shown.Pixels().data(), kScreenWidth, kScreenHeight, kScreenWidth,
                     QImage::Format_Indexed8);
        QList<QRgb> colours;
        for (const PaletteEntry& e : presenter_.shownPalette) colours.push_back(qRgb(e.red, e.green, e.blue));
        image.setColorTable(colours);
        return image.scaled(kScreenWidth * scale, kScreenHeight * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(path, "PNG");
    }

private:
    test_support::RecordingPresenter presenter_;
    test_support::RecordingEffects effects_;
    test_support::ScriptedMouse mouse_;
    test_support::MemoryFiles files_;
    GolfGame game_{GolfPlatform{presenter_, effects_, mouse_, files_, EMBEDDED_BYTES(mapdat)}};
    std::uint32_t now_ = 0;
};

// Turns the aim, lets the power run up to the shot's, then clicks: each aiming frame turns by
// one step and raises the power by one, and the click shoots with the power it finds.
void Shoot(ScriptedGame& game, const Shot& shot) {
    for (int i = 0; i < std::abs(shot.turn); ++i) {
        game.Mouse().Push(shot.turn > 0 ? 6 : -6);
        game.Frame();
    }
    for (int i = 0; i < 10 && static_cast<int>(game.State().ball.speed) != shot.power; ++i) game.Frame();
    game.Mouse().Push(0, 1);
    game.Frame();
}

int Run(const Options& o) {
    ScriptedGame game(o.courses);
    if (!game.Start()) {
        std::fputs("minigolf-shot: the built-in sheet does not load\n", stderr);
        return 1;
    }
    game.RunUntil(GolfPhase::kWaitForStart);
    game.Mouse().Push(0, 1);
    game.Frame();
    game.State().hole = o.hole;  // before the hole's first frame loads its course
    for (std::size_t i = 0; i < o.shots.size(); ++i) {
        if (!game.RunUntil(GolfPhase::kAim)) break;
        Shoot(game, o.shots[i]);
        if (i + 1 == o.shots.size() && o.frames) {
            for (int f = 0; f < *o.frames; ++f) game.Frame();
        } else {
            for (int f = 0; f < 5000 && game.State().phase == GolfPhase::kRolling; ++f) game.Frame();
            game.Frame();  // shows the stroke count, or the word of a holed ball
        }
    }
    if (o.shots.empty()) game.RunUntil(GolfPhase::kAim);
    if (game.Failure()) {
        std::fprintf(stderr, "minigolf-shot: %s\n", game.Failure()->c_str());
        return 1;
    }
    if (!game.Save(o.out, o.scale)) {
        std::fprintf(stderr, "minigolf-shot: cannot write %s\n", qPrintable(o.out));
        return 1;
    }
    const GolfState& s = game.State();
    std::printf("hole %d, stroke %d, ball at (%.1f, %.1f), phase %d -> %s\n", s.hole, s.strokes, s.ball.x, s.ball.y,
                static_cast<int>(s.phase), qPrintable(o.out));
    return 0;
}

}  // namespace
}  // namespace minigolf

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(QString::fromLocal8Bit(argv[i]));
    bool help = false;
    const std::optional<minigolf::Options> options = minigolf::Parse(arguments, help);
    if (!options) return help ? 0 : 2;
    return minigolf::Run(*options);
}
