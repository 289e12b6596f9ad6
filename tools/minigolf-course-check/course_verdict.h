#pragma once
// What a search says about a course against its par.

#include <string>

#include "tools/minigolf-course-check/shot_search.h"

namespace minigolf::course_check {

// A best this far under par makes a course too easy for its par.
inline constexpr int kTooEasyMargin = 2;

struct Verdict {
    // The course is shown holeable within its par.
    bool ok = false;
    // Empty for a course that is fine as it is.
    std::string note;
};

// `maxStrokes` is the limit the search ran with.
Verdict JudgeCourse(int par, const SearchResult& result, int maxStrokes);

}  // namespace minigolf::course_check
