#pragma once
// One 640 × 480 picture of palette indices, the shape of every drawing surface of the game.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace minigolf {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

class Page {
public:
    Page() : pixels_(std::size_t{kScreenWidth} * kScreenHeight, 0) {}

    std::uint8_t& At(int x, int y) { return pixels_[Offset(x, y)]; }
    std::uint8_t At(int x, int y) const { return pixels_[Offset(x, y)]; }

    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }
    void Fill(std::uint8_t index) { pixels_.assign(pixels_.size(), index); }

    bool operator==(const Page&) const = default;

private:
    static std::size_t Offset(int x, int y) {
        return static_cast<std::size_t>(y) * kScreenWidth + static_cast<std::size_t>(x);
    }

    std::vector<std::uint8_t> pixels_;
};

}  // namespace minigolf
