#include "installer/archive/tovra_archive.h"

#include "common/embedded/embedded.h"

DECLARE_EMBEDDED(tovra_lzh)

namespace installer {

std::span<const std::uint8_t> TovraArchive() {
    std::span<const unsigned char> bytes = EMBEDDED_BYTES(tovra_lzh);
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

}  // namespace installer
