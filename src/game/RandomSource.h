#pragma once

#include <chrono>

// The program's one source of random numbers. The game draws from it and re-seeds
// it only where its rules say so; tests put a scripted sequence in its place.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // The next number, uniform in [0, 1), single precision.
    virtual float Rnd() = 0;

    // Mixes a clock reading into the sequence.
    virtual void Randomize(std::chrono::system_clock::time_point now) = 0;
};
