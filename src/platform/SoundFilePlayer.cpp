#include "platform/SoundFilePlayer.h"

#include "platform/SoundFileSource.h"

#include <QAudioSink>
#include <QMediaDevices>

namespace {

// Long enough that the music never breaks while the machine is busy (with 100 ms
// it did, with both cores building); a stop is heard at once all the same, since
// stopping drops what is buffered.
constexpr int bufferMilliseconds = 250;

} // namespace

SoundFilePlayer::SoundFilePlayer() = default;
SoundFilePlayer::~SoundFilePlayer() = default;

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
    mSink.reset();
    mSource.reset();
}

void SoundFilePlayer::Play(const std::string& path, bool loop)
{
    StopSound();
    auto source = std::make_unique<SoundFileSource>(QString::fromStdString(path), loop);
    if (!source->isOpen())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    std::unique_ptr<QAudioSink, StopThenDelete> sink(new QAudioSink(device, source->format()));
    sink->setBufferSize(source->format().bytesForDuration(bufferMilliseconds * 1000));
    sink->start(source.get());
    mSource = std::move(source);
    mSink = std::move(sink);
}

void SoundFilePlayer::StopThenDelete::operator()(QAudioSink* sink) const
{
    sink->stop();
    delete sink;
}
