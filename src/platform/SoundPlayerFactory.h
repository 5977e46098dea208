#pragma once

#include "game/SoundPlayer.h"

#include <QStringList>
#include <QtPlugin>

#include <memory>

// What the sound module offers the program: its sound player. The module holds
// everything that needs libpulse and libsndfile, so that the audio libraries are loaded only
// when the game first asks for a sound.
class SoundPlayerFactory
{
public:
    virtual ~SoundPlayerFactory() = default;

    virtual std::unique_ptr<SoundPlayer> CreatePlayer() = 0;

    // The file name extensions of the sound files its players can play.
    virtual QStringList FileTypes() const = 0;
};

#define SoundPlayerFactory_iid "Vandrel.SoundPlayerFactory/3"
Q_DECLARE_INTERFACE(SoundPlayerFactory, SoundPlayerFactory_iid)
