#include "pitch_options.h"

#include <QCommandLineParser>
#include <cstdio>

namespace pelta {
namespace {

std::optional<PitchSpec> ParsePitch(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != static_cast<int>(kPitchCatalogue.size())) return std::nullopt;
    std::array<std::uint8_t, 6> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        bool ok = false;
        const int value = parts[static_cast<int>(i)].trimmed().toInt(&ok);
        if (!ok || value < 0 || value >= kPitchCatalogue[i].count) return std::nullopt;
        v[i] = static_cast<std::uint8_t>(value);
    }
    return PitchSpec{static_cast<SpeedKind>(v[0]),  static_cast<SmallKind>(v[1]), static_cast<CloneKind>(v[2]),
                     static_cast<StopKind>(v[3]),   static_cast<WarpKind>(v[4]),  static_cast<VerticalKind>(v[5])};
}

std::optional<std::set<int>> ParseFrames(const QString& text) {
    std::set<int> frames;
    for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int frame = part.trimmed().toInt(&ok);
        if (!ok || frame < 0) return std::nullopt;
        frames.insert(frame);
    }
    if (frames.empty()) return std::nullopt;
    return frames;
}

std::optional<PitchShotOptions> Fail(const QCommandLineParser& parser, const QString& message) {
    std::fprintf(stderr, "pitch-shot: %s\n\n%s", qPrintable(message), qPrintable(parser.helpText()));
    return std::nullopt;
}

}  // namespace

std::optional<PitchShotOptions> ParsePitchShotOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Plays one pitch headless from the release and writes the field to PNG after chosen frames "
        "(frame-NNNN.png; frame 0 is the field at the release).");
    parser.addHelpOption();
    const QCommandLineOption pitch("pitch", "Six category values speed,small,clone,stop,warp,vertical "
                                            "(catalogue order, 0 = none). Default: drawn for the level.",
                                   "values");
    const QCommandLineOption level("level", "Level 0..3 for the level label and a drawn pitch.", "level", "0");
    const QCommandLineOption seed("seed", "Seed of the random source.", "seed", "1");
    const QCommandLineOption swing("swing", "Frame on which the key press for the swing comes.", "frame", "0");
    const QCommandLineOption frames("frames", "Comma-separated frames after which to save the field.", "list");
    const QCommandLineOption out("out", "Folder for the pictures.", "dir", ".");
    parser.addOptions({pitch, level, seed, swing, frames, out});
    if (!parser.parse(arguments)) return Fail(parser, parser.errorText());
    if (parser.isSet("help")) parser.showHelp(0);
    if (!parser.positionalArguments().isEmpty()) return Fail(parser, "unexpected argument " + parser.positionalArguments().first());

    PitchShotOptions options;
    if (parser.isSet(pitch)) {
        options.pitch = ParsePitch(parser.value(pitch));
        if (!options.pitch) return Fail(parser, "--pitch needs six values within the catalogue");
    }
    bool ok = false;
    const int levelValue = parser.value(level).toInt(&ok);
    if (!ok || levelValue < 0 || levelValue >= kLevelCount) return Fail(parser, "--level must be 0..3");
    options.level = static_cast<Level>(levelValue);
    options.seed = parser.value(seed).toUInt(&ok);
    if (!ok) return Fail(parser, "--seed must be a number");
    options.swingFrame = parser.value(swing).toInt(&ok);
    if (!ok || options.swingFrame < 0) return Fail(parser, "--swing must be a frame number");
    const auto shotFrames = ParseFrames(parser.value(frames));
    if (!shotFrames) return Fail(parser, "--frames needs a list of frame numbers");
    options.shotFrames = *shotFrames;
    options.outDir = parser.value(out);
    return options;
}

}  // namespace pelta
