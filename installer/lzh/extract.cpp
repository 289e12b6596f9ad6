#include "installer/lzh/extract.h"

#include <array>
#include <memory>
#include <new>
#include <optional>

#include "installer/lzh/crc16.h"
#include "installer/lzh/decoder.h"
#include "installer/lzh/header.h"
#include "installer/lzh/header_scan.h"
#include "installer/lzh/member_path.h"
#include "installer/lzh/output_file.h"
#include "common/text/sjis.h"

namespace lzh {
namespace {

constexpr std::size_t kCopyBufferSize = 10240;

std::string DisplayName(const LzhHeader& header) {
    std::string stored = header.directoryName + header.fileName;
    if (std::optional<std::string> utf8 = sjis::ToUtf8(stored)) return *utf8;
    std::string escaped;
    for (unsigned char c : stored) {
        if (c < 0x80) {
            escaped += static_cast<char>(c);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            escaped += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
        }
    }
    return escaped;
}

struct MemberResult {
    MemberOutcome outcome;
    ResultCode code = ResultCode::Success;  // non-zero ends the extraction
};

MemberResult ExtractStored(const LzhHeader& header, std::span<const std::uint8_t> data,
                           const std::filesystem::path& path) {
    MakePathDirectories(path);
    OutputFile file;
    // As the installer always did, a stored member that cannot be created is skipped.
    if (!file.Open(path)) return {MemberOutcome::CannotCreate};
    std::uint16_t crc = 0;
    for (std::size_t done = 0; done < header.originalSize; done += kCopyBufferSize) {
        std::span<const std::uint8_t> chunk = data.subspan(done, std::min<std::size_t>(kCopyBufferSize, header.originalSize - done));
        crc = UpdateCrc16(crc, chunk);
        if (!file.Write(chunk)) {
            file.Discard();
            return {MemberOutcome::WriteFailed, ResultCode::WriteError};
        }
    }
    if (crc != header.crc) {
        file.Discard();
        return {MemberOutcome::CrcMismatch};
    }
    file.Finish(header.fileTime);
    return {MemberOutcome::Extracted};
}

MemberResult ExtractLh5(const LzhHeader& header, std::span<const std::uint8_t> data, const std::filesystem::path& path) {
    std::unique_ptr<LzhDecoder> decoder(new (std::nothrow) LzhDecoder);
    if (!decoder) return {MemberOutcome::WriteFailed, ResultCode::MemoryEmpty};
    MakePathDirectories(path);
    OutputFile file;
    if (!file.Open(path)) return {MemberOutcome::CannotCreate, ResultCode::WriteError};
    ResultCode decoded = decoder->DecodeMember(data, file, header.originalSize, header.crc);
    if (decoded == ResultCode::Success) {
        file.Finish(header.fileTime);
        return {MemberOutcome::Extracted};
    }
    file.Discard();
    // A full disk is worth an error message; damaged data only loses the one member.
    if (decoded == ResultCode::WriteError) return {MemberOutcome::WriteFailed, ResultCode::WriteError};
    return {MemberOutcome::Broken};
}

MemberResult ExtractMember(const LzhHeader& header, std::span<const std::uint8_t> data,
                           const std::filesystem::path& destination) {
    std::optional<std::filesystem::path> relative = MemberRelativePath(header.directoryName, header.fileName);
    if (!relative || PassesThroughSymlink(destination, *relative)) return {MemberOutcome::UnsafePath};
    std::filesystem::path path = destination / *relative;
    if (header.IsLh5()) return ExtractLh5(header, data, path);
    // Compared with the data proper, not the packed size that counts the extended headers
    // too: a copy of more bytes than the member holds would read into what follows it.
    if (header.originalSize > data.size()) return {MemberOutcome::NotStored};
    return ExtractStored(header, data, path);
}

}  // namespace

const char* OutcomeText(MemberOutcome outcome) {
    switch (outcome) {
        case MemberOutcome::Extracted: return "extracted";
        case MemberOutcome::CrcMismatch: return "CRC mismatch, deleted";
        case MemberOutcome::Broken: return "broken data, deleted";
        case MemberOutcome::UnsafePath: return "skipped: not a file path inside the destination, or through a link";
        case MemberOutcome::NotStored: return "skipped: unknown method";
        case MemberOutcome::CannotCreate: return "cannot create the file";
        case MemberOutcome::WriteFailed: return "write error, deleted";
    }
    return "";
}

ResultCode ExtractArchive(std::span<const std::uint8_t> archive, const std::filesystem::path& destination,
                          const MemberListener& listener) {
    if (archive.empty()) return ResultCode::NotArchive;
    MemoryStream stream(archive);
    ResultCode result = ResultCode::Success;
    std::uint64_t position = 0;
    while (result == ResultCode::Success && position < archive.size()) {
        std::optional<std::size_t> start = FindHeaderStart(archive, static_cast<std::size_t>(position));
        if (!start) break;
        stream.Seek(static_cast<std::int64_t>(*start), SeekOrigin::Begin);
        LzhHeader header;
        if (ParseHeader(header, stream) != HeaderStatus::Ok) break;
        position = *start + std::uint64_t{header.headerSize} + header.packedSize + 2;
        if (header.fileName.empty()) continue;

        MemberResult member{MemberOutcome::Broken};
        // A member cannot have more data than the archive holds after its header.
        if (header.DataSize() <= stream.Available()) {
            member = ExtractMember(header, stream.Remaining().first(header.DataSize()), destination);
        }
        result = member.code;
        if (listener) listener({DisplayName(header), header.originalSize, member.outcome});
    }
    return result;
}

}  // namespace lzh
