#pragma once

#include "game/SoundPlayer.h"

#include <memory>

class SoundFileSource;
struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// Sound playback straight to the sound server (PulseAudio, or PipeWire's Pulse
// server) through libpulse, fed by a SoundFileSource: gapless loops and every
// format libsndfile reads. The server sees the game as "Vandrel" with its icon.
// A new request, or a stop, drops what the server still holds at once. Without a
// sound server, or with a file that cannot be played, it stays silent.
//
// Qt Multimedia's audio sink did this job until Qt 6.8, whose sink loads the
// FFmpeg media backend (doubling the game's memory), drains before it stops, and
// rewinds a source that cannot be rewound; libpulse is what that sink talks to
// underneath on Linux anyway.
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
    bool Connect(); // with the main loop locked
    void Disconnect();
    static void Feed(pa_stream* stream, std::size_t bytes, void* player);

    pa_threaded_mainloop* mLoop = nullptr;
    pa_context* mContext = nullptr;
    pa_stream* mStream = nullptr;
    std::unique_ptr<SoundFileSource> mSource; // read by the main loop's thread while mStream plays
};
