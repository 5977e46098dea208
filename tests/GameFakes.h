#pragma once

// In-memory stand-ins for everything the game reaches outside itself, and a
// harness that builds a game on them with the window's designed controls.

#include "game/Clock.h"
#include "game/Dialogs.h"
#include "game/Game.h"
#include "game/GameWindow.h"
#include "game/MainControls.h"
#include "game/RandomGenerator.h"
#include "game/RandomSource.h"
#include "game/SettingsStore.h"
#include "game/SoundChoice.h"
#include "game/SoundPlayer.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class MemorySettingsStore final : public SettingsStore
{
public:
    std::string GetSetting(std::string_view app, std::string_view section,
                           std::string_view key) const override
    {
        const auto found = values.find(Path(app, section, key));
        return found == values.end() ? std::string() : found->second;
    }
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override
    {
        values[Path(app, section, key)] = std::string(value);
        writes.push_back(std::string(key) + "=" + std::string(value));
    }
    void Set(const std::string& key, const std::string& value)
    {
        values[Path("Vandrel", "Initial", key)] = value;
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> writes; // "Key=value", in order

private:
    static std::string Path(std::string_view app, std::string_view section, std::string_view key)
    {
        return std::string(app) + "/" + std::string(section) + "/" + std::string(key);
    }
};

class RecordingSoundPlayer final : public SoundPlayer
{
public:
    void PlayMusic(const std::string& path) override { calls.push_back("music:" + path); }
    void PlayEffect(const std::string& path) override { calls.push_back("effect:" + path); }
    void StopSound() override { calls.push_back("stop"); }
    std::vector<std::string> calls;
};

// Hands out the draws a test scripts; runs dry to 0 and says so.
class ScriptedRandom final : public RandomSource
{
public:
    float Rnd() override
    {
        if (draws.empty()) {
            ranDry = true;
            return 0.0f;
        }
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
    void Randomize(std::chrono::system_clock::time_point) override { ++reseeds; }

    std::deque<float> draws;
    int reseeds = 0;
    bool ranDry = false;
};

class FixedClock final : public Clock
{
public:
    std::chrono::system_clock::time_point Now() const override { return now; }
    std::chrono::system_clock::time_point now{std::chrono::seconds(1'765'000'000)};
};

// Answers boxes from a script (Yes when it runs dry) and records them. A test can
// act while a box is open, as the player or a timer could.
class ScriptedDialogs final : public Dialogs
{
public:
    Answer MsgBox(const std::string& prompt, Style style, const std::string& title) override
    {
        boxes.push_back(title + "|" + prompt);
        styles.push_back(style);
        if (whileOpen)
            whileOpen();
        if (answers.empty())
            return style == Style::YesNoQuestion ? Answer::Yes : Answer::Ok;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& preset) override
    {
        inputs.push_back(title + "|" + prompt + "|" + preset);
        if (whileOpen)
            whileOpen();
        if (typed.empty())
            return {};
        std::string text = typed.front();
        typed.pop_front();
        return text;
    }

    std::deque<Answer> answers;
    std::deque<std::string> typed;
    std::vector<std::string> boxes;  // "title|prompt"
    std::vector<Style> styles;
    std::vector<std::string> inputs; // "title|prompt|preset"
    std::function<void()> whileOpen;
};

class CountingWindow final : public GameWindow
{
public:
    void Unload() override { ++unloads; }
    int unloads = 0;
};

// Everything outside the game that a window provides too, in memory.
struct FakeServices
{
    // Scripted: the draws a test puts in random. Generated: the program's own
    // generator, as in play.
    enum class Draws { Scripted, Generated };

    RandomSource& Random(Draws draws)
    {
        return draws == Draws::Scripted ? static_cast<RandomSource&>(random) : generator;
    }

    MemorySettingsStore store;
    RecordingSoundPlayer sound;
    ScriptedRandom random;
    RandomGenerator generator;
    FixedClock clock;
    ScriptedDialogs dialogs;
};

struct GameHarness : FakeServices
{
    explicit GameHarness(std::string decimalSeparator = ".", Draws draws = Draws::Scripted)
        : choice(store, sound),
          game(controls, choice, Game::Outside{store, sound, Random(draws), clock, dialogs, window},
               std::move(decimalSeparator), "/opt/vandrel")
    {
    }

    // A game start on draws that put every racer in track 0 and the bonus in
    // track 0 with value 1, so a test can place things where it wants.
    void StartQuietly()
    {
        random.draws = {0, 0, 0, 0, 0, 0};
        game.GameStart();
    }

    CountingWindow window;
    MainControls controls;
    SoundChoice choice;
    Game game;
};
