#include "launcher/core/field_reader.h"

namespace launcher {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::size_t FieldReader::FieldStart() const {
    std::size_t p = pos_;
    bool lineStart = lineStart_;
    for (;;) {
        while (p < bytes_.size() && IsSpace(bytes_[p])) ++p;
        // A blank line holds no field: a trailing empty line must not add an empty record.
        if (p >= bytes_.size() || !lineStart || !IsLineBreak(bytes_[p])) return p;
        p += (bytes_[p] == '\r' && p + 1 < bytes_.size() && bytes_[p + 1] == '\n') ? 2 : 1;
        lineStart = true;
    }
}

bool FieldReader::AtEnd() const { return FieldStart() >= bytes_.size(); }

void FieldReader::ConsumeSeparator() {
    if (pos_ >= bytes_.size()) return;
    const char c = bytes_[pos_++];
    if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    lineStart_ = IsLineBreak(c);
}

std::optional<std::string> FieldReader::Next() {
    pos_ = FieldStart();
    if (pos_ >= bytes_.size()) return std::nullopt;

    std::string value;
    if (bytes_[pos_] == '"') {
        const std::size_t close = bytes_.find('"', pos_ + 1);
        const std::size_t end = close == std::string_view::npos ? bytes_.size() : close;
        value.assign(bytes_.substr(pos_ + 1, end - pos_ - 1));
        pos_ = end == bytes_.size() ? end : end + 1;
        // Whatever stands between the closing quote and the separator is dropped, as a
        // stray character after a quoted title is more likely a typo than meant.
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !IsLineBreak(bytes_[pos_])) ++pos_;
    } else {
        std::size_t end = pos_;
        while (end < bytes_.size() && bytes_[end] != ',' && !IsLineBreak(bytes_[end])) ++end;
        value.assign(bytes_.substr(pos_, end - pos_));
        pos_ = end;
        // Spaces before a separator are layout, not part of a name or number.
        while (!value.empty() && IsSpace(value.back())) value.pop_back();
    }
    ConsumeSeparator();
    return value;
}

std::vector<std::string> FieldReader::ReadFields(std::size_t count) {
    std::vector<std::string> fields;
    while (fields.size() < count) {
        std::optional<std::string> field = Next();
        if (!field) break;
        fields.push_back(std::move(*field));
    }
    return fields;
}

}  // namespace launcher
