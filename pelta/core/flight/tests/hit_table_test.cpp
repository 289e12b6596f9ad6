#include "pelta/flight/hit_table.h"

#include <gtest/gtest.h>

namespace pelta {
namespace {

// Points for each distance as base + perCombo × (combo after the hit).
TEST(ClassifyHit, FullPointsTableWithCombos) {
    using R = PitchResult;
    struct Row {
        PitchResult result;
        int base, perCombo;
    };
    const Row rows[26] = {
        {R::PerfectHomeRun, 120, 10}, {R::PerfectHomeRun, 116, 9}, {R::PerfectHomeRun, 112, 9},
        {R::HomeRun, 108, 6},         {R::HomeRun, 104, 6},        {R::HomeRun, 100, 6},
        {R::HomeRun, 96, 6},          {R::HomeRun, 92, 5},         {R::CleanHit, 88, 4},
        {R::CleanHit, 84, 4},         {R::CleanHit, 80, 4},        {R::CleanHit, 76, 3},
        {R::CleanHit, 72, 3},         {R::Hit, 68, 0},             {R::Hit, 64, 0},
        {R::Hit, 60, 0},              {R::Hit, 56, 0},             {R::WeakHit, 52, 0},
        {R::WeakHit, 48, 0},          {R::WeakHit, 44, 0},         {R::WeakHit, 40, 0},
        {R::WeakHit, 36, 0},          {R::WeakHit, 32, 0},         {R::WeakHit, 28, 0},
        {R::WeakHit, 24, 0},          {R::WeakHit, 20, 0},
    };
    for (int d = 0; d <= 25; ++d) {
        const Row& row = rows[d];
        const bool keepsCombo = row.result <= R::CleanHit;
        for (int before : {0, 4, 9, 250}) {
            const int after = keepsCombo ? before + 1 : 0;
            const HitOutcome expected{row.result, after, row.base + row.perCombo * after};
            EXPECT_EQ(ClassifyHit(d, before), expected) << "d " << d << " combo before " << before;
        }
    }
}

}  // namespace
}  // namespace pelta
