#include "pelta/scores/name_encoding.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "common/text/sjis.h"

namespace pelta {
namespace {

std::size_t Utf8CharLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

std::size_t ShiftJisCharLength(unsigned char lead) { return sjis::IsLeadByte(lead) ? 2 : 1; }

// Converts the whole text at once, or character by character with "?" for each one that
// does not convert.
template <typename Convert, typename CharLength>
std::string ConvertOrMark(std::string_view text, Convert convert, CharLength charLength) {
    if (std::optional<std::string> whole = convert(text)) return *whole;
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = std::min(charLength(static_cast<unsigned char>(text[i])), text.size() - i);
        std::optional<std::string> one = convert(text.substr(i, n));
        out += one ? *one : std::string("?");
        i += n;
    }
    return out;
}

}  // namespace

std::string NameToShiftJis(std::string_view utf8) {
    return ConvertOrMark(utf8, sjis::FromUtf8, Utf8CharLength);
}

std::string NameFromShiftJis(std::string_view cp932) {
    return ConvertOrMark(cp932, sjis::ToUtf8, ShiftJisCharLength);
}

}  // namespace pelta
