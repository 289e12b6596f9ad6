// Any bytes at all may sit in a course file: loading must never read past them, every cell must
// come from the tile that owns it, and a ball shot from the file's start in each direction must
// roll without reading outside the grid or leaving the integers it is drawn at.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "minigolf/course/load_course.h"
#include "minigolf/play/shot.h"
#include "minigolf/testing/memory_files.h"
#include "minigolf/testing/recording_effects.h"
#include "minigolf/testing/recording_presenter.h"

namespace {

using namespace minigolf;

void CheckCells(const CourseMap& course) {
    for (int row = 0; row < kCellRows; ++row) {
        for (int column = 0; column < kCellColumns; ++column) {
            const std::int16_t cell = course.grid.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (cell != 0 && cell != course.tiles[static_cast<std::size_t>(row / 2)][static_cast<std::size_t>(column / 2)]) {
                std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static test_support::RecordingPresenter presenter;
    static Surfaces surfaces(presenter);
    test_support::MemoryFiles files;
    files.files["cource01.dat"].assign(data, data + size);
    CourseMap course;
    if (LoadCourse(1, files, course, surfaces) == CourseLoad::kMissing) std::abort();
    CheckCells(course);

    test_support::RecordingEffects effects;
    for (std::int32_t dir = 0; dir < 16; ++dir) {
        Ball ball{course.startX, course.startY, dir, 9.0};
        SpriteTable sprites;
        GolfPhase phase = GolfPhase::kRolling;
        std::int32_t strokes = 1;
        // Walls refund speed, so a ball caught along one can roll for a long while.
        for (int frame = 0; frame < 2000 && phase == GolfPhase::kRolling; ++frame) {
            StepBall(ShotState{ball, sprites, phase, strokes}, course.grid, effects);
        }
        effects.played.clear();
    }
    return 0;
}
