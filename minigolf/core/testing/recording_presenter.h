#pragma once

#include "minigolf/pages/presenter.h"

namespace test_support {

// Keeps the last page shown and counts the flips.
class RecordingPresenter final : public minigolf::Presenter {
public:
    void Present(const minigolf::Page& front, const minigolf::Palette& palette) override {
        shown = front;
        shownPalette = palette;
        ++presents;
    }

    minigolf::Page shown;
    minigolf::Palette shownPalette{};
    int presents = 0;
};

}  // namespace test_support
