#include "pelta/scores/high_score_format.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "pelta/scores/name_encoding.h"

namespace pelta {
namespace {

// Name lengths come in three forms: one byte below 255; 0xFF and 16 bits below 0xFFFE;
// 0xFF, 0xFFFF and 32 bits. The 16-bit value 0xFFFE marks a form the file never uses.
constexpr std::uint8_t kLongLength = 0xFF;
constexpr std::uint16_t kUnknownLengthForm = 0xFFFE;
constexpr std::uint16_t kVeryLongLength = 0xFFFF;

class Writer {
public:
    void U8(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void U16(std::uint16_t v) {
        U8(static_cast<std::uint8_t>(v));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(static_cast<std::uint16_t>(v));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Bytes(std::string_view s) { bytes_ += s; }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool failed() const { return failed_; }

    std::uint8_t U8() {
        if (!Need(1)) return 0;
        return static_cast<std::uint8_t>(bytes_[pos_++]);
    }
    std::uint16_t U16() {
        std::uint16_t lo = U8();
        return static_cast<std::uint16_t>(lo | (U8() << 8));
    }
    std::uint32_t U32() {
        std::uint32_t lo = U16();
        return lo | (static_cast<std::uint32_t>(U16()) << 16);
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    std::string_view Bytes(std::size_t n) {
        if (!Need(n)) return {};
        std::string_view s = bytes_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    void Fail() { failed_ = true; }

private:
    bool Need(std::size_t n) {
        if (failed_ || bytes_.size() - pos_ < n) failed_ = true;
        return !failed_;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

void WriteName(Writer& out, std::string_view utf8) {
    std::string name = NameToShiftJis(utf8);
    std::size_t n = name.size();
    if (n < kLongLength) {
        out.U8(static_cast<std::uint8_t>(n));
    } else if (n < kUnknownLengthForm) {
        out.U8(kLongLength);
        out.U16(static_cast<std::uint16_t>(n));
    } else {
        out.U8(kLongLength);
        out.U16(kVeryLongLength);
        out.U32(static_cast<std::uint32_t>(n));
    }
    out.Bytes(name);
}

// A length written in a longer form than needed is still read: the value is what counts.
std::string ReadName(Reader& in) {
    std::size_t n = in.U8();
    if (n == kLongLength) {
        n = in.U16();
        if (n == kUnknownLengthForm) {
            in.Fail();
            return {};
        }
        if (n == kVeryLongLength) n = in.U32();
    }
    return NameFromShiftJis(in.Bytes(n));
}

}  // namespace

std::string EncodeHighScores(const HighScoreTable& table) {
    Writer out;
    for (const HighScoreLevelTable& level : table) {
        int count = std::min<int>(level.count, kHighScoreEntries);
        out.U8(static_cast<std::uint8_t>(count));
        for (int i = 0; i < count; ++i) {
            const HighScoreEntry& e = level.entries[i];
            WriteName(out, e.name);
            out.U8(e.rank);
            out.U8(e.key);
            out.I32(e.maxCombo);
            out.I32(e.score);
            for (std::int32_t c : e.counts) out.I32(c);
        }
    }
    return out.Take();
}

// Bytes after the fourth table are ignored, as the game's own reader never looks at them.
std::optional<HighScoreTable> DecodeHighScores(std::string_view bytes) {
    Reader in(bytes);
    HighScoreTable table{};
    for (HighScoreLevelTable& level : table) {
        level.count = in.U8();
        if (level.count > kHighScoreEntries) return std::nullopt;
        for (int i = 0; i < level.count && !in.failed(); ++i) {
            HighScoreEntry& e = level.entries[i];
            e.name = ReadName(in);
            e.rank = in.U8();
            e.key = in.U8();
            e.maxCombo = in.I32();
            e.score = in.I32();
            for (std::int32_t& c : e.counts) c = in.I32();
        }
        if (in.failed()) return std::nullopt;
    }
    return table;
}

}  // namespace pelta
