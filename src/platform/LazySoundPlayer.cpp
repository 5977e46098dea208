#include "platform/LazySoundPlayer.h"

#include "platform/SoundPlayerFactory.h"

#include <QDebug>

LazySoundPlayer::LazySoundPlayer(const QString& modulePath)
    : mLoader(modulePath)
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

SoundPlayer* LazySoundPlayer::Player()
{
    // One attempt per run: a module that failed once would fail at every bonus.
    if (mTried)
        return mPlayer.get();
    mTried = true;
    auto* factory = qobject_cast<SoundPlayerFactory*>(mLoader.instance());
    if (factory)
        mPlayer = factory->CreatePlayer();
    else
        qWarning().noquote() << "Vandrel: no sound, the sound module did not load:"
                             << (mLoader.isLoaded() ? QStringLiteral("it is not Vandrel's")
                                                    : mLoader.errorString());
    return mPlayer.get();
}
