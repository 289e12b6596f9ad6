#pragma once
// Where a program keeps a file it rewrites, such as its score table. The file lives in the
// program's current folder, where the collection has always kept it. An installed collection's
// folder is read-only, though; then the file moves to the user's data folder for the program,
// $XDG_DATA_HOME/<program>/ (by default ~/.local/share/<program>/).

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace files {

struct DataFile {
    std::filesystem::path load;  // read at start; may be a shipped or earlier file
    std::filesystem::path save;  // written at exit
};

// The parts of the system consulted, replaceable so that tests can refuse a folder even where
// the real one cannot be made read-only (when running as root).
struct System {
    std::function<std::optional<std::string>(const char* name)> environment;
    // Whether new files can be created in an existing folder.
    std::function<bool(const std::filesystem::path& folder)> canCreateFilesIn;
    std::function<bool(const std::filesystem::path& folder)> makeFolder;  // with its parents
};
System RealSystem();

// The file `name` of `program`. In a writable current folder both paths are simply `name`. In
// a read-only one, `save` is the data-folder copy, made ready for writing, and `load` is that
// copy once it exists, else `name`, so that a shipped or earlier table still loads. The move is
// told once on `notes`, and so is a data folder that cannot be made (the file then stays
// `name`, and a save fails as it would have anyway).
DataFile LocateDataFile(std::string_view program, std::string_view name, std::ostream& notes,
                        const System& system = RealSystem());

}  // namespace files
