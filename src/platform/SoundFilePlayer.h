#pragma once

#include "game/SoundPlayer.h"

#include <cstdint>
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
// The caller never waits on the server: a request is kept and played once the
// server answers, so a server that is slow, stalled or gone costs the game its
// sound and nothing else. A request for an effect that the server took too long
// to hear is dropped: a chime seconds after its bonus would be a wrong one. A
// server that went away is connected to again at the next request.
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
    // Each of these with the main loop locked.
    void Play(const std::string& path, bool loop);
    void Stop();
    bool Connect(); // true when the server is ready now
    void Disconnect();
    void Start();   // the request kept, once the server is ready
    static void ContextChanged(pa_context* context, void* player);
    static void Feed(pa_stream* stream, std::size_t bytes, void* player);

    pa_threaded_mainloop* mLoop = nullptr;
    pa_context* mContext = nullptr;
    pa_stream* mStream = nullptr;
    // The request: read by the main loop's thread while mStream plays.
    std::unique_ptr<SoundFileSource> mSource;
    bool mLooping = false;
    std::uint64_t mAsked = 0; // when, in microseconds of the monotonic clock
};
