#include "installer/tovra/mimeapps_list.h"

#include <optional>
#include <sstream>

namespace tovra {
namespace {

// The lines of a key file, edited one key at a time.
class KeyFileLines {
public:
    explicit KeyFileLines(std::string_view text) {
        std::stringstream in{std::string(text)};
        for (std::string line; std::getline(in, line);) lines_.push_back(line);
    }

    std::optional<std::string> Get(std::string_view section, std::string_view key) const {
        std::optional<std::size_t> at = FindKey(section, key);
        if (!at) return std::nullopt;
        return lines_[*at].substr(lines_[*at].find('=') + 1);
    }

    void Set(std::string_view section, std::string_view key, const std::string& value) {
        std::string line = std::string(key) + "=" + value;
        if (std::optional<std::size_t> at = FindKey(section, key)) {
            lines_[*at] = line;
            return;
        }
        std::optional<std::size_t> header = FindSection(section);
        if (!header) {
            if (!lines_.empty() && !lines_.back().empty()) lines_.push_back("");
            lines_.push_back("[" + std::string(section) + "]");
            lines_.push_back(line);
            return;
        }
        // After the section's last key, before blank lines that separate it from the next.
        std::size_t end = SectionEnd(*header);
        while (end > *header + 1 && Trim(lines_[end - 1]).empty()) --end;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(end), line);
    }

    std::string Text() const {
        std::string text;
        for (const std::string& line : lines_) text += line + "\n";
        return text;
    }

private:
    static std::string_view Trim(std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
        return s;
    }

    std::optional<std::size_t> FindSection(std::string_view section) const {
        std::string header = "[" + std::string(section) + "]";
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (Trim(lines_[i]) == header) return i;
        }
        return std::nullopt;
    }

    std::size_t SectionEnd(std::size_t header) const {
        std::size_t i = header + 1;
        while (i < lines_.size() && !Trim(lines_[i]).starts_with('[')) ++i;
        return i;
    }

    std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const {
        std::optional<std::size_t> header = FindSection(section);
        if (!header) return std::nullopt;
        for (std::size_t i = *header + 1; i < SectionEnd(*header); ++i) {
            std::size_t eq = lines_[i].find('=');
            if (eq != std::string::npos && Trim(std::string_view(lines_[i]).substr(0, eq)) == key) return i;
        }
        return std::nullopt;
    }

    std::vector<std::string> lines_;
};

// `desktopId;` first, then the others already listed.
std::string PutFirst(std::string_view desktopId, const std::string& list) {
    std::string result = std::string(desktopId) + ";";
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ';');) {
        if (!item.empty() && item != desktopId) result += item + ";";
    }
    return result;
}

}  // namespace

std::string WithDefaultApplication(std::string_view current, const std::vector<std::string>& mimeTypes,
                                   std::string_view desktopId) {
    KeyFileLines lines(current);
    for (const std::string& type : mimeTypes) {
        lines.Set("Default Applications", type, std::string(desktopId) + ";");
        lines.Set("Added Associations", type, PutFirst(desktopId, lines.Get("Added Associations", type).value_or("")));
    }
    return lines.Text();
}

}  // namespace tovra
