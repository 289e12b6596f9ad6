#pragma once
// Whole-file reads of the launcher's data.

#include <filesystem>
#include <optional>
#include <string>

namespace launcher {

// The file's bytes, or nothing when it cannot be opened or read to its end.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace launcher
