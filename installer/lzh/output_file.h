#pragma once
// A member's output file, written with plain POSIX calls.

#include <ctime>
#include <filesystem>
#include <optional>

#include "installer/lzh/byte_sink.h"

namespace lzh {

class OutputFile final : public ByteSink {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() override;

    // Creates or truncates the file. Refuses to write through a symbolic link.
    bool Open(const std::filesystem::path& path);
    bool Write(std::span<const std::uint8_t> bytes) override;
    // Sets the access and modification times (when known), then closes.
    void Finish(std::optional<std::time_t> time);
    // Closes and deletes the file.
    void Discard();

private:
    void Close();

    std::filesystem::path path_;
    int fd_ = -1;
};

}  // namespace lzh
