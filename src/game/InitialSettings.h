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

    explicit InitialSettings(SettingsStore& store) : mStore(store) {}

    std::string Get(std::string_view key) const;
    void Save(std::string_view key, std::string_view value);

    // Reads a key, after writing the default first when its text is empty: empty
    // text counts as missing, any other text stays, even one that reads as 0.
    std::string GetSeeded(std::string_view key, std::string_view fallback);

private:
    SettingsStore& mStore;
};
