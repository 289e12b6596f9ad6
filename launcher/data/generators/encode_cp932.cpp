// Turns a UTF-8 text source of the collection's data into the Shift-JIS (code page 932) file
// with CR LF line ends that the launcher reads.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tools/command-line/command_line.h"
#include "common/files/replace_file.h"
#include "common/text/sjis.h"

int main(int argc, char** argv) {
    const auto args = tool::PositionalArguments(argc, argv, "UTF8_SOURCE CP932_OUTPUT\n"
                                                "Converts a text file to Shift-JIS with CR LF line ends.",
                                                2, 2);
    std::ifstream in(args[0], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "encode_cp932: cannot read %s\n", args[0].c_str());
        return 1;
    }
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string crlf;
    for (char c : source) {
        if (c == '\r') continue;
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    const std::optional<std::string> encoded = sjis::FromUtf8(crlf);
    if (!encoded) {
        std::fprintf(stderr, "encode_cp932: %s is not UTF-8 text that Shift-JIS can hold\n", args[0].c_str());
        return 1;
    }
    const files::WriteResult written = files::ReplaceFile(args[1], *encoded);
    if (!written) {
        std::fprintf(stderr, "encode_cp932: %s: %s\n", args[1].c_str(), written.error.c_str());
        return 1;
    }
    return 0;
}
