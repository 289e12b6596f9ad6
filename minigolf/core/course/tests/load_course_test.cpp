#include "minigolf/course/load_course.h"

#include <gtest/gtest.h>

#include <vector>

#include "minigolf/course/course_files.h"
#include "minigolf/testing/course_bytes.h"
#include "minigolf/testing/memory_files.h"
#include "minigolf/testing/recording_presenter.h"

namespace minigolf {
namespace {

using test_support::CourseBytes;

class LoadCourseTest : public ::testing::Test {
protected:
    LoadCourseTest() {
        // Sheet tile t is filled with index t + 100 so that drawn tiles can be told apart.
        for (int t = 0; t < 40; ++t) {
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) surfaces.sheet.At(16 * t + x, y) = static_cast<std::uint8_t>(t + 100);
            }
        }
    }

    CourseLoad Load(int hole) { return LoadCourse(hole, files, course, surfaces); }
    std::int16_t Cell(int row, int column) const {
        return course.grid.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }

    test_support::MemoryFiles files;
    test_support::RecordingPresenter presenter;
    Surfaces surfaces{presenter};
    CourseMap course;
};

TEST_F(LoadCourseTest, EachTileCodeFillsItsQuartersOfTheGrid) {
    struct Case {
        std::int16_t code;
        std::int16_t topLeft, topRight, bottomLeft, bottomRight;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0},      {1, 1, 1, 0, 0},      {2, 0, 0, 2, 2},      {3, 0, 3, 0, 3},
        {4, 4, 0, 4, 0},      {5, 0, 5, 5, 5},      {8, 8, 8, 8, 0},      {9, 0, 9, 9, 9},
        {11, 11, 11, 0, 11},  {13, 13, 13, 13, 13}, {15, 15, 15, 15, 15}, {20, 20, 20, 20, 20},
        {-3, -3, -3, -3, -3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        files.files["cource01.dat"] = CourseBytes{}.Tile(0, 0, c.code).Tile(29, 39, c.code).bytes;
        ASSERT_EQ(Load(1), CourseLoad::kLoaded);
        EXPECT_EQ(Cell(0, 0), c.topLeft);
        EXPECT_EQ(Cell(0, 1), c.topRight);
        EXPECT_EQ(Cell(1, 0), c.bottomLeft);
        EXPECT_EQ(Cell(1, 1), c.bottomRight);
        EXPECT_EQ(Cell(59, 79), c.bottomRight);
        EXPECT_EQ(course.tiles[0][0], c.code);
    }
}

TEST_F(LoadCourseTest, TilesAreDrawnFromTheSheetColumnOfTheirCode) {
    files.files["cource01.dat"] = CourseBytes{}.Tile(2, 3, 20).Tile(0, 1, 39).Tile(0, 2, 40).bytes;
    surfaces.background.Fill(7);
    ASSERT_EQ(Load(1), CourseLoad::kLoaded);
    EXPECT_EQ(surfaces.background.At(3 * 16, 2 * 16), 120);
    EXPECT_EQ(surfaces.background.At(3 * 16 + 15, 2 * 16 + 15), 120);
    EXPECT_EQ(surfaces.background.At(16, 0), 139);
    EXPECT_EQ(surfaces.background.At(0, 0), 100);
    EXPECT_EQ(surfaces.background.At(32, 0), 7) << "code 40 lies beyond the sheet: nothing drawn";
}

TEST_F(LoadCourseTest, ParAndStartComeFromTheEndOfTheFile) {
    files.files["cource09.dat"] = CourseBytes{}.Par(4).Start(312.5, 96.0).bytes;
    ASSERT_EQ(Load(9), CourseLoad::kLoaded);
    EXPECT_EQ(course.par, 4);
    EXPECT_EQ(course.startX, 312.5);
    EXPECT_EQ(course.startY, 96.0);
}

