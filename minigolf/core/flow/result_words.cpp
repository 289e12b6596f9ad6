#include "minigolf/flow/result_words.h"

#include <algorithm>

namespace minigolf {

int ResultWordIndex(std::int32_t strokes, std::int32_t par) {
    if (strokes == 1) return 0;
    const std::int64_t word = std::int64_t{strokes} - par + kParWord;
    return static_cast<int>(std::clamp<std::int64_t>(word, 1, 8));
}

}  // namespace minigolf
