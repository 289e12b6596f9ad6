// lzh-extract ARCHIVE DEST: runs the installer's extraction on an archive file, lists what
// happened to each member and exits with the installer's result code.

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <span>

#include "tools/command-line/command_line.h"
#include "installer/lzh/extract.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args = tool::PositionalArguments(
        argc, argv,
        "ARCHIVE DEST\n"
        "Extracts ARCHIVE into DEST as the installer does, lists each member's outcome and exits\n"
        "with the installer's result code.",
        2, 2);
    // The archive is mapped rather than read, as the installer finds it in its own image.
    int fd = ::open(args[0].c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        if (fd >= 0) ::close(fd);
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], args[0].c_str());
        return static_cast<int>(lzh::ResultCode::NotArchive);
    }
    std::span<const std::uint8_t> archive;
    void* mapped = MAP_FAILED;
    if (st.st_size > 0) {
        mapped = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped != MAP_FAILED) archive = {static_cast<const std::uint8_t*>(mapped), static_cast<std::size_t>(st.st_size)};
    }
    ::close(fd);

    lzh::ResultCode result = lzh::ExtractArchive(archive, args[1], [](const lzh::MemberReport& r) {
        std::printf("%10u  %s: %s\n", r.size, r.name.c_str(), lzh::OutcomeText(r.outcome));
    });
    if (mapped != MAP_FAILED) ::munmap(mapped, static_cast<std::size_t>(st.st_size));
    std::printf("result %d\n", static_cast<int>(result));
    return static_cast<int>(result);
}
