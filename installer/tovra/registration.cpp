#include "installer/tovra/registration.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "common/files/replace_file.h"
#include "installer/tovra/desktop_entry.h"
#include "installer/tovra/mime_database.h"
#include "installer/tovra/mimeapps_list.h"

extern char** environ;

namespace tovra {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool WriteText(const fs::path& path, const std::string& text) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return static_cast<bool>(files::ReplaceFile(path, text));
}

}  // namespace

void RunToolIfPresent(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

RegistrationResult RegisterForUser(const XdgDirs& dirs, const std::string& programPath, bool desktopShortcut,
                                   const ToolRunner& runTool) {
    RegistrationResult result;
    const fs::path applications = dirs.dataHome / "applications";
    const fs::path entryPath = applications / std::string(kDesktopId);
    std::optional<std::string> entry = DesktopEntry(programPath);
    if (!entry || !WriteText(entryPath, *entry)) {
        result.failedPath = entryPath;
        return result;
    }

    std::vector<fs::path> mimeDirs{dirs.dataHome};
    mimeDirs.insert(mimeDirs.end(), dirs.dataDirs.begin(), dirs.dataDirs.end());
    if (!MimeTypeKnown(mimeDirs, kLzhMimeType)) {
        const fs::path package = dirs.dataHome / "mime/packages/tovra-lzh.xml";
        if (!WriteText(package, LzhMimePackage())) {
            result.failedPath = package;
            return result;
        }
        runTool("update-mime-database", {(dirs.dataHome / "mime").string()});
    }

    const fs::path mimeapps = dirs.configHome / "mimeapps.list";
    std::string associations =
        WithDefaultApplication(ReadText(mimeapps), {std::string(kLzhMimeType), std::string(kLhaMimeType)}, kDesktopId);
    if (!WriteText(mimeapps, associations)) {
        result.failedPath = mimeapps;
        return result;
    }
    runTool("update-desktop-database", {applications.string()});

    if (desktopShortcut) {
        result.shortcut = DesktopFolder(dirs) / "Tovra.desktop";
        std::error_code ec;
        if (!WriteText(result.shortcut, *entry)) {
            result.failedPath = result.shortcut;
            return result;
        }
        // Desktops start only launchers that are marked as programs.
        fs::permissions(result.shortcut, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add, ec);
    }
    result.ok = true;
    return result;
}

}  // namespace tovra
