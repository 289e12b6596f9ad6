#pragma once

#include <vector>

#include "minigolf/devices/effects.h"

namespace test_support {

class RecordingEffects final : public minigolf::EffectPlayer {
public:
    void PlayEffect(int slot) override { played.push_back(slot); }

    std::vector<int> played;
};

}  // namespace test_support
