#pragma once

#include <QIODevice>

#include <memory>
#include <vector>

struct sf_private_tag;

// A sound file read through libsndfile as a stream of float samples that an audio
// sink can play: WAV in any encoding, FLAC, Ogg Vorbis, Opus, MP3, AIFF and the rest
// libsndfile reads. The file is decoded as it plays, never whole. A looping source
// seeks back to the first frame when it reaches the end, so music loops with no gap.
// Samples are clamped to full scale and NaN becomes silence, so a broken file can
// never blast the speakers.
//
// Only regular files are opened: a folder, a FIFO or a device is refused before
// anything reads from it, so it can never block the window. A path that cannot be
// played leaves the source closed.
class SoundFileSource final : public QIODevice
{
public:
    SoundFileSource(const QString& path, bool loop);
    ~SoundFileSource() override;

    // The file name extensions of the formats libsndfile reads, sorted.
    static QStringList FileTypes();

    // The samples this source delivers, interleaved 32-bit floats; valid once it is open.
    int sampleRate() const { return mRate; }
    int channelCount() const { return mChannels; }
    qint64 bytesPerFrame() const { return qint64(mChannels) * qint64(sizeof(float)); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    struct Closer
    {
        void operator()(sf_private_tag* file) const;
    };

    std::unique_ptr<sf_private_tag, Closer> mFile;
    bool mLoop;
    int mRate = 0;
    int mChannels = 0;
    qint64 mFrames = 0;   // in the file, as libsndfile counts them
    qint64 mPosition = 0; // frames delivered since the last start
    std::vector<float> mBuffer;
};
