#pragma once

#include "minigolf/pages/presenter.h"

namespace minigolf::testing {

// Keeps the last page shown and counts the flips.
class RecordingPresenter final : public Presenter {
public:
    void Present(const Page& front, const Palette& palette) override {
        shown = front;
        shownPalette = palette;
        ++presents;
    }

    Page shown;
    Palette shownPalette{};
    int presents = 0;
};

}  // namespace minigolf::testing
