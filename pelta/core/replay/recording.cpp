#include "pelta/replay/recording.h"

#include <sstream>

namespace pelta {

std::string FormatRecording(const Recording& recording) {
    std::ostringstream out;
    out << "seed " << recording.seed << "\nname " << recording.name << "\nframes " << recording.frames << '\n';
    for (const InputEvent& e : recording.events) {
        out << e.frame;
        if (e.kind == InputEvent::Kind::Key) {
            out << " key\n";
        } else {
            out << " command " << static_cast<int>(e.command) << '\n';
        }
    }
    return out.str();
}

std::optional<Recording> ParseRecording(std::string_view text, std::string& error) {
    Recording recording;
    std::istringstream in{std::string(text)};
    std::string line;
    int lineNumber = 0;
    bool haveSeed = false, haveFrames = false;
    const auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(lineNumber) + ": " + what;
        return std::nullopt;
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        // The name is the rest of its line, '#' included: a player may type one.
        if (line.rfind("name ", 0) == 0) {
            recording.name = line.substr(5);
            continue;
        }
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) continue;
        std::string rest;
        if (first == "seed" || first == "frames") {
            long long value = -1;
            if (!(words >> value) || value < 0 || value > 0xFFFFFFFFLL || (words >> rest)) {
                return fail("\"" + first + "\" needs one number");
            }
            if (first == "seed") {
                recording.seed = static_cast<std::uint32_t>(value);
                haveSeed = true;
            } else {
                recording.frames = static_cast<int>(value);
                haveFrames = true;
            }
            continue;
        }
        InputEvent event;
        std::size_t used = 0;
        try {
            event.frame = std::stoi(first, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != first.size() || event.frame < 0) return fail("unknown item \"" + first + "\"");
        if (!recording.events.empty() && event.frame < recording.events.back().frame) {
            return fail("events must be in frame order");
        }
        std::string kind;
        words >> kind;
        if (kind == "key") {
            event.kind = InputEvent::Kind::Key;
        } else if (int id = 0; kind == "command" && (words >> id)) {
            event.kind = InputEvent::Kind::Command;
            event.command = static_cast<Command>(id);
        } else {
            return fail("an event is \"key\" or \"command ID\"");
        }
        if (words >> rest) return fail("unexpected \"" + rest + "\"");
        recording.events.push_back(event);
    }
    if (!haveSeed || !haveFrames) {
        lineNumber = 0;
        return fail("a recording needs its \"seed\" and \"frames\"");
    }
    return recording;
}

}  // namespace pelta
