#pragma once

#include "game/Clock.h"

class SystemClock final : public Clock
{
public:
    std::chrono::system_clock::time_point Now() const override;
};
