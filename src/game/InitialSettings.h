#pragma once

#include <string>
#include <string_view>

class SettingsStore;

// The game's four settings: application "Vandrel", section "Initial".
class InitialSettings
{
public:
    static constexpr std::string_view speed = "Speed";
    static constexpr std::string_view time = "Time";
    static constexpr std::string_view sound = "Sound";
    static constexpr std::string_view musicPath = "MusicPath";

    // What a first run stores, and the starting speeds Set Speed accepts. A stored
    // time that is not a positive number also plays as the default: such a game
    // would end at once, again and again, and the player could never reach the
    // menus to mend it.
    static constexpr int defaultSpeed = 100;
    static constexpr int lowestSpeed = 50;
    static constexpr int highestSpeed = 300;
    static constexpr int defaultTime = 30;

    explicit InitialSettings(SettingsStore& store) : mStore(store) {}

    std::string Get(std::string_view key) const;
    void Save(std::string_view key, std::string_view value);

    // Reads a key, after writing the default first when its text is empty: empty
    // text counts as missing, any other text stays, even one that reads as 0.
    std::string GetSeeded(std::string_view key, std::string_view fallback);

private:
    SettingsStore& mStore;
};
