#include "launcher/core/text_decoding.h"

#include <optional>

#include "common/text/sjis.h"

namespace launcher {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Character by character: only for a line that failed as a whole. A pair that does not
// convert loses only its first byte, so a stray lead byte cannot swallow the next character.
void DecodeByCharacter(std::string_view line, std::string& out) {
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t width =
            sjis::IsLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size() ? 2 : 1;
        if (std::optional<std::string> c = sjis::ToUtf8(line.substr(i, width))) {
            out += *c;
            i += width;
        } else {
            out += kReplacement;
            ++i;
        }
    }
}

}  // namespace

std::string DecodeCp932(std::string_view bytes) {
    if (std::optional<std::string> whole = sjis::ToUtf8(bytes)) return *whole;
    std::string out;
    while (!bytes.empty()) {
        const std::size_t cut = bytes.find('\n');
        const std::string_view line = bytes.substr(0, cut == std::string_view::npos ? bytes.size() : cut + 1);
        if (std::optional<std::string> converted = sjis::ToUtf8(line)) {
            out += *converted;
        } else {
            DecodeByCharacter(line, out);
        }
        bytes.remove_prefix(line.size());
    }
    return out;
}

}  // namespace launcher
