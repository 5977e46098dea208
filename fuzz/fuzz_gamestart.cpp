// libFuzzer target: whatever the settings hold, a game starts and plays.
// The input is split at NUL bytes into the texts of Speed, Time, Sound and
// MusicPath, then the bytes after that drive keys and ticks.
#include "Fakes.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts(5);
    std::size_t part = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && part < 4)
            ++part;
        else
            parts[part] += char(data[i]);
    }

    GameOnFakes h({});
    const char* keys[] = {"Speed", "Time", "Sound", "MusicPath"};
    for (int k = 0; k < 4; ++k)
        if (!parts[std::size_t(k)].empty())
            h.settings[keys[k]] = parts[std::size_t(k)];
    for (int d = 0; d < 64; ++d)
        h.draws.push_back(float(d % 17) / 17.0f);
    h.game.GameStart();

    // Play a little: each byte is a key or a run of ticks.
    for (unsigned char c : parts[4]) {
        if (c < 8)
            h.game.KeyDown(Game::vkLeft + (c % 4));
        else if (c < 12)
            h.game.KeyDown(c == 8 ? Game::vkPause : Game::vkF1);
        else
            for (int t = 0; t < c % 32; ++t)
                h.game.Tick();
        if (h.log.contains("unload"))
            break;
    }
    return 0;
}
