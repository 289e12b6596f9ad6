#pragma once
// The batting game's 76 pictures in sprite-index order: the resource id each is stored
// under and its size. Both the picture generator and the field canvas read this table.

#include <array>

namespace pelta {

inline constexpr int kPictureCount = 76;

struct PictureEntry {
    int resourceId;
    int width;
    int height;
};

inline constexpr std::array<PictureEntry, kPictureCount> kPictureTable{{
    {132, 114, 65},  // 0 pitcher standing
    {133, 85, 65},   // 1..5 windup
    {134, 85, 65},
    {135, 85, 65},
    {136, 85, 65},
    {137, 85, 65},
    {138, 85, 65},  // 6..11 delivery and follow-through
    {139, 85, 65},
    {140, 85, 65},
    {141, 85, 65},
    {142, 85, 65},
    {143, 85, 65},
    {158, 114, 65},  // 12 pitcher on hands and knees
    {146, 70, 65},   // 13 batter standing
    {147, 70, 65},   // 14 ready
    {148, 70, 65},   // 15..18 swing
    {149, 70, 65},
    {150, 70, 65},
    {151, 70, 65},
    {152, 70, 65},  // 19 follow-through
    {159, 70, 65},  // 20 victory
    {144, 6, 6},    // 21 ball
    {145, 6, 6},    // 22 sky square
    {155, 80, 20},  // 23 grass
    {156, 80, 40},  // 24 cloud
    {153, 48, 48},  // 25 sun
    {161, 17, 23},  // 26 life empty
    {130, 17, 23},  // 27 life full
    {160, 17, 23},  // 28 life half
    {162, 70, 65},  // 29 batter downcast
    {164, 85, 65},  // 30 pitcher turned away
    {163, 70, 65},  // 31 batter sweating
    {165, 70, 65},  // 32..34 home-run swing
    {166, 70, 65},
    {168, 70, 65},
    {171, 15, 22},  // 35..44 large digits 0..9
    {172, 15, 22},
    {173, 15, 22},
    {174, 15, 22},
    {175, 15, 22},
    {176, 15, 22},
    {177, 15, 22},
    {178, 15, 22},
    {179, 15, 22},
    {180, 15, 22},
    {157, 65, 13},  // 45 Clean Hit!!
    {182, 65, 13},  // 46 Hit
    {183, 65, 13},  // 47 Hebopu-
    {184, 65, 13},  // 48 Karaburi
    {185, 65, 13},  // 49 Minogashi
    {181, 65, 13},  // 50..56 Home Run!! yellow, magenta, blue, white, red, olive, green
    {186, 65, 13},
    {187, 65, 13},
    {188, 65, 13},
    {189, 65, 13},
    {190, 65, 13},
    {191, 65, 13},
    {192, 39, 10},  // 57 Combo
    {203, 7, 10},   // 58 small plus
    {194, 7, 10},   // 59..68 small digits 0..9; the 2 is stored as 193
    {195, 7, 10},
    {193, 7, 10},
    {196, 7, 10},
    {197, 7, 10},
    {198, 7, 10},
    {199, 7, 10},
    {200, 7, 10},
    {201, 7, 10},
    {202, 7, 10},
    {204, 65, 13},  // 69 sky blank
    {205, 6, 6},    // 70 small ball
    {206, 32, 10},  // 71 Score
    {212, 83, 10},  // 72..75 Level Easy, Normal, Trick, AnoMani
    {209, 83, 10},
    {210, 83, 10},
    {211, 83, 10},
}};

}  // namespace pelta
