#pragma once
// Extracts on a worker thread while the user sees which member is done; the window appears
// only when extraction takes long enough to be worth watching.

#include <filesystem>

#include "installer/tovra/archive_file.h"

namespace tovra {

ExtractionSummary ExtractWithProgress(const std::filesystem::path& archive, const std::filesystem::path& destination,
                                      bool japanese);

}  // namespace tovra
