#include "platform/SoundFilePlayer.h"

#include "Program.h"
#include "platform/SoundFileSource.h"

#include <pulse/pulseaudio.h>

namespace {

// Long enough that the music never breaks while the machine is busy (with 100 ms
// it did, with both cores building); a stop is heard at once all the same, since
// stopping drops what is buffered.
constexpr pa_usec_t bufferMicroseconds = 250'000;

// An effect the server could not start by then is not played at all.
constexpr pa_usec_t effectPatience = 500'000;

// Holds the main loop's lock for a scope.
struct Locked
{
    explicit Locked(pa_threaded_mainloop* loop) : mLoop(loop) { pa_threaded_mainloop_lock(mLoop); }
    ~Locked() { pa_threaded_mainloop_unlock(mLoop); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    pa_threaded_mainloop* mLoop;
};

} // namespace

SoundFilePlayer::SoundFilePlayer() : mLoop(pa_threaded_mainloop_new())
{
    if (mLoop && pa_threaded_mainloop_start(mLoop) < 0) {
        pa_threaded_mainloop_free(mLoop); // no thread to be had: silent
        mLoop = nullptr;
    }
}

SoundFilePlayer::~SoundFilePlayer()
{
    if (!mLoop)
        return;
    {
        const Locked locked(mLoop);
        Stop();
        Disconnect();
    }
    pa_threaded_mainloop_stop(mLoop);
    pa_threaded_mainloop_free(mLoop);
}

void SoundFilePlayer::PlayMusic(const std::string& path)
{
    Play(path, true);
}

void SoundFilePlayer::PlayEffect(const std::string& path)
{
    Play(path, false);
}

void SoundFilePlayer::StopSound()
{
    if (!mLoop)
        return;
    const Locked locked(mLoop);
    Stop();
}

void SoundFilePlayer::Play(const std::string& path, bool loop)
{
    if (!mLoop)
        return;
    // Opened before the lock: the main loop's thread never waits on the disk.
    auto source = std::make_unique<SoundFileSource>(QString::fromStdString(path), loop);
    const Locked locked(mLoop);
    Stop();
    if (!source->isOpen())
        return;
    mSource = std::move(source);
    mLooping = loop;
    mAsked = pa_rtclock_now();
    if (Connect())
        Start();
}

void SoundFilePlayer::Stop()
{
    if (mStream) {
        pa_stream_set_write_callback(mStream, nullptr, nullptr);
        // Flushed, what the server holds is never heard: a stop is at once.
        if (pa_operation* flushed = pa_stream_flush(mStream, nullptr, nullptr))
            pa_operation_unref(flushed);
        pa_stream_disconnect(mStream);
        pa_stream_unref(mStream);
        mStream = nullptr;
    }
    mSource.reset();
}

bool SoundFilePlayer::Connect()
{
    if (mContext) {
        const pa_context_state_t state = pa_context_get_state(mContext);
        if (state == PA_CONTEXT_READY)
            return true;
        if (PA_CONTEXT_IS_GOOD(state))
            return false; // still connecting: ContextChanged starts the request
    }
    Disconnect(); // a server that went away may be back: a new connection
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, Program::name);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, Program::desktopId);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, Program::desktopId);
    mContext = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(mLoop), nullptr, properties);
    pa_proplist_free(properties);
    if (!mContext)
        return false; // no memory for a context: silent
    pa_context_set_state_callback(mContext, &SoundFilePlayer::ContextChanged, this);
    if (pa_context_connect(mContext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        Disconnect(); // refused at once: let go now rather than at the next request
    return false;
}

void SoundFilePlayer::Disconnect()
{
    if (!mContext)
        return;
    pa_context_set_state_callback(mContext, nullptr, nullptr);
    pa_context_disconnect(mContext);
    pa_context_unref(mContext);
    mContext = nullptr;
}

void SoundFilePlayer::ContextChanged(pa_context* context, void* player)
{
    // On the main loop's thread, locked. A connection that failed is left for the
    // next request to replace: a context is not freed inside its own callback.
    if (pa_context_get_state(context) == PA_CONTEXT_READY)
        static_cast<SoundFilePlayer*>(player)->Start();
}

void SoundFilePlayer::Start()
{
    if (!mSource || mStream)
        return;
    if (!mLooping && pa_rtclock_now() - mAsked > effectPatience)
        return; // kept until the next request: the source belongs to the game's thread
    pa_sample_spec samples{PA_SAMPLE_FLOAT32NE, std::uint32_t(mSource->sampleRate()),
                           std::uint8_t(mSource->channelCount())};
    pa_channel_map channels;
    pa_channel_map_init_extend(&channels, samples.channels, PA_CHANNEL_MAP_DEFAULT);
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    pa_stream* stream = pa_stream_new_with_proplist(mContext, mLooping ? "Music" : "Sound effect", &samples,
                                                    &channels, properties);
    pa_proplist_free(properties);
    if (!stream)
        return;
    pa_stream_set_write_callback(stream, &SoundFilePlayer::Feed, this);
    // Played from the first sample written: an effect shorter than the buffer is
    // heard too, and a late sample is a moment of silence, never a pause.
    const auto length = std::uint32_t(pa_usec_to_bytes(bufferMicroseconds, &samples));
    const pa_buffer_attr buffer{std::uint32_t(-1), length, 0, std::uint32_t(-1), std::uint32_t(-1)};
    if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        pa_stream_unref(stream);
        return;
    }
    mStream = stream;
}

void SoundFilePlayer::Feed(pa_stream* stream, std::size_t bytes, void* player)
{
    // On the main loop's thread: the source is decoded as the server asks for more.
    SoundFileSource& source = *static_cast<SoundFilePlayer*>(player)->mSource;
    void* data = nullptr;
    if (pa_stream_begin_write(stream, &data, &bytes) < 0 || !data)
        return;
    const qint64 frame = source.bytesPerFrame();
    const qint64 read = source.read(static_cast<char*>(data), qint64(bytes) / frame * frame);
    if (read > 0)
        pa_stream_write(stream, data, std::size_t(read), nullptr, 0, PA_SEEK_RELATIVE);
    else
        pa_stream_cancel_write(stream);
}
