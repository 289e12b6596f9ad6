#pragma once
// Extracting an archive file from disk with the installer's archive reader.

#include <filesystem>
#include <string>
#include <vector>

#include "installer/lzh/extract.h"

namespace tovra {

struct ExtractionSummary {
    lzh::ResultCode result = lzh::ResultCode::Success;
    std::vector<std::string> extracted;
    std::vector<lzh::MemberReport> notExtracted;  // damaged, unsafe or unwritable members
};

// A folder beside the archive named after it: "x/a.lzh" goes into "x/a".
std::filesystem::path DefaultDestination(const std::filesystem::path& archive);

// An unreadable or empty file is not an archive. `onMember` hears of each member as it is
// done (from the calling thread).
ExtractionSummary ExtractArchiveFile(const std::filesystem::path& archive, const std::filesystem::path& destination,
                                     const lzh::MemberListener& onMember = {});

}  // namespace tovra
