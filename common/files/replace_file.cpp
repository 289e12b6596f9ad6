#include "common/files/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

namespace fs = std::filesystem;

// Symbolic-link chains longer than this are treated as a loop, as the kernel does.
constexpr int kMaxLinkHops = 40;

std::string Describe(const char* what, const fs::path& path, int error) {
    return std::string(what) + " \"" + path.string() + "\": " + std::strerror(error);
}

WriteResult Failure(std::string error) { return {WriteResult::How::Failed, std::move(error)}; }

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a write to `path` should change: the end of its chain of symbolic links.
fs::path ResolveLinks(fs::path path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        fs::path target = fs::read_symlink(path, ec);
        if (ec) return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// Makes the rename itself durable. The new contents are already complete whichever name
// survives a crash, so a failure here is not worth failing the save for.
void SyncDirectoryOf(const fs::path& path) {
    fs::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The process's umask, read without setting it: setting it, even for a moment, would change the
// mode of files other threads create meanwhile.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    return 022;  // the usual umask, where the kernel does not say
}

// The permission bits the new file should carry: the old file's, or what creating it would give.
mode_t ModeFor(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    return 0666 & ~CurrentUmask();
}

// A refusal by the folder, with the file itself there to be written in place instead.
bool CanWriteInPlace(int error, const fs::path& path) {
    std::error_code ec;
    return (error == EACCES || error == EPERM || error == EROFS) && fs::exists(path, ec);
}

// Closes `fd`; returns `error`, or the error of the close when there was none before.
int Close(int fd, int error) {
    if (::close(fd) != 0 && error == 0) return errno;
    return error;
}

WriteResult WriteInPlace(const fs::path& path, std::string_view bytes) {
    // No O_TRUNC: the old contents stay until the new ones are written, and only the tail is cut.
    int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return Failure(Describe("cannot write", path, errno));
    int error = 0;
    if (!WriteAll(fd, bytes) || ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 ||
        ::fsync(fd) != 0) {
        error = errno;
    }
    if ((error = Close(fd, error)) != 0) return Failure(Describe("cannot write", path, error));
    return {WriteResult::How::WrittenInPlace, {}};
}

}  // namespace

ReplaceSteps SystemReplaceSteps() {
    return {
        [](std::string& pattern) { return ::mkostemp(pattern.data(), O_CLOEXEC); },
        [](const fs::path& from, const fs::path& to) { return std::rename(from.c_str(), to.c_str()); },
    };
}

WriteResult ReplaceFile(const fs::path& requested, std::string_view bytes, const ReplaceSteps& steps) {
    const fs::path path = ResolveLinks(requested);
    std::string pattern = path.string() + ".XXXXXX";
    int fd = steps.createTemporary(pattern);
    if (fd < 0) {
        int error = errno;
        if (CanWriteInPlace(error, path)) return WriteInPlace(path, bytes);
        return Failure(Describe("cannot create a file beside", path, error));
    }
    const fs::path temp = pattern;
    int error = 0;
    if (::fchmod(fd, ModeFor(path)) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
    if ((error = Close(fd, error)) != 0) {
        ::unlink(temp.c_str());
        return Failure(Describe("cannot write", path, error));
    }
    if (steps.rename(temp, path) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        if (CanWriteInPlace(error, path)) return WriteInPlace(path, bytes);
        return Failure(Describe("cannot replace", path, error));
    }
    SyncDirectoryOf(path);
    return {WriteResult::How::Replaced, {}};
}

}  // namespace files
