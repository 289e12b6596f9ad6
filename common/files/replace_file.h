#pragma once
// Writing a file so that a crash, a full disk or a second program saving at the same moment
// never leaves it half written.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace files {

struct WriteResult {
    enum class How {
        Replaced,       // a complete new file was renamed over the old one
        WrittenInPlace, // the folder refused a new file; the existing file was overwritten
        Failed,         // nothing usable was written; the old contents are intact
    };
    How how = How::Failed;
    std::string error;  // for Failed: what went wrong, fit to show to the user

    explicit operator bool() const { return how != How::Failed; }
};

// The two steps that need a writable folder, replaceable so that tests can refuse them even
// where the real folder cannot be made read-only (when running as root).
struct ReplaceSteps {
    // Creates a unique, empty file from a mkstemp template; returns its descriptor or -1 (errno).
    std::function<int(std::string& pattern)> createTemporary;
    // rename(2): 0 or -1 (errno).
    std::function<int(const std::filesystem::path& from, const std::filesystem::path& to)> rename;
};
ReplaceSteps SystemReplaceSteps();

// Writes `bytes` to a uniquely named temporary file beside `path`, flushes it to the disk and
// renames it over `path`. A symbolic link is written through (its target is replaced) and an
// existing file keeps its permission bits. Where the folder refuses new files or renames but
// `path` itself is writable, the file is overwritten in place instead. On failure `path` keeps
// its old contents and no temporary file is left behind.
WriteResult ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                        const ReplaceSteps& steps = SystemReplaceSteps());

}  // namespace files
