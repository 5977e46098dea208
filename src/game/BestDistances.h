#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class SettingsStore;

// One game in the table: its distance as the label showed it (km, three
// decimals), its starting speed, its length (the stored Time), how it ended, and
// when.
struct BestDistance
{
    enum class Ending { crash, timeOver };

    double km = 0;
    std::int16_t startSpeed = 0;
    double gameTime = 0;
    Ending ending = Ending::crash;
    std::chrono::system_clock::time_point when;

    bool operator==(const BestDistance&) const = default;
};

// The player's ten best games, longest distance first, an earlier game before a
// later one of the same distance. Kept in the settings store, section
// "BestDistances", one key per rank ("1" to "10"), each a line a person can read
// and edit:
//
//     1="12.345 km, 100 km/h, 30 s, crash, 2026-12-07T14:05:09Z"
//
// (the speed is the starting speed, the seconds the game's length, the ending
// "crash" or "time over", the time in UTC). An entry that does not read so, a
// distance that is not above 0, a speed past 16 bits, a length that is not
// above 0, is skipped; the store is written only when a game enters the table or
// the table is emptied.
class BestDistances
{
public:
    static constexpr std::size_t kept = 10;

    explicit BestDistances(SettingsStore& store) : mStore(store) {}

    // The table as stored now, best first.
    std::vector<BestDistance> Read() const;

    // Enters a game if it ranks among the ten, reading the stored table again
    // first, so that a game another copy of the program stored meanwhile is kept:
    // reading and writing are one step of the store's.
    // Its rank from 1, or none (and nothing written) when it does not enter: a
    // game of 0 km never does.
    std::optional<std::size_t> Enter(const BestDistance& game);

    void Empty();

    // An entry's stored line, and the entry a line holds, if it is one.
    static std::string Line(const BestDistance& game);
    static std::optional<BestDistance> Parse(const std::string& line);

private:
    void Clear(std::size_t index);

    SettingsStore& mStore;
};
