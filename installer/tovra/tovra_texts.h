#pragma once
// What the utility tells its user, in Japanese or English.

#include <filesystem>
#include <string>

#include "installer/tovra/archive_file.h"
#include "installer/tovra/registration.h"

namespace tovra {

constexpr const char* kCaption = "Tovra";

struct Text {
    std::string message;
    std::string caption;
    bool warning = false;
};

// The outcome of an extraction: where the files went and which were left out, or the
// archive reader's message for its result code.
Text ExtractionText(const ExtractionSummary& summary, const std::filesystem::path& destination, bool japanese);
Text RegistrationText(const RegistrationResult& result, bool japanese);
Text UsageText(bool japanese);

std::string ChooseArchiveTitle(bool japanese);
std::string ArchiveFilter(bool japanese);
// The progress window's line for the member just done.
std::string ProgressLabel(const std::string& member, bool japanese);

}  // namespace tovra
