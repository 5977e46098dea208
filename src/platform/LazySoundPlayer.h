#pragma once

#include "game/SoundPlayer.h"

#include "platform/PluginModule.h"

#include <QStringList>

#include <memory>

class SoundPlayerFactory;

// Sound playback from the sound module, loaded at the first request to play. A game
// that stays silent never loads libpulse, libsndfile and the codecs behind them,
// which are more than a tenth of the program's memory. Without a usable module the
// game goes on silently, and says why once on the standard error.
class LazySoundPlayer final : public SoundPlayer
{
public:
    explicit LazySoundPlayer(const QString& modulePath);
    ~LazySoundPlayer() override;

    void PlayMusic(const std::string& path) override;
    void PlayEffect(const std::string& path) override;
    // Nothing plays before the module is loaded, so this never loads it.
    void StopSound() override;

    // The file name extensions of the files it can play; loads the module.
    QStringList FileTypes();

private:
    SoundPlayer* Player();

    PluginModule mModule;
    std::unique_ptr<SoundPlayer> mPlayer; // declared last: its code is in the module
};
