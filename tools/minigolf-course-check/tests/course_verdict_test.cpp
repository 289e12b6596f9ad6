#include "tools/minigolf-course-check/course_verdict.h"

#include <gtest/gtest.h>

namespace minigolf::course_check {
namespace {

TEST(JudgeCourse, PassesOnlyCoursesShownHoleableWithinPar) {
    struct Case {
        int par;
        int best;  // 0: none found
        bool exhaustive;
        bool ok;
        std::string note;
    };
    const Case cases[] = {
        {3, 3, true, true, ""},
        {4, 3, false, true, ""},
        {4, 2, true, true, "far below par"},
        {5, 3, false, true, "far below par"},
        {2, 3, true, false, "PAR BELOW BEST"},
        {2, 3, false, false, "not holed within par (search cut short)"},
        {3, 0, true, false, "NOT HOLEABLE in 6 strokes"},
        {3, 0, false, false, "not holed (search cut short) in 6 strokes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "par " << c.par << " best " << c.best << " exhaustive " << c.exhaustive);
        SearchResult result;
        result.best.resize(static_cast<std::size_t>(c.best));
        result.exhaustive = c.exhaustive;
        const Verdict verdict = JudgeCourse(c.par, result, 6);
        EXPECT_EQ(verdict.ok, c.ok);
        EXPECT_EQ(verdict.note, c.note);
    }
}

}  // namespace
}  // namespace minigolf::course_check
