// Fuzzes member headers and -lh5- decoding the way extraction walks an archive, with the
// output going nowhere so that nothing is written to disk.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "installer/lzh/decoder.h"
#include "installer/lzh/header.h"
#include "installer/lzh/header_scan.h"
#include "installer/lzh/member_path.h"

namespace {

class NullSink final : public lzh::ByteSink {
public:
    bool Write(std::span<const std::uint8_t>) override { return true; }
};

// Legitimate streams may expand about 2.6 million times; a cap keeps each input quick
// while still wrapping round the dictionary many times.
constexpr std::uint32_t kMaxDecodedSize = 256u << 10;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> archive(data, size);
    lzh::MemoryStream stream(archive);
    lzh::LzhDecoder decoder;
    NullSink sink;
    std::size_t position = 0;
    while (std::optional<std::size_t> start = lzh::FindHeaderStart(archive, position)) {
        stream.Seek(static_cast<std::int64_t>(*start), lzh::SeekOrigin::Begin);
        lzh::LzhHeader header;
        if (lzh::ParseHeader(header, stream) != lzh::HeaderStatus::Ok) break;
        position = *start + header.headerSize + 2 + std::size_t{header.packedSize};
        lzh::MemberRelativePath(header.directoryName, header.fileName);
        if (header.IsLh5()) {
            std::size_t available = std::min<std::size_t>(header.DataSize(), stream.Available());
            decoder.DecodeMember(stream.Remaining().first(available), sink,
                                 std::min(header.originalSize, kMaxDecodedSize), header.crc);
        }
    }
    return 0;
}
