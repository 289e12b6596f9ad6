#pragma once
// The reader of "game.csv" and "set.ini": one stream of fields in which a comma and a line
// break are the same separator, so a read takes its fields in turn whatever lines they are on.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

// Works on the file's raw bytes: no Shift-JIS trail byte is a quote, comma or line break.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

    // True when only spaces and line breaks are left.
    bool AtEnd() const;

    // The next field, or nothing at the end of the input.
    std::optional<std::string> Next();

    // Up to `count` fields; fewer only where the input ends.
    std::vector<std::string> ReadFields(std::size_t count);

private:
    // Position of the next field's first byte, past leading spaces and blank lines.
    std::size_t FieldStart() const;
    void ConsumeSeparator();

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool lineStart_ = true;
};

}  // namespace launcher
