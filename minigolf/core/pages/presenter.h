#pragma once
// Where a finished page goes: the shell shows it, a test records it.

#include "minigolf/pages/page.h"
#include "minigolf/pages/palette.h"

namespace minigolf {

class Presenter {
public:
    virtual ~Presenter() = default;
    // Called after every flip with the page now in front.
    virtual void Present(const Page& front, const Palette& palette) = 0;
};

}  // namespace minigolf
