#include "pelta/render/testing/recording_canvas.h"

#include <utility>

namespace pelta {

CanvasOp BlitOp(int sprite, int x, int y, int w, int h) {
    CanvasOp op;
    op.kind = CanvasOp::Kind::Blit;
    op.sprite = sprite;
    op.x = x;
    op.y = y;
    op.w = w;
    op.h = h;
    return op;
}

CanvasOp FillOp(int left, int top, int right, int bottom, Rgb colour) {
    CanvasOp op;
    op.kind = CanvasOp::Kind::Fill;
    op.x = left;
    op.y = top;
    op.w = right;
    op.h = bottom;
    op.colour = colour;
    return op;
}

CanvasOp TextOp(int x, int y, std::string text, Rgb colour, Rgb background) {
    CanvasOp op;
    op.kind = CanvasOp::Kind::Text;
    op.x = x;
    op.y = y;
    op.text = std::move(text);
    op.colour = colour;
    op.background = background;
    return op;
}

void PrintTo(const CanvasOp& op, std::ostream* os) {
    switch (op.kind) {
        case CanvasOp::Kind::Blit:
            *os << "Blit(" << op.sprite << " @" << op.x << "," << op.y << " " << op.w << "x" << op.h << ")";
            break;
        case CanvasOp::Kind::Fill:
            *os << "Fill(" << op.x << "," << op.y << "-" << op.w << "," << op.h << ")";
            break;
        case CanvasOp::Kind::Text:
            *os << "Text(@" << op.x << "," << op.y << " \"" << op.text << "\")";
            break;
    }
}

void RecordingCanvas::Blit(int sprite, int x, int y, int w, int h) {
    ops_.push_back(BlitOp(sprite, x, y, w, h));
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    ops_.push_back(FillOp(left, top, right, bottom, colour));
}

void RecordingCanvas::Text(int x, int y, std::string_view utf8, Rgb text, Rgb background) {
    ops_.push_back(TextOp(x, y, std::string(utf8), text, background));
}

std::vector<CanvasOp> RecordingCanvas::BlitsOf(int sprite) const {
    std::vector<CanvasOp> found;
    for (const CanvasOp& op : ops_)
        if (op.kind == CanvasOp::Kind::Blit && op.sprite == sprite) found.push_back(op);
    return found;
}

std::vector<CanvasOp> RecordingCanvas::BlitsAt(int x, int y) const {
    std::vector<CanvasOp> found;
    for (const CanvasOp& op : ops_)
        if (op.kind == CanvasOp::Kind::Blit && op.x == x && op.y == y) found.push_back(op);
    return found;
}

}  // namespace pelta
