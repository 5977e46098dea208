#include "platform/SoundFileSource.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace {

constexpr int maxChannels = 8;
constexpr int maxSampleRate = 768000;

} // namespace

void SoundFileSource::Closer::operator()(sf_private_tag* file) const
{
    sf_close(file);
}

SoundFileSource::SoundFileSource(const QString& path, bool loop)
    : mLoop(loop)
{
    if (!QFileInfo(path).isFile())
        return;
    SF_INFO info{};
    mFile.reset(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!mFile || info.channels < 1 || info.channels > maxChannels || info.samplerate < 1
        || info.samplerate > maxSampleRate || info.frames < 1) {
        mFile.reset();
        return;
    }
    mFrames = info.frames;
    mRate = info.samplerate;
    mChannels = info.channels;
    open(QIODevice::ReadOnly);
}

SoundFileSource::~SoundFileSource() = default;

QStringList SoundFileSource::FileTypes()
{
    // Raw samples and VOX have no header to say their format: they cannot be opened
    // for reading like the others. Common second names are added.
    std::set<QString> types{QStringLiteral("aif"), QStringLiteral("mp2"), QStringLiteral("mp3")};
    for (const int count : {SFC_GET_FORMAT_MAJOR_COUNT, SFC_GET_SIMPLE_FORMAT_COUNT}) {
        const int query = count == SFC_GET_FORMAT_MAJOR_COUNT ? SFC_GET_FORMAT_MAJOR
                                                              : SFC_GET_SIMPLE_FORMAT;
        int n = 0;
        sf_command(nullptr, count, &n, sizeof n);
        for (int i = 0; i < n; ++i) {
            SF_FORMAT_INFO format{};
            format.format = i;
            if (sf_command(nullptr, query, &format, sizeof format) == 0 && format.extension)
                types.insert(QString::fromLatin1(format.extension));
        }
    }
    types.erase(QStringLiteral("raw"));
    types.erase(QStringLiteral("vox"));
    return {types.begin(), types.end()};
}

qint64 SoundFileSource::bytesAvailable() const
{
    if (!isOpen())
        return 0;
    const qint64 frames = mLoop ? mFrames : std::max<qint64>(mFrames - mPosition, 0);
    return frames * bytesPerFrame() + QIODevice::bytesAvailable();
}

qint64 SoundFileSource::readData(char* data, qint64 maxSize)
{
    const int channels = mChannels;
    const qint64 frames = maxSize / bytesPerFrame();
    mBuffer.resize(std::size_t(frames * channels));
    qint64 done = 0;
    bool wrapped = false;
    while (done < frames) {
        const sf_count_t got = sf_readf_float(mFile.get(), mBuffer.data() + done * channels,
                                              frames - done);
        done += got;
        mPosition += got;
        if (done == frames)
            break;
        // At the end: a loop starts again at the first frame, but only once per read,
        // so a file that yields nothing can never spin here.
        if (!mLoop || (wrapped && got == 0) || sf_seek(mFile.get(), 0, SEEK_SET) != 0)
            break;
        wrapped = true;
        mPosition = 0;
    }
    const auto delivered = mBuffer.begin() + done * channels;
    std::transform(mBuffer.begin(), delivered, mBuffer.begin(), [](float sample) {
        return std::isnan(sample) ? 0.0f : std::clamp(sample, -1.0f, 1.0f);
    });
    std::memcpy(data, mBuffer.data(), std::size_t(done * channels) * sizeof(float));
    return done * bytesPerFrame();
}

qint64 SoundFileSource::writeData(const char*, qint64)
{
    return -1;
}
