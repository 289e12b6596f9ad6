#pragma once
// The one random source of the batting game and its music. Draws keep the classic
// rand() % n meaning so that a scripted source can replay any sequence exactly.

#include <cstdint>
#include <deque>
#include <stdexcept>

namespace pelta {

class Random {
public:
    static constexpr int kRandMax = 32767;

    virtual ~Random() = default;
    // One draw in 0..kRandMax.
    virtual int Rand() = 0;
    // r(n): a draw taken modulo n.
    int R(int n) { return Rand() % n; }
};

// The classic linear congruential rand(): 15-bit results, seeded once per run.
class LcgRandom final : public Random {
public:
    explicit LcgRandom(std::uint32_t seed) : state_(seed) {}
    int Rand() override {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state_;
};

// Test source: hands out the queued values in order and fails loudly when it runs dry,
// so a test notices an unexpected extra draw.
class ScriptedRandom final : public Random {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> values) : values_(values) {}
    void Push(int value) { values_.push_back(value); }
    std::size_t Remaining() const { return values_.size(); }
    int Rand() override {
        if (values_.empty()) throw std::logic_error("ScriptedRandom: no draw left");
        int v = values_.front();
        values_.pop_front();
        return v;
    }

private:
    std::deque<int> values_;
};

}  // namespace pelta
