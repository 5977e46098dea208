#pragma once

// In-memory stand-ins for everything the game reaches outside itself, and a game
// built on them with the window's designed controls.

#include "game/Clock.h"
#include "game/Dialogs.h"
#include "game/Game.h"
#include "game/GameWindow.h"
#include "game/MainControls.h"
#include "game/RandomSource.h"
#include "game/SettingsStore.h"
#include "game/SoundChoice.h"
#include "game/SoundPlayer.h"
#include "game/Translator.h"

#include <QtTest>

#include <deque>
#include <functional>
#include <map>

// QFETCH as an expression: the current row's value of a column.
#define FETCH(Type, name) (*static_cast<Type*>(QTest::qData(#name, ::qMetaTypeId<Type>())))

// Settings of the application "Vandrel", section "Initial", by key.
using Stored = std::initializer_list<std::pair<const std::string, std::string>>;

struct Fakes : SettingsStore, SoundPlayer, RandomSource, Clock, Dialogs, GameWindow, Translator
{
    // later: how long after the others this program run starts.
    explicit Fakes(std::chrono::seconds later = {}) : now(std::chrono::seconds(1'765'000'000) + later) {}

    std::string GetSetting(std::string_view, std::string_view, std::string_view key) const override
    {
        const auto found = settings.find(std::string(key));
        return found == settings.end() ? std::string() : found->second;
    }
    void SaveSetting(std::string_view, std::string_view, std::string_view key, std::string_view value) override
    {
        settings[std::string(key)] = value;
        log << QString::fromStdString(std::string(key) + "=" + std::string(value));
    }
    void DeleteSetting(std::string_view, std::string_view, std::string_view key) override { settings.erase(std::string(key)); }
    void Exclusively(std::string_view, const std::function<void()>& change) override { change(); }

    void PlayMusic(const std::string& path) override { log << QString::fromStdString("music " + path); }
    void PlayEffect(const std::string& path) override { log << QString::fromStdString("effect " + path); }
    void StopSound() override { log << "stop"; }

    // Scripted draws; a dry script gives 0.
    float Rnd() override { return Next(draws, 0.0f); }
    void Randomize(std::chrono::system_clock::time_point) override { log << "seed"; }
    std::chrono::system_clock::time_point Now() const override { return now; }

    // Boxes are logged as "title|prompt" and answered from a script; when it runs dry,
    // as Enter would (Yes, No where it is the default, OK; an input box empty text).
    Answer MsgBox(const std::string& prompt, Style style, const std::string& title) override
    {
        log << QString::fromStdString(title + "|" + prompt);
        if (whileOpen)
            whileOpen();
        const Answer byDefault = style == Style::YesNoQuestion ? Answer::Yes : style == Style::YesNoQuestionNo ? Answer::No : Answer::Ok;
        return Next(answers, byDefault);
    }
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& preset) override
    {
        log << QString::fromStdString(title + "|" + prompt + "|" + preset);
        return Next(typed, std::string());
    }
    template <typename T>
    static T Next(std::deque<T>& script, T whenDry)
    {
        if (script.empty())
            return whenDry;
        T next = script.front();
        script.pop_front();
        return next;
    }
    void Unload() override { log << "unload"; }
    void ShowBestDistances(std::size_t rank) override { log << QStringLiteral("best %1").arg(rank); if (whileOpen) whileOpen(); }
    // English unless a test installs a translator.
    using Translator::Translate;
    std::string Translate(const char* context, const char* source, const char* disambiguation) const override
    {
        return QCoreApplication::translate(context, source, disambiguation).toStdString();
    }

    Outside Services(RandomSource& random) { return Outside{*this, *this, random, *this, *this, *this}; }

    std::map<std::string, std::string> settings;
    std::deque<float> draws;
    std::chrono::system_clock::time_point now;
    std::deque<Answer> answers;
    std::deque<std::string> typed;
    std::function<void()> whileOpen;
    QStringList log; // settings written, sounds, seeds, boxes and unloads, in order
};

// A game on the fakes with the designed controls, its program folder "/opt/vandrel";
// its draws scripted, or from another source such as the program's generator.
struct GameOnFakes : Fakes
{
    explicit GameOnFakes(Stored stored, RandomSource* random = nullptr, std::chrono::seconds later = {})
        : Fakes(later), controls(*this), choice(*this, *this), game(controls, choice, Services(random ? *random : *this), *this, ".", "/opt/vandrel")
    {
        settings = stored;
        log.clear();
    }

    MainControls controls;
    SoundChoice choice;
    Game game;
};