TEST_F(LoadCourseTest, ASecondHoleReplacesEveryCellIncludingThoseUnderThePanel) {
    files.files["cource01.dat"] = CourseBytes{}.AllTiles(13).Par(3).bytes;
    files.files["cource02.dat"] = CourseBytes{}.AllTiles(4).Par(5).bytes;
    ASSERT_EQ(Load(1), CourseLoad::kLoaded);
    ASSERT_EQ(Load(2), CourseLoad::kLoaded);
    for (int row = 0; row < kCellRows; ++row) {
        for (int column = 0; column < kCellColumns; ++column) {
            ASSERT_EQ(Cell(row, column), column % 2 == 0 ? 4 : 0) << row << "," << column;
        }
    }
    EXPECT_EQ(course.par, 5);
}

TEST_F(LoadCourseTest, AShortFileKeepsThePreviousHoleFromWhereItEnds) {
    files.files["cource01.dat"] = CourseBytes{}.AllTiles(13).Par(3).Start(40.0, 50.0).bytes;
    ASSERT_EQ(Load(1), CourseLoad::kLoaded);
    struct Case {
        std::size_t size;
        std::int16_t lastTile;
        std::int32_t par;
        double startY;
    };
    const Case cases[] = {
        {0, 13, 3, 50.0},
        {2399, 13, 3, 50.0},      // the last tile's second byte is missing
        {2400, 2, 3, 50.0},
        {2403, 2, 3, 50.0},
        {2419, 2, 4, 50.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        auto bytes = CourseBytes{}.AllTiles(2).Par(4).Start(60.0, 70.0).bytes;
        bytes.resize(c.size);
        files.files["cource02.dat"] = bytes;
        EXPECT_EQ(Load(2), CourseLoad::kShort);
        EXPECT_EQ(course.tiles[29][39], c.lastTile);
        EXPECT_EQ(Cell(59, 79), c.lastTile == 2 ? 2 : 13) << "the grid is rebuilt from the kept codes";
        EXPECT_EQ(course.par, c.par);
        EXPECT_EQ(course.startY, c.startY);
        files.files["cource02.dat"] = CourseBytes{}.AllTiles(13).Par(3).Start(40.0, 50.0).bytes;
        ASSERT_EQ(Load(2), CourseLoad::kLoaded);
    }
}

TEST_F(LoadCourseTest, BytesAreReadAsStoredWithoutTextTranslation) {
    // 0x0D 0x0A and 0x1A inside the tiles: a text-mode read would have shifted or ended the map.
    files.files["cource01.dat"] = CourseBytes{}.Tile(0, 0, 0x0A0D).Tile(0, 1, 26).Tile(0, 2, 0x0D0A).Par(2).bytes;
    ASSERT_EQ(Load(1), CourseLoad::kLoaded);
    EXPECT_EQ(course.tiles[0][0], 0x0A0D);
    EXPECT_EQ(course.tiles[0][1], 26);
    EXPECT_EQ(course.tiles[0][2], 0x0D0A);
    EXPECT_EQ(course.par, 2);
}

TEST_F(LoadCourseTest, AMissingFileOrHoleChangesNothing) {
    files.files["cource01.dat"] = CourseBytes{}.AllTiles(13).Par(3).bytes;
    ASSERT_EQ(Load(1), CourseLoad::kLoaded);
    const CourseMap before = course;
    EXPECT_EQ(Load(2), CourseLoad::kMissing);
    EXPECT_EQ(Load(0), CourseLoad::kMissing);
    EXPECT_EQ(Load(19), CourseLoad::kMissing);
    EXPECT_EQ(course.tiles, before.tiles);
    EXPECT_EQ(course.par, 3);
}

TEST(CourseFiles, HoleNReadsEntryNMinusOne) {
    EXPECT_EQ(kCourseFiles[0], "cource01.dat");
    EXPECT_EQ(kCourseFiles[8], "cource09.dat");
    EXPECT_EQ(kCourseFiles[17], "cource18.dat");
}

}  // namespace
}  // namespace minigolf
