// pelta-record: records a whole game of the batting game played headless by an automatic
// player, or replays a recording and prints its course, end state and high-score table.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/command-line/command_line.h"
#include "pelta/flight/hit_table.h"
#include "pelta/replay/headless_game.h"

namespace {

using pelta::Command;
using pelta::GamePhase;
using pelta::InputEvent;

constexpr int kMaxFrames = 200000;        // far more than any game takes
constexpr int kIdleFrames = 25;           // the player's pause before each pitch
constexpr int kGameOverFrames = 60;       // a look at the final score before the key
constexpr int kFramesAfterRanking = 20;

constexpr Command kLevelCommands[] = {Command::LevelEasy, Command::LevelNormal, Command::LevelTrick,
                                      Command::LevelAnoMani};

// Plays one game at `level`: a key to start each pitch, a swing when the ball comes within a
// distance of the sweet spot that varies from pitch to pitch (the player's own random timing,
// apart from the game's random source), a key at game over, then the ranking command.
pelta::Recording Record(int level, std::uint32_t seed, const std::string& name) {
    pelta::HeadlessGame game(seed, name);
    pelta::Recording recording{seed, name, 0, {}};
    auto press = [&](InputEvent event) {
        event.frame = game.frame();
        recording.events.push_back(event);
        game.Apply(event);
    };
    press({0, InputEvent::Kind::Command, kLevelCommands[level]});

    pelta::LcgRandom timing(seed ^ 0x5EEDu);
    int waited = 0;
    int lead = 0;
    bool swung = false;
    bool gameOver = false;
    int afterRanking = -1;
    while (game.frame() < kMaxFrames && afterRanking < kFramesAfterRanking) {
        const pelta::GameState& s = game.state();
        if (afterRanking >= 0) {
            ++afterRanking;
        } else if (gameOver && s.phase == GamePhase::Idle) {
            press({0, InputEvent::Kind::Command, Command::Ranking});
            afterRanking = 0;
        } else if (s.phase == GamePhase::Idle && ++waited > kIdleFrames) {
            press({0, InputEvent::Kind::Key, {}});
            waited = 0;
            swung = false;
            lead = timing.R(60);
        } else if (s.phase == GamePhase::Flight && !swung && s.x >= static_cast<float>(pelta::kSweetSpotX - lead)) {
            press({0, InputEvent::Kind::Key, {}});
            swung = true;
        } else if (s.phase == GamePhase::GameOver && ++waited > kGameOverFrames) {
            press({0, InputEvent::Kind::Key, {}});
            gameOver = true;
        }
        game.Tick();
    }
    recording.frames = game.frame();
    return recording;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = tool::PositionalArguments(
        argc, argv,
        "record LEVEL SEED [NAME]    a game at LEVEL 0..3, as a recording on standard output\n"
        "       pelta-record replay RECORDING   its course, end state and high scores on standard output",
        2, 4);
    if (args[0] == "record" && args.size() >= 3) {
        const int level = std::atoi(args[1].c_str());
        if (level < 0 || level > 3) {
            std::fprintf(stderr, "pelta-record: LEVEL is 0..3\n");
            return 2;
        }
        const auto seed = static_cast<std::uint32_t>(std::strtoul(args[2].c_str(), nullptr, 10));
        const std::string name = args.size() > 3 ? args[3] : "ﾀﾛｳ";
        std::cout << "# pelta-record record " << level << ' ' << seed << ' ' << name << '\n'
                  << pelta::FormatRecording(Record(level, seed, name));
        return 0;
    }
    if (args[0] == "replay" && args.size() == 2) {
        std::ifstream in(args[1], std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::string error;
        const auto recording = in ? pelta::ParseRecording(text.str(), error) : std::nullopt;
        if (!recording) {
            std::fprintf(stderr, "pelta-record: %s: %s\n", args[1].c_str(), in ? error.c_str() : "cannot read");
            return 1;
        }
        std::cout << pelta::Replay(*recording);
        return 0;
    }
    std::fprintf(stderr, "pelta-record: the first argument is \"record\" or \"replay\"; see --help\n");
    return 2;
}
