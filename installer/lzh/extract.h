#pragma once
// Extracts an LZH archive (header levels 0 and 1; stored and -lh5- members) into a folder.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "installer/lzh/result_code.h"

namespace lzh {

enum class MemberOutcome {
    Extracted,
    CrcMismatch,      // stored member whose data does not match its CRC; deleted
    Broken,           // -lh5- data malformed, running short or failing its CRC; deleted
    UnsafePath,       // outside the destination or through a symbolic link, no file name, or not Shift-JIS
    NotStored,        // unknown method whose data is smaller than the file; skipped
    CannotCreate,     // the output file could not be created
    WriteFailed,      // writing the output failed; deleted
};

struct MemberReport {
    std::string name;  // directory and file name as stored, in UTF-8 where possible
    std::uint32_t size = 0;
    MemberOutcome outcome = MemberOutcome::Extracted;
};

using MemberListener = std::function<void(const MemberReport&)>;

const char* OutcomeText(MemberOutcome outcome);

// Success unless the archive is empty (NotArchive), a decoder cannot be allocated
// (MemoryEmpty), or an output cannot be created or written (WriteError); damaged members
// are deleted and reported to `listener` only.
ResultCode ExtractArchive(std::span<const std::uint8_t> archive, const std::filesystem::path& destination,
                          const MemberListener& listener = {});

}  // namespace lzh
