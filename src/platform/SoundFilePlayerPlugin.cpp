#include "platform/SoundFilePlayerPlugin.h"

#include "platform/SoundFilePlayer.h"
#include "platform/SoundFileSource.h"

std::unique_ptr<SoundPlayer> SoundFilePlayerPlugin::CreatePlayer()
{
    return std::make_unique<SoundFilePlayer>();
}

QStringList SoundFilePlayerPlugin::FileTypes() const
{
    return SoundFileSource::FileTypes();
}
