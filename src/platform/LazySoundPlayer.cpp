#include "platform/LazySoundPlayer.h"

#include "platform/SoundPlayerFactory.h"


LazySoundPlayer::LazySoundPlayer(const QString& modulePath)
    : mModule(modulePath, "no sound, the sound module")
{
}

LazySoundPlayer::~LazySoundPlayer() = default;

void LazySoundPlayer::PlayMusic(const std::string& path)
{
    if (SoundPlayer* player = Player())
        player->PlayMusic(path);
}

void LazySoundPlayer::PlayEffect(const std::string& path)
{
    if (SoundPlayer* player = Player())
        player->PlayEffect(path);
}

void LazySoundPlayer::StopSound()
{
    if (mPlayer)
        mPlayer->StopSound();
}

QStringList LazySoundPlayer::FileTypes()
{
    auto* factory = mModule.Instance<SoundPlayerFactory>();
    return factory ? factory->FileTypes() : QStringList();
}

SoundPlayer* LazySoundPlayer::Player()
{
    if (auto* factory = mModule.Instance<SoundPlayerFactory>(); !mPlayer && factory)
        mPlayer = factory->CreatePlayer();
    return mPlayer.get();
}
