#include "platform/WaveSource.h"

#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr quint16 formatPcm = 1;
constexpr quint16 formatFloat = 3;
constexpr quint16 formatExtensible = 0xFFFE;
constexpr int maxChannels = 8;
constexpr quint32 maxSampleRate = 768000;
// Real files have a handful of chunks before their samples; a file with endless
// tiny chunks is not worth the reads it would take.
constexpr int maxChunks = 256;

quint32 Le32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 Le16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

int SourceSampleBytes(WaveSource::Encoding encoding)
{
    switch (encoding) {
    case WaveSource::Encoding::UInt8: return 1;
    case WaveSource::Encoding::Int16: return 2;
    case WaveSource::Encoding::Int24: return 3;
    case WaveSource::Encoding::Int32: return 4;
    case WaveSource::Encoding::Float32: return 4;
    case WaveSource::Encoding::Float64: return 8;
    }
    return 0;
}

QAudioFormat::SampleFormat OutputSampleFormat(WaveSource::Encoding encoding)
{
    switch (encoding) {
    case WaveSource::Encoding::UInt8: return QAudioFormat::UInt8;
    case WaveSource::Encoding::Int16: return QAudioFormat::Int16;
    case WaveSource::Encoding::Int24:
    case WaveSource::Encoding::Int32: return QAudioFormat::Int32;
    case WaveSource::Encoding::Float32:
    case WaveSource::Encoding::Float64: return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

// Float samples out of a broken file must not reach the sound server as NaN or
// as a blast far above full scale.
float SafeSample(double value)
{
    if (std::isnan(value))
        return 0.0f;
    return static_cast<float>(std::clamp(value, -1.0, 1.0));
}

void ConvertSamples(WaveSource::Encoding encoding, const char* in, char* out, qint64 samples)
{
    for (qint64 i = 0; i < samples; ++i) {
        switch (encoding) {
        case WaveSource::Encoding::UInt8:
            out[i] = in[i];
            break;
        case WaveSource::Encoding::Int16: {
            const qint16 v = qFromLittleEndian<qint16>(in + 2 * i);
            std::memcpy(out + 2 * i, &v, sizeof v);
            break;
        }
        case WaveSource::Encoding::Int24: {
            const auto* b = reinterpret_cast<const unsigned char*>(in + 3 * i);
            const auto bits = (quint32(b[0]) << 8) | (quint32(b[1]) << 16) | (quint32(b[2]) << 24);
            const auto v = static_cast<qint32>(bits);
            std::memcpy(out + 4 * i, &v, sizeof v);
            break;
        }
        case WaveSource::Encoding::Int32: {
            const qint32 v = qFromLittleEndian<qint32>(in + 4 * i);
            std::memcpy(out + 4 * i, &v, sizeof v);
            break;
        }
        case WaveSource::Encoding::Float32: {
            const float v = SafeSample(qFromLittleEndian<float>(in + 4 * i));
            std::memcpy(out + 4 * i, &v, sizeof v);
            break;
        }
        case WaveSource::Encoding::Float64: {
            const float v = SafeSample(qFromLittleEndian<double>(in + 8 * i));
            std::memcpy(out + 4 * i, &v, sizeof v);
            break;
        }
        }
    }
}

} // namespace

WaveSource::WaveSource(const QString& path, bool loop)
    : mFile(path), mLoop(loop)
{
    // Only plain files: a pipe or a device could block the window or never end.
    if (!QFileInfo(path).isFile() || !mFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !ReadHeader()) {
        mFile.close();
        return;
    }
    open(QIODevice::ReadOnly);
}

bool WaveSource::ReadHeader()
{
    char riff[12];
    if (mFile.read(riff, 12) != 12 || std::memcmp(riff, "RIFF", 4) != 0
        || std::memcmp(riff + 8, "WAVE", 4) != 0)
        return false;

    bool haveFormat = false;
    for (int chunks = 0; chunks < maxChunks; ++chunks) {
        char chunk[8];
        if (mFile.read(chunk, 8) != 8)
            return false;
        const quint32 size = Le32(chunk + 4);
        const qint64 body = mFile.pos();
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (!ReadFormatChunk(size))
                return false;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                return false;
            mDataStart = body;
            // Writers that stream often leave the size unknown or too large.
            const qint64 available = std::min<qint64>(size, mFile.size() - body);
            mDataSize = available / mSourceFrameBytes * mSourceFrameBytes;
            return mDataSize > 0;
        }
        // Chunks are padded to an even length.
        if (!mFile.seek(body + qint64(size) + (size & 1)))
            return false;
    }
    return false;
}

