#pragma once
// One member header of an LZH archive (header levels 0 and 1).

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "installer/lzh/memory_stream.h"

namespace lzh {

struct LzhHeader {
    static constexpr std::size_t kMaxFileName = 101;
    static constexpr std::size_t kMaxExtendedFileName = 100;
    static constexpr std::size_t kMaxDirectoryName = 200;

    std::uint8_t headerSize = 0;  // header bytes after the first two
    std::array<char, 5> method{};
    std::uint32_t packedSize = 0;  // level 1: includes the extended headers
    std::uint32_t originalSize = 0;
    std::optional<std::time_t> fileTime;  // nothing when the DOS date is not a real date
    std::uint8_t level = 0;
    std::string fileName;       // Shift-JIS, may hold backslash separators
    std::string directoryName;  // Shift-JIS, backslash-separated
    std::uint16_t crc = 0;
    std::uint32_t extendedHeaderTotal = 0;

    bool IsLh5() const;
    // Size of the member data proper, after the extended headers.
    std::uint32_t DataSize() const { return packedSize - extendedHeaderTotal; }
};

enum class HeaderStatus : int {
    Ok = 0,
    Malformed = 2,
    EndOfArchive = 3,
    UnsupportedLevel = 4,
    Truncated = -1,  // the method field ran past the end of the archive
};

// Reads the header at the stream's position and leaves the stream at the member data.
HeaderStatus ParseHeader(LzhHeader& header, MemoryStream& stream);

// A DOS date and time in local time, as seconds since the epoch.
std::optional<std::time_t> DosDateTimeToTime(std::uint16_t date, std::uint16_t time);

}  // namespace lzh
