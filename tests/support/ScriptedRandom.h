// A random source that replays a list of draws and fails loudly when the list runs out.
#pragma once

#include "RandomSource.h"

#include <stdexcept>
#include <vector>

class ScriptedRandom final : public RandomSource {
public:
    std::vector<float> draws;
    std::size_t used = 0;

    ScriptedRandom(std::initializer_list<float> list = {}) : draws(list) {}
    float next() override
    {
        if (used >= draws.size())
            throw std::logic_error("the scripted random source ran out of draws");
        return draws[used++];
    }
    // The draw r for which floor(scale * r + offset) is `value`: the middle of its interval.
    static float For(double value, double scale, double offset) { return float((value - offset + 0.5) / scale); }
};
