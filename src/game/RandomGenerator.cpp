#include "game/RandomGenerator.h"

namespace {

constexpr std::uint64_t golden = 0x9E37'79B9'7F4A'7C15u;

// The SplitMix64 finaliser: a bijection that spreads every input bit over the output.
std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9u;
    z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBu;
    return z ^ (z >> 31);
}

} // namespace

float RandomGenerator::Rnd()
{
    mState += golden;
    // The top 24 bits fill a float's mantissa exactly, so the result is never 1.
    return static_cast<float>(Mix(mState) >> 40) * 0x1.0p-24f;
}

void RandomGenerator::Randomize(std::chrono::system_clock::time_point now)
{
    const auto reading = static_cast<std::uint64_t>(now.time_since_epoch().count());
    mState = Mix(mState ^ Mix(reading + golden)) + golden;
}
