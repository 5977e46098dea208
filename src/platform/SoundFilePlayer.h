#pragma once

#include "game/SoundPlayer.h"

#include <memory>

class QAudioSink;
class SoundFileSource;

// Sound playback on Qt's audio sink, fed by a SoundFileSource: gapless loops and every
// format libsndfile reads, which QSoundEffect and QMediaPlayer each only half offer.
// Without a sound server, or with a file that cannot be played, it stays silent.
class SoundFilePlayer final : public SoundPlayer
{
public:
    SoundFilePlayer();
    ~SoundFilePlayer() override;

    void PlayMusic(const std::string& path) override;
    void PlayEffect(const std::string& path) override;
    void StopSound() override;

private:
    void Play(const std::string& path, bool loop);

    // Stops a sink before it goes: Qt 6.4's PulseAudio sink, destroyed while it
    // plays, can still feed its closed stream, and libpulse aborts the program.
    struct StopThenDelete
    {
        void operator()(QAudioSink* sink) const;
    };

    std::unique_ptr<SoundFileSource> mSource;
    std::unique_ptr<QAudioSink, StopThenDelete> mSink; // declared last: it reads from mSource
};
