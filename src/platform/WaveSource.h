#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QFile>
#include <QIODevice>

// A wave file read as a stream of samples that an audio sink can play: integer PCM
// of 8, 16, 24 or 32 bits and float of 32 or 64 bits, plain or in the extensible
// layout. Samples the sink cannot take as they are (24-bit, 64-bit float) are
// converted while they are read. A looping source starts again at the first frame
// with no gap, so music loops seamlessly; the file is read as it plays, never
// loaded whole.
//
// A file that is missing, unreadable or not a wave file of those kinds leaves the
// source closed. A file that turns out shorter than its header says ends (or
// loops) where its data ends.
class WaveSource final : public QIODevice
{
public:
    enum class Encoding { UInt8, Int16, Int24, Int32, Float32, Float64 };

    WaveSource(const QString& path, bool loop);

    // The format of the samples this source delivers; valid once it is open.
    QAudioFormat format() const { return mFormat; }
    Encoding encoding() const { return mEncoding; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    bool ReadHeader();
    bool ReadFormatChunk(quint32 size);
    qint64 ReadFrames(char* out, qint64 frames);

    QFile mFile;
    bool mLoop;
    Encoding mEncoding = Encoding::Int16;
    QAudioFormat mFormat;
    int mChannels = 0;
    int mSourceFrameBytes = 0;
    int mOutputFrameBytes = 0;
    qint64 mDataStart = 0;
    qint64 mDataSize = 0; // whole frames only
    qint64 mDataPos = 0;
    QByteArray mBuffer;
};
