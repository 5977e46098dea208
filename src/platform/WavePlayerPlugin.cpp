#include "platform/WavePlayerPlugin.h"

#include "platform/WavePlayer.h"

std::unique_ptr<SoundPlayer> WavePlayerPlugin::CreatePlayer()
{
    return std::make_unique<WavePlayer>();
}
