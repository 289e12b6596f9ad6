#include "minigolf/flow/rank_table.h"

#include <algorithm>
#include <limits>

#include "minigolf/pages/glyphs.h"

namespace minigolf {

int PlaceTotal(const RankTable& table, std::int32_t total) {
    for (int q = 0; q <= kOverflowSlot; ++q) {
        if (table[q].score >= total) return q;
    }
    return kNotPlaced;
}

void InsertTotal(RankTable& table, int rankPos, std::int32_t total) {
    if (rankPos < 0 || rankPos > kOverflowSlot) return;
    for (int q = kOverflowSlot; q > rankPos; --q) table[q] = table[q - 1];
    constexpr std::int32_t kLow = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t kHigh = std::numeric_limits<std::int16_t>::max();
    table[rankPos] = RankEntry{static_cast<std::int16_t>(std::clamp(total, kLow, kHigh)),
                               {kGlyphBlank, kGlyphBlank, kGlyphBlank}};
}

}  // namespace minigolf
