#include "pelta/scores/high_score_file.h"

#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

#include "pelta/scores/high_score_format.h"

namespace pelta {
namespace {

constexpr int kAsideNames = 99;

// stdio rather than a stream: a stream's buffer throws on a read error (a folder, a bad disk).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, in.get())) bytes.append(buffer, n);
    if (std::ferror(in.get())) return std::nullopt;
    return bytes;
}

// Renames `path` to the first free "<path>.bad", "<path>.bad2", … name.
std::optional<std::filesystem::path> MoveAside(const std::filesystem::path& path) {
    for (int i = 1; i <= kAsideNames; ++i) {
        std::filesystem::path aside = path;
        aside += i == 1 ? ".bad" : ".bad" + std::to_string(i);
        std::error_code ec;
        if (std::filesystem::exists(aside, ec) || ec) continue;
        std::filesystem::rename(path, aside, ec);
        if (ec) return std::nullopt;
        return aside;
    }
    return std::nullopt;
}

}  // namespace

HighScoreFile::HighScoreFile(std::filesystem::path path) : loadPath_(path), path_(std::move(path)) {}

HighScoreFile::HighScoreFile(std::filesystem::path load, std::filesystem::path save)
    : loadPath_(std::move(load)), path_(std::move(save)) {}

HighScoreTable HighScoreFile::Load() {
    std::error_code ec;
    if (!std::filesystem::exists(loadPath_, ec) && !ec) return HighScoreTable{};

    std::optional<std::string> bytes = ReadWholeFile(loadPath_);
    if (std::optional<HighScoreTable> table = bytes ? DecodeHighScores(*bytes) : std::nullopt) {
        return *table;
    }
    keptAside_ = MoveAside(loadPath_);
    // Only a save over the unreadable file itself could destroy it.
    mustKeepFile_ = !keptAside_ && loadPath_ == path_;
    return HighScoreTable{};
}

files::WriteResult HighScoreFile::Save(const HighScoreTable& table) {
    if (mustKeepFile_) {
        return {files::WriteResult::How::Failed,
                "\"" + loadPath_.string() + "\" could not be read nor moved aside; it was left as it is"};
    }
    return files::ReplaceFile(path_, EncodeHighScores(table));
}

}  // namespace pelta
