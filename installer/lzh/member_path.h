#pragma once
// Turning a member's Shift-JIS directory and file name into a path under the destination.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lzh {

// Splits at backslashes (and slashes) that are not the trail byte of a double-byte
// character: "\x83\x5C" and "\x95\x5C" are one character each, not a separator.
std::vector<std::string> SplitArchivePath(std::string_view sjis);

// The member's path relative to the destination, in UTF-8, or nothing when it would leave
// the destination (drive letter, "..") or is not valid Shift-JIS. Leading separators are
// dropped: the path is read as appended to the destination folder.
std::optional<std::filesystem::path> MemberRelativePath(std::string_view directory, std::string_view fileName);

// True when a folder or file on the way from `destination` down to `relative` is a
// symbolic link, which would carry the output somewhere else.
bool PassesThroughSymlink(const std::filesystem::path& destination, const std::filesystem::path& relative);

// Creates every missing directory leading to `path` (not `path` itself). -1 when one of
// them cannot be created, for example because a file of that name exists.
int MakePathDirectories(const std::filesystem::path& path);

}  // namespace lzh
