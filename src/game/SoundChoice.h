#pragma once

#include "game/InitialSettings.h"

#include "game/Translator.h"

#include <array>
#include <string>

class SettingsStore;
class SoundPlayer;

// The player's sound choice as the sound options dialog holds it: which of its
// three option buttons is chosen (background music, sound effects, no sound),
// the music path box and whether that box is enabled. The dialog shows and edits
// this model; the game start reads it for the music, the collision test for the
// bonus sound.
//
// A stored "Sound" that is not wholly a number, or whose value does not round to
// 0, 1 or 2, chooses "Sound" (1), the default, and is left in the store as it is
// until the player confirms a choice.
class SoundChoice
{
public:
    // The stored "Sound", and the dialog's option buttons in this order.
    enum Option : int { backgroundMusic, soundEffects, noSound, options };
    static constexpr Option defaultOption = soundEffects;

    // In English; the dialog shows them translated, in the context "SoundChoice".
    static constexpr std::array<const char*, options> captions = {
        Untranslated("SoundChoice", "Background Music"),
        //: Only a chime when the time bonus is taken, no music
        Untranslated("SoundChoice", "Sound"),
        Untranslated("SoundChoice", "No Sound")};

    SoundChoice(SettingsStore& store, SoundPlayer& sound);

    // Fills the choice from the settings the first time; later calls do nothing.
    void Load();

    // The dialog's events.
    void LoadStep();
    void Click(int index);
    void SetMusicText(std::string text) { mMusicText = std::move(text); }
    void OK();
    void Cancel();

    int Mode() const { return mChosen; }
    const std::string& MusicText() const { return mMusicText; }
    bool MusicTextEnabled() const { return mMusicTextEnabled; }

private:
    InitialSettings mSettings;
    SoundPlayer& mSound;
    bool mLoaded = false;
    int mChosen = defaultOption;
    std::string mMusicText;
    bool mMusicTextEnabled = false;
};