bool WaveSource::ReadFormatChunk(quint32 size)
{
    if (size < 16 || size > 1024)
        return false;
    const QByteArray fmt = mFile.read(size);
    if (fmt.size() != qsizetype(size))
        return false;
    const char* p = fmt.constData();
    quint16 tag = Le16(p);
    const int channels = Le16(p + 2);
    const quint32 rate = Le32(p + 4);
    const int blockAlign = Le16(p + 12);
    const int bits = Le16(p + 14);

    if (tag == formatExtensible) {
        // The sub-format GUID's first two bytes carry the real format tag.
        if (size < 40 || Le16(p + 16) < 22)
            return false;
        static const char guidTail[14] = {'\x00', '\x00', '\x00', '\x00', '\x10', '\x00', '\x80',
                                          '\x00', '\x00', '\xAA', '\x00', '\x38', '\x9B', '\x71'};
        if (std::memcmp(p + 26, guidTail, sizeof guidTail) != 0)
            return false;
        tag = Le16(p + 24);
    }

    if (tag == formatPcm && bits == 8)
        mEncoding = Encoding::UInt8;
    else if (tag == formatPcm && bits == 16)
        mEncoding = Encoding::Int16;
    else if (tag == formatPcm && bits == 24)
        mEncoding = Encoding::Int24;
    else if (tag == formatPcm && bits == 32)
        mEncoding = Encoding::Int32;
    else if (tag == formatFloat && bits == 32)
        mEncoding = Encoding::Float32;
    else if (tag == formatFloat && bits == 64)
        mEncoding = Encoding::Float64;
    else
        return false;

    if (channels < 1 || channels > maxChannels || rate < 1 || rate > maxSampleRate
        || blockAlign != channels * SourceSampleBytes(mEncoding))
        return false;

    mChannels = channels;
    mSourceFrameBytes = blockAlign;
    mFormat.setSampleRate(int(rate));
    mFormat.setChannelCount(channels);
    mFormat.setSampleFormat(OutputSampleFormat(mEncoding));
    mOutputFrameBytes = mFormat.bytesPerFrame();
    return true;
}

qint64 WaveSource::bytesAvailable() const
{
    if (!isOpen())
        return 0;
    const qint64 sourceBytes = mLoop ? mDataSize : mDataSize - mDataPos;
    return sourceBytes / mSourceFrameBytes * mOutputFrameBytes + QIODevice::bytesAvailable();
}

qint64 WaveSource::readData(char* data, qint64 maxSize)
{
    const qint64 frames = maxSize / mOutputFrameBytes;
    qint64 done = 0;
    bool wrapped = false;
    while (done < frames) {
        if (mDataPos >= mDataSize) {
            // Once round with nothing read means there is nothing left to loop.
            if (!mLoop || wrapped || mDataSize == 0 || !mFile.seek(mDataStart))
                break;
            mDataPos = 0;
            wrapped = true;
        }
        const qint64 got = ReadFrames(data + done * mOutputFrameBytes, frames - done);
        if (got > 0)
            wrapped = false;
        done += got;
    }
    return done * mOutputFrameBytes;
}

qint64 WaveSource::ReadFrames(char* out, qint64 frames)
{
    const qint64 wanted = std::min(frames, (mDataSize - mDataPos) / mSourceFrameBytes);
    mBuffer.resize(wanted * mSourceFrameBytes);
    const qint64 bytes = mFile.read(mBuffer.data(), mBuffer.size());
    const qint64 got = std::max<qint64>(bytes, 0) / mSourceFrameBytes;
    if (got < wanted) {
        // The file is shorter than it was: its data ends here from now on.
        mDataSize = mDataPos + got * mSourceFrameBytes;
        mFile.seek(mDataStart + mDataSize);
    }
    ConvertSamples(mEncoding, mBuffer.constData(), out, got * mChannels);
    mDataPos += got * mSourceFrameBytes;
    return got;
}

qint64 WaveSource::writeData(const char*, qint64)
{
    return -1;
}
