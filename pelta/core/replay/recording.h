#pragma once
// A recorded game of the batting game: the seed of its random source, the name typed into the
// name entry, and every key press and menu command with the frame it came before.
//
// Text form, one item a line ('#' starts a comment):
//   seed 12345
//   name ﾀﾛｳ             (the rest of the line, '#' included)
//   frames 4000          (how many frames the replay runs)
//   0 command 32777      (before frame 0: the menu command with that identifier)
//   40 key               (before frame 40: the key)

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pelta/game/commands.h"

namespace pelta {

struct InputEvent {
    enum class Kind { Key, Command };
    int frame = 0;
    Kind kind = Kind::Key;
    Command command{};  // for Kind::Command
    bool operator==(const InputEvent&) const = default;
};

struct Recording {
    std::uint32_t seed = 1;
    std::string name;
    int frames = 0;
    std::vector<InputEvent> events;  // in frame order
    bool operator==(const Recording&) const = default;
};

std::string FormatRecording(const Recording& recording);
// Nothing, with `error` set to the line and what is wrong with it, for text that is not a
// recording (events out of frame order included).
std::optional<Recording> ParseRecording(std::string_view text, std::string& error);

}  // namespace pelta
