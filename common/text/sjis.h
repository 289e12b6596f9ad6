#pragma once
// Shift-JIS (Windows code page 932) text, as the programs' files and resources store it.

#include <optional>
#include <string>
#include <string_view>

namespace sjis {

// True for the first byte of a double-byte character.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Nothing when the input is not valid in the source encoding.
std::optional<std::string> ToUtf8(std::string_view cp932);
std::optional<std::string> FromUtf8(std::string_view utf8);

// Length in code-page-932 bytes, or nothing when the text has no CP932 form.
std::optional<std::size_t> ByteLength(std::string_view utf8);

}  // namespace sjis
