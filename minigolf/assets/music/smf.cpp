#include "minigolf/music/smf.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

namespace minigolf::music {
namespace {

void PutBe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void PutVarLen(std::string& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 0) {
        --count;
        out.push_back(static_cast<char>(groups[count] | (count > 0 ? 0x80 : 0)));
    }
}

struct Event {
    int tick;
    int order;  // at one tick: set-up first, then note-offs, then note-ons
    std::string bytes;
};

std::string Chunk(const char* tag, const std::string& body) {
    std::string out = tag;
    PutBe(out, static_cast<std::uint32_t>(body.size()), 4);
    return out + body;
}

std::string Track(std::vector<Event> events, int endTick) {
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return std::tie(a.tick, a.order) < std::tie(b.tick, b.order); });
    std::string body;
    int now = 0;
    for (const Event& e : events) {
        PutVarLen(body, static_cast<std::uint32_t>(e.tick - now));
        body += e.bytes;
        now = e.tick;
    }
    PutVarLen(body, static_cast<std::uint32_t>(endTick - now));
    body += std::string("\xFF\x2F\x00", 3);
    return Chunk("MTrk", body);
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

}  // namespace

std::string EncodeSmf(const Arrangement& arrangement) {
    std::string header;
    PutBe(header, 1, 2);  // format 1
    PutBe(header, static_cast<std::uint32_t>(arrangement.parts.size() + 1), 2);
    PutBe(header, kTicksPerBeat, 2);
    std::string out = Chunk("MThd", header);

    const std::uint32_t microsPerBeat = 60'000'000 / kBeatsPerMinute;
    out += Track({{0, 0, Bytes({0xFF, 0x58, 4, 4, 2, 24, 8})},
                  {0, 0, Bytes({0xFF, 0x51, 3, static_cast<int>(microsPerBeat >> 16),
                                static_cast<int>((microsPerBeat >> 8) & 0xFF), static_cast<int>(microsPerBeat & 0xFF)})}},
                 arrangement.lengthTicks);
    for (const Part& part : arrangement.parts) {
        std::vector<Event> events;
        const int ch = part.channel;
        if (ch != 9) {
            events.push_back({0, 0, Bytes({0xC0 | ch, part.program})});
        }
        events.push_back({0, 0, Bytes({0xB0 | ch, 7, part.volume})});
        events.push_back({0, 0, Bytes({0xB0 | ch, 10, part.pan})});
        for (const Note& n : arrangement.notes) {
            if (n.channel != ch) {
                continue;
            }
            events.push_back({n.startTick, 2, Bytes({0x90 | ch, n.key, n.velocity})});
            events.push_back({n.startTick + n.lengthTicks, 1, Bytes({0x80 | ch, n.key, 0})});
        }
        out += Track(std::move(events), arrangement.lengthTicks);
    }
    return out;
}

}  // namespace minigolf::music
