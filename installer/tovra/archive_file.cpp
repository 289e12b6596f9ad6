#include "installer/tovra/archive_file.h"

#include <fstream>
#include <iterator>

namespace tovra {

std::filesystem::path DefaultDestination(const std::filesystem::path& archive) {
    std::filesystem::path folder = archive.parent_path() / archive.stem();
    // "a" would be the archive itself for a file without an extension.
    if (folder == archive) folder += ".files";
    return folder;
}

ExtractionSummary ExtractArchiveFile(const std::filesystem::path& archive, const std::filesystem::path& destination,
                                     const lzh::MemberListener& onMember) {
    ExtractionSummary summary;
    std::ifstream in(archive, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (!in.good() && !in.eof()) bytes.clear();
    summary.result = lzh::ExtractArchive(bytes, destination, [&](const lzh::MemberReport& report) {
        if (report.outcome == lzh::MemberOutcome::Extracted) {
            summary.extracted.push_back(report.name);
        } else {
            summary.notExtracted.push_back(report);
        }
        if (onMember) onMember(report);
    });
    return summary;
}

}  // namespace tovra
