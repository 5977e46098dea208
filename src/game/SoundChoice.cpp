#include "game/SoundChoice.h"

#include "game/Numbers.h"
#include "game/SoundPlayer.h"

namespace {

int ModeFromText(const std::string& text)
{
    const auto number = Numbers::WholeNumberFromText(text);
    const auto mode = number ? Numbers::ToInt16(*number) : std::nullopt;
    return mode && *mode >= 0 && *mode < SoundChoice::options ? int(*mode) : int(SoundChoice::defaultOption);
}

} // namespace

SoundChoice::SoundChoice(SettingsStore& store, SoundPlayer& sound)
    : mSettings(store), mSound(sound)
{
}

void SoundChoice::Load()
{
    if (mLoaded)
        return;
    mLoaded = true;
    LoadStep();
}

void SoundChoice::LoadStep()
{
    const std::string stored = mSettings.GetSeeded(InitialSettings::sound, Numbers::TextOfInteger(defaultOption));
    mMusicText = mSettings.Get(InitialSettings::musicPath);
    mMusicTextEnabled = false;
    Click(ModeFromText(stored));
    if (mChosen == backgroundMusic)
        mMusicTextEnabled = true;
}

void SoundChoice::Click(int index)
{
    if (index < 0 || index >= options)
        return;
    mChosen = index;
    // Only "Background Music" touches the path box: after it, another choice
    // leaves the box enabled until the next loading step.
    if (index == backgroundMusic)
        mMusicTextEnabled = true;
}

void SoundChoice::OK()
{
    mSettings.Save(InitialSettings::sound, Numbers::TextOfInteger(mChosen));
    if (mChosen == backgroundMusic) {
        mSettings.Save(InitialSettings::musicPath, mMusicText);
        mSound.PlayMusic(mMusicText);
    } else {
        mSound.StopSound();
    }
}

void SoundChoice::Cancel()
{
    LoadStep();
}
