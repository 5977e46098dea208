#pragma once

#include "game/SoundPlayer.h"

#include <memory>

class QAudioSink;
class WaveSource;

// Sound playback on Qt's audio sink, fed by a WaveSource: gapless loops and every
// common wave encoding, which QSoundEffect and QMediaPlayer each only half offer.
// Without a sound server, or with a file that cannot be played, it stays silent.
class WavePlayer final : public SoundPlayer
{
public:
    WavePlayer();
    ~WavePlayer() override;

    void PlayMusic(const std::string& path) override;
    void PlayEffect(const std::string& path) override;
    void StopSound() override;

private:
    void Play(const std::string& path, bool loop);

    std::unique_ptr<WaveSource> mSource;
    std::unique_ptr<QAudioSink> mSink; // declared last: it reads from mSource
};
