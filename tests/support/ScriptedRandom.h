// A random source that replays a list of draws and fails loudly when the list runs out.
#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <vector>

class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> draws) : draws_(draws) {}

    void add(float r) { draws_.push_back(r); }
    float Next() override
    {
        if (used_ >= draws_.size())
            throw std::logic_error("the scripted random source ran out of draws");
        return draws_[used_++];
    }
    std::size_t used() const { return used_; }
    std::size_t remaining() const { return draws_.size() - used_; }

    // The draw r for which floor(scale * r + offset) is `value`: the middle of its interval.
    static float For(double value, double scale, double offset)
    {
        return static_cast<float>((value - offset + 0.5) / scale);
    }

private:
    std::vector<float> draws_;
    std::size_t used_ = 0;
};
