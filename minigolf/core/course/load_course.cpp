#include "minigolf/course/load_course.h"

#include <bit>
#include <string>

#include "minigolf/course/course_files.h"
#include "minigolf/pages/blit.h"

namespace minigolf {
namespace {

// Hands out little-endian items one at a time; once an item does not fit, it and every later
// one is refused, the way a stream at its end refuses every further read.
class ItemReader {
public:
    explicit ItemReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    template <typename Unsigned>
    bool Read(Unsigned& value) {
        if (ended_ || bytes_.size() - at_ < sizeof(Unsigned)) {
            ended_ = true;
            return false;
        }
        value = 0;
        for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
            value = static_cast<Unsigned>(value | Unsigned{bytes_[at_ + i]} << (8 * i));
        }
        at_ += sizeof(Unsigned);
        return true;
    }

    bool Ended() const { return ended_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool ended_ = false;
};

}  // namespace

// The bytes are taken as they are stored. The Windows text-mode stream the format was first read
// through ended the data at a 0x1A byte and took 0x0D 0x0A as 0x0A, which only ever damaged a
// course (tile code 26 ended the map); files holding neither read the same either way, and the
// course converter writes only such files.
CourseLoad ReadCourse(std::span<const std::uint8_t> bytes, CourseMap& course, Surfaces& surfaces) {
    ItemReader reader(bytes);
    for (int r = 0; r < kTileRows; ++r) {
        for (int c = 0; c < kTileColumns; ++c) {
            std::int16_t& tile = course.tiles[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            std::uint16_t code = 0;
            if (reader.Read(code)) tile = static_cast<std::int16_t>(code);
            WriteTileCells(course.grid, r, c, tile);
            DrawTile(surfaces, r, c, tile);
        }
    }
    std::uint32_t par = 0;
    std::uint64_t startX = 0, startY = 0;
    if (reader.Read(par)) course.par = static_cast<std::int32_t>(par);
    if (reader.Read(startX)) course.startX = std::bit_cast<double>(startX);
    if (reader.Read(startY)) course.startY = std::bit_cast<double>(startY);
    return reader.Ended() ? CourseLoad::kShort : CourseLoad::kLoaded;
}

void DrawTile(Surfaces& surfaces, int row, int column, std::int16_t code) {
    const std::int32_t sheetX = kTileSize * std::int32_t{code};
    const std::int32_t x = kTileSize * column, y = kTileSize * row;
    BlitClipped(surfaces.sheet, surfaces.background, Rect{sheetX, 0, sheetX + kTileSize, kTileSize},
                Rect{x, y, x + kTileSize, y + kTileSize}, true);
}

CourseLoad LoadCourse(int hole, GameFiles& files, CourseMap& course, Surfaces& surfaces) {
    if (hole < 1 || hole > static_cast<int>(kCourseFiles.size())) return CourseLoad::kMissing;
    const auto bytes = files.Read(std::string(kCourseFiles[static_cast<std::size_t>(hole - 1)]));
    if (!bytes) return CourseLoad::kMissing;
    return ReadCourse(*bytes, course, surfaces);
}

void DrawCourseBackground(const CourseMap& course, Surfaces& surfaces) {
    for (int r = 0; r < kTileRows; ++r) {
        for (int c = 0; c < kTileColumns; ++c) {
            DrawTile(surfaces, r, c, course.tiles[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    }
}

}  // namespace minigolf
