#pragma once
// The course files beside the program, one per hole.

#include <array>
#include <string_view>

namespace minigolf {

// Hole n uses entry n − 1; a game plays holes 1 to 9, the rest of the table is never reached.
inline constexpr std::array<std::string_view, 18> kCourseFiles = {
    "cource01.dat", "cource02.dat", "cource03.dat", "cource04.dat", "cource05.dat", "cource06.dat",
    "cource07.dat", "cource08.dat", "cource09.dat", "cource10.dat", "cource11.dat", "cource12.dat",
    "cource13.dat", "cource14.dat", "cource15.dat", "cource16.dat", "cource17.dat", "cource18.dat",
};

inline constexpr std::size_t kCourseFileSize = 2420;

}  // namespace minigolf
