// The game's one uniform random generator on [0, 1), behind an interface so tests can replay draws.
#pragma once

#include <chrono>
#include <cstdint>
#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // One draw: a single-precision value r with 0 <= r < 1.
    virtual float next() = 0;
};

// A seed from the clock, where nobody chose one: the game at start-up, sheets without --seme.
inline std::uint32_t ClockSeed()
{
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// The generator the game plays with. mt19937's output is fixed by the C++ standard, so a seed
// gives the same puzzles on every machine; r keeps 24 bits so it is exact in a float and never 1.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed = 0) : engine_(seed) {}
    void seed(std::uint32_t seed) { engine_.seed(seed); }
    float next() override { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};
