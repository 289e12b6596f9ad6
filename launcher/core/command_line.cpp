#include "launcher/core/command_line.h"

namespace launcher {

std::optional<std::vector<std::string>> SplitCommandLine(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i++];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            // A backslash at the very end has nothing to keep and stands for itself.
            word += i < line.size() ? line[i++] : '\\';
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i);
            if (close == std::string_view::npos) return std::nullopt;
            word.append(line.substr(i, close - i));
            i = close + 1;
        } else if (c == '"') {
            for (;;) {
                if (i >= line.size()) return std::nullopt;
                const char q = line[i++];
                if (q == '"') break;
                if (q == '\\' && i < line.size() && std::string_view("\"\\$`").find(line[i]) != std::string_view::npos) {
                    word += line[i++];
                } else {
                    word += q;
                }
            }
        } else {
            word += c;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

}  // namespace launcher
