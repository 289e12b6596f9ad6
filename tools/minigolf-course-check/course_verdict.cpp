#include "tools/minigolf-course-check/course_verdict.h"

namespace minigolf::course_check {

Verdict JudgeCourse(int par, const SearchResult& result, int maxStrokes) {
    const int best = static_cast<int>(result.best.size());
    if (best == 0) {
        return {false, (result.exhaustive ? "NOT HOLEABLE in " : "not holed (search cut short) in ") +
                           std::to_string(maxStrokes) + " strokes"};
    }
    // A best from a cut search is only an upper bound: over par, the course may still be
    // holeable within it, but nothing has shown that.
    if (best > par) return {false, result.exhaustive ? "PAR BELOW BEST" : "not holed within par (search cut short)"};
    if (best <= par - kTooEasyMargin) return {true, "far below par"};
    return {true, ""};
}

}  // namespace minigolf::course_check
