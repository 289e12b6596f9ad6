#pragma once
// The high-score file ("pelta.dat" in the current directory): read once at start, written once
// at exit.

#include <filesystem>
#include <optional>

#include "common/files/replace_file.h"
#include "pelta/model/high_scores.h"

namespace pelta {

inline constexpr const char* kHighScoreFileName = "pelta.dat";

class HighScoreFile {
public:
    explicit HighScoreFile(std::filesystem::path path = kHighScoreFileName);
    // Loads from `load` but saves to `save`: the table moved out of a folder it cannot be
    // written to, and a file left there still loads until the first save elsewhere.
    HighScoreFile(std::filesystem::path load, std::filesystem::path save);

    // A missing file is an empty table. So is a file that cannot be read or is not a
    // high-score file; such a file is renamed to "<name>.bad" (or "<name>.bad2" … when that
    // is taken) so that the next save does not destroy it.
    HighScoreTable Load();

    // Replaces the file as a whole (see files::ReplaceFile). Refuses, with a failure, while an
    // unreadable file could not be moved aside: it may still hold scores worth rescuing.
    files::WriteResult Save(const HighScoreTable& table);

    // Where Load put an unreadable file, if it did.
    const std::optional<std::filesystem::path>& keptAside() const { return keptAside_; }

private:
    std::filesystem::path loadPath_;
    std::filesystem::path path_;
    std::optional<std::filesystem::path> keptAside_;
    bool mustKeepFile_ = false;
};

}  // namespace pelta
