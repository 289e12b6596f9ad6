// Any bytes at all may sit in "pelta.dat": decoding must never crash, and whatever decodes
// must survive a save and a load unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "pelta/scores/high_score_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (std::optional<pelta::HighScoreTable> table = pelta::DecodeHighScores(bytes)) {
        if (pelta::DecodeHighScores(pelta::EncodeHighScores(*table)) != table) std::abort();
    }
    return 0;
}
