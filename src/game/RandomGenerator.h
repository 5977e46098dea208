#pragma once

#include "game/RandomSource.h"

#include <cstdint>

// A small, fast generator (SplitMix64) whose re-seeding mixes the clock into the
// state it already has, rather than replacing it: two re-seeds within one clock
// reading still lead to different draws. Before the first re-seed it gives the
// same sequence in every run.
class RandomGenerator final : public RandomSource
{
public:
    float Rnd() override;
    void Randomize(std::chrono::system_clock::time_point now) override;

private:
    std::uint64_t mState = 0x5641'4E44'5245'4C21u; // "VANDREL!"
};
