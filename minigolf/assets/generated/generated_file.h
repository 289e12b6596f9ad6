#pragma once
// How the asset generators write what they make: the whole file at once, replacing the old
// one, with a one-line message naming the program on failure.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace minigolf {

// A generator's command line: one output path, or --help. Returns the path; or nothing, with
// `status` set to 0 after printing `usage` for --help, or 2 after printing it for anything else.
std::optional<std::string> OutputPath(int argc, char** argv, const char* usage, int& status);

// Runs `make` and writes its bytes to `path`. Returns the program's exit status: 0, or 1 after
// printing why `make` threw or the file could not be written.
int WriteGeneratedFile(const char* program, const std::filesystem::path& path, const std::function<std::string()>& make);

}  // namespace minigolf
