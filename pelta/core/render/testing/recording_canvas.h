#pragma once
// A Canvas for tests: keeps every call in order, so a test can check what was drawn where.

#include <ostream>
#include <string>
#include <vector>

#include "pelta/render/canvas.h"

namespace pelta {

struct CanvasOp {
    enum class Kind { Blit, Fill, Text };
    Kind kind = Kind::Blit;
    int sprite = -1;           // Blit
    int x = 0, y = 0, w = 0, h = 0;  // Blit: place and copied size; Fill: left, top, right, bottom
    Rgb colour{};              // Fill colour; Text foreground
    Rgb background{};          // Text
    std::string text;          // Text
    bool operator==(const CanvasOp&) const = default;
};

CanvasOp BlitOp(int sprite, int x, int y, int w, int h);
CanvasOp FillOp(int left, int top, int right, int bottom, Rgb colour);
CanvasOp TextOp(int x, int y, std::string text, Rgb colour, Rgb background);

void PrintTo(const CanvasOp& op, std::ostream* os);

class RecordingCanvas final : public Canvas {
public:
    void Blit(int sprite, int x, int y, int w, int h) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Text(int x, int y, std::string_view utf8, Rgb text, Rgb background) override;

    const std::vector<CanvasOp>& Ops() const { return ops_; }
    // The blits of one picture, in order.
    std::vector<CanvasOp> BlitsOf(int sprite) const;
    // The blits whose top-left corner is (x, y), in order.
    std::vector<CanvasOp> BlitsAt(int x, int y) const;
    void Clear() { ops_.clear(); }

private:
    std::vector<CanvasOp> ops_;
};

}  // namespace pelta
