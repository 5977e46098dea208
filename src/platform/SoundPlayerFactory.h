#pragma once

#include "game/SoundPlayer.h"

#include <QtPlugin>

#include <memory>

// What the sound module offers the program: its sound player. The module holds
// everything that needs Qt Multimedia, so that the audio libraries are loaded only
// when the game first asks for a sound.
class SoundPlayerFactory
{
public:
    virtual ~SoundPlayerFactory() = default;

    virtual std::unique_ptr<SoundPlayer> CreatePlayer() = 0;
};

#define SoundPlayerFactory_iid "org.vandrel.Vandrel.SoundPlayerFactory/1"
Q_DECLARE_INTERFACE(SoundPlayerFactory, SoundPlayerFactory_iid)
