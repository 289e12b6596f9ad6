#include "installer/lzh/header.h"

#include <cstring>

namespace lzh {
namespace {

char NameByte(std::uint8_t b) { return b <= 32 ? '_' : static_cast<char>(b); }

std::string ReadName(MemoryStream& stream, std::size_t length) {
    std::string name(length, '\0');
    for (char& c : name) c = NameByte(stream.ReadByte());
    return name;
}

std::string DirectoryFromExtended(MemoryStream& stream, std::size_t length) {
    std::string directory;
    bool copying = true;
    for (std::size_t i = 0; i < length; ++i) {
        std::uint8_t b = stream.ReadByte();
        if (b < 32) copying = false;
        if (!copying) continue;
        directory += b == 0xFF ? '\\' : b == ' ' ? '_' : static_cast<char>(b);
    }
    return directory;
}

// Level 1: extended headers follow the base header; the first size sits at its end.
HeaderStatus ParseExtendedHeaders(LzhHeader& header, MemoryStream& stream) {
    std::uint16_t size = stream.ReadU16();
    while (size != 0 && stream.Error() == 0) {
        if (size < 3) return HeaderStatus::Malformed;
        header.extendedHeaderTotal += size;
        std::uint8_t type = stream.ReadByte();
        std::size_t payload = size - 3u;
        if (type == 1) {
            if (payload > LzhHeader::kMaxExtendedFileName) return HeaderStatus::Malformed;
            header.fileName = ReadName(stream, payload);
        } else if (type == 2) {
            if (payload > LzhHeader::kMaxDirectoryName) return HeaderStatus::Malformed;
            header.directoryName = DirectoryFromExtended(stream, payload);
        } else {
            if (payload > stream.Available()) return HeaderStatus::Malformed;
            stream.Seek(static_cast<std::int64_t>(payload), SeekOrigin::Current);
        }
        size = stream.ReadU16();
    }
    // Extended headers larger than the packed size would leave a negative data size.
    if (header.extendedHeaderTotal > header.packedSize) return HeaderStatus::Malformed;
    return HeaderStatus::Ok;
}

}  // namespace

bool LzhHeader::IsLh5() const { return std::memcmp(method.data(), "-lh5-", 5) == 0; }

std::optional<std::time_t> DosDateTimeToTime(std::uint16_t date, std::uint16_t time) {
    std::tm tm{};
    tm.tm_year = (date >> 9) + 80;
    tm.tm_mon = ((date >> 5) & 15) - 1;
    tm.tm_mday = date & 31;
    tm.tm_hour = time >> 11;
    tm.tm_min = (time >> 5) & 63;
    tm.tm_sec = (time & 31) * 2;
    tm.tm_isdst = -1;
    if (tm.tm_mon < 0 || tm.tm_mon > 11 || tm.tm_mday == 0 || tm.tm_hour > 23 || tm.tm_min > 59 || tm.tm_sec > 59)
        return std::nullopt;
    const int month = tm.tm_mon;
    const int day = tm.tm_mday;
    std::time_t t = std::mktime(&tm);
    if (t == static_cast<std::time_t>(-1)) return std::nullopt;
    // mktime moves a day past the month's end (30 February) into the next month.
    if (tm.tm_mon != month || tm.tm_mday != day) return std::nullopt;
    return t;
}

HeaderStatus ParseHeader(LzhHeader& header, MemoryStream& stream) {
    header = LzhHeader{};
    std::int64_t start = static_cast<std::int64_t>(stream.Position());
    header.headerSize = stream.ReadByte();
    if (header.headerSize == 0) return HeaderStatus::EndOfArchive;
    stream.ReadByte();  // header checksum, not verified
    stream.Read(reinterpret_cast<std::uint8_t*>(header.method.data()), header.method.size());
    if (stream.Error() != 0) return HeaderStatus::Truncated;

    header.packedSize = stream.ReadU32();
    header.originalSize = stream.ReadU32();
    std::uint16_t dosTime = stream.ReadU16();
    std::uint16_t dosDate = stream.ReadU16();
    header.fileTime = DosDateTimeToTime(dosDate, dosTime);
    stream.ReadByte();  // attribute: outputs are plain files whatever it says
    header.level = stream.ReadByte();
    if (header.level > 1) return HeaderStatus::UnsupportedLevel;

    std::size_t nameLength = stream.ReadByte();
    if (nameLength > LzhHeader::kMaxFileName) return HeaderStatus::Malformed;
    header.fileName = ReadName(stream, nameLength);
    header.crc = stream.ReadU16();

    if (header.level == 0) {
        stream.Seek(start + header.headerSize + 2, SeekOrigin::Begin);
    } else {
        stream.Seek(start + header.headerSize, SeekOrigin::Begin);
        HeaderStatus status = ParseExtendedHeaders(header, stream);
        if (status != HeaderStatus::Ok) return status;
    }
    if (stream.Error() != 0) return HeaderStatus::Malformed;
    return HeaderStatus::Ok;
}

}  // namespace lzh
