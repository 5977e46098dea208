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

QStringList LazySoundPlayer::FileTypes()
{
    SoundPlayerFactory* factory = Factory();
    return factory ? factory->FileTypes() : QStringList();
}

SoundPlayerFactory* LazySoundPlayer::Factory()
{
    // One attempt per run: a module that failed once would fail at every bonus.
    if (mTried)
        return mFactory;
    mTried = true;
    mFactory = qobject_cast<SoundPlayerFactory*>(mLoader.instance());
    if (!mFactory)
        qWarning().noquote() << "Vandrel: no sound, the sound module did not load:"
                             << (mLoader.isLoaded() ? QStringLiteral("it is not Vandrel's")
                                                    : mLoader.errorString());
    return mFactory;
}

SoundPlayer* LazySoundPlayer::Player()
{
    if (!mPlayer && Factory())
        mPlayer = mFactory->CreatePlayer();
    return mPlayer.get();
}
