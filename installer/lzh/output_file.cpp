#include "installer/lzh/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace lzh {

OutputFile::~OutputFile() { Close(); }

bool OutputFile::Open(const std::filesystem::path& path) {
    Close();
    path_ = path;
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    return fd_ >= 0;
}

bool OutputFile::Write(std::span<const std::uint8_t> bytes) {
    const std::uint8_t* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd_, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

void OutputFile::Finish(std::optional<std::time_t> time) {
    if (time) {
        timespec times[2] = {{*time, 0}, {*time, 0}};
        ::futimens(fd_, times);
    }
    Close();
}

void OutputFile::Discard() {
    Close();
    ::unlink(path_.c_str());
}

void OutputFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace lzh
