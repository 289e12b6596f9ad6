#include "installer/tovra/desktop_entry.h"

namespace tovra {

std::optional<std::string> ExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '\n' || c == '\r') return std::nullopt;
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    // The whole value is a string too, whose own escape is the backslash.
    std::string value;
    for (char c : quoted) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

std::optional<std::string> DesktopEntry(const std::string& programPath) {
    std::optional<std::string> program = ExecArgument(programPath);
    if (!program) return std::nullopt;
    std::string entry =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Tovra\n"
        "Comment=Extract LZH archives\n"
        "Comment[ja]=LZH書庫を展開します\n"
        "Exec=" +
        *program +
        " %f\n"
        "Icon=package-x-generic\n"
        "Terminal=false\n"
        "MimeType=" +
        std::string(kLzhMimeType) + ";" + std::string(kLhaMimeType) +
        ";\n"
        "Categories=Utility;Archiving;Compression;\n";
    return entry;
}

}  // namespace tovra
