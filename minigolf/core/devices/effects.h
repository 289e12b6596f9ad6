#pragma once
// The six sound effects, played by slot.

namespace minigolf {

enum EffectSlot : int {
    kPonEffect = 0,    // a wall turned the ball
    kPon2Effect = 1,   // stroke display, hole start, end banner, name-entry letter change
    kCupInEffect = 2,  // ball holed
    kNiceEffect = 3,   // hole under par
    kParEffect = 4,    // hole at par
    kBogiEffect = 5,   // hole over par
};

inline constexpr int kEffectCount = 6;

// Resource names of the effects, by slot.
inline constexpr const char* kEffectNames[kEffectCount] = {"pon", "pon2", "cupin", "nice", "par", "bogi"};

class EffectPlayer {
public:
    virtual ~EffectPlayer() = default;
    // Plays the effect from its start once: a slot still sounding is cut and restarted, while
    // different slots sound together.
    virtual void PlayEffect(int slot) = 0;
};

}  // namespace minigolf
