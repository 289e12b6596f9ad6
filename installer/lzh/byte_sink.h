#pragma once
// Where decoded member data goes: a file when extracting, nothing when fuzzing.

#include <cstdint>
#include <span>

namespace lzh {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes could not all be written.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace lzh
