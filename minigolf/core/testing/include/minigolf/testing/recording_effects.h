#pragma once

#include <vector>

#include "minigolf/devices/effects.h"

namespace minigolf::testing {

class RecordingEffects final : public EffectPlayer {
public:
    void PlayEffect(int slot) override { played.push_back(slot); }

    std::vector<int> played;
};

}  // namespace minigolf::testing
