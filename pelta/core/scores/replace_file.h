#pragma once
// Writing a file so that a crash or a full disk never leaves it half written.

#include <filesystem>
#include <string_view>

namespace pelta {

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and renames it over
// `path`. On any failure the temporary file is removed, `path` keeps its old contents and the
// result is false.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace pelta
