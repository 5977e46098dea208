#include "game/SoundChoice.h"

#include "game/Numbers.h"
#include "game/SoundPlayer.h"

namespace {

constexpr int defaultMode = 1;

int ModeFromText(const std::string& text)
{
    const auto number = Numbers::WholeNumberFromText(text);
    const auto mode = number ? Numbers::ToInt16(*number) : std::nullopt;
    return mode && *mode >= 0 && *mode <= 2 ? *mode : defaultMode;
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
    const std::string stored = mSettings.GetSeeded(InitialSettings::sound, "1");
    mMusicText = mSettings.Get(InitialSettings::musicPath);
    mMusicTextEnabled = false;
    Click(ModeFromText(stored));
    if (mChosen == 0)
        mMusicTextEnabled = true;
}

void SoundChoice::Click(int index)
{
    if (index < 0 || index > 2)
        return;
    mChosen = index;
    // Only "Background Music" touches the path box: after it, another choice
    // leaves the box enabled until the next loading step.
    if (index == 0)
        mMusicTextEnabled = true;
}

void SoundChoice::OK()
{
    mSettings.Save(InitialSettings::sound, Numbers::TextOfInteger(mChosen));
    if (mChosen == 0) {
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
