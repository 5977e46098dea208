#pragma once

#include <chrono>

// The current date and time, as the game reads it to seed its random numbers.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::chrono::system_clock::time_point Now() const = 0;
};
