#include "common/files/data_file.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

namespace fs = std::filesystem;

// A trial file tells what the folder really allows: write bits, access lists, a read-only
// mount; access(2) would let root through all but the last.
bool CanCreateFilesIn(const fs::path& folder) {
    std::string pattern = (folder / ".write-test-XXXXXX").string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(pattern.c_str());
    return true;
}

// Each folder made is private to the user, as the XDG base-directory rules ask.
bool MakeFolder(const fs::path& folder) {
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    std::error_code ec;
    return fs::is_directory(folder, ec);
}

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute (a relative one is to be
// ignored); nothing without a home folder.
std::optional<fs::path> DataHome(const System& system) {
    if (std::optional<std::string> xdg = system.environment("XDG_DATA_HOME")) {
        if (fs::path(*xdg).is_absolute()) return fs::path(*xdg);
    }
    std::optional<std::string> home = system.environment("HOME");
    if (!home || !fs::path(*home).is_absolute()) return std::nullopt;
    return fs::path(*home) / ".local" / "share";
}

}  // namespace

System RealSystem() {
    return System{
        [](const char* name) -> std::optional<std::string> {
            const char* value = std::getenv(name);
            if (!value || !*value) return std::nullopt;
            return std::string(value);
        },
        CanCreateFilesIn,
        MakeFolder,
    };
}

DataFile LocateDataFile(std::string_view program, std::string_view name, std::ostream& notes,
                        const System& system) {
    const DataFile here{fs::path(name), fs::path(name)};
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    if (ec || system.canCreateFilesIn(current)) return here;

    const std::optional<fs::path> dataHome = DataHome(system);
    if (!dataHome) {
        notes << program << ": \"" << current.string() << "\" cannot be written and there is no home "
              << "folder to keep \"" << name << "\" in instead\n";
        return here;
    }
    const fs::path folder = *dataHome / program;
    if (!system.makeFolder(folder)) {
        notes << program << ": \"" << current.string() << "\" cannot be written, nor can \""
              << folder.string() << "\" be made to keep \"" << name << "\" in instead\n";
        return here;
    }
    notes << program << ": \"" << current.string() << "\" cannot be written; \"" << name
          << "\" is kept in \"" << folder.string() << "\" instead\n";
    const fs::path moved = folder / name;
    return DataFile{fs::exists(moved, ec) ? moved : here.load, moved};
}

}  // namespace files
