#pragma once

// Builds wave files for tests: any of the encodings the player takes, and the
// damaged ones it must refuse safely.

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <vector>

struct WaveBuilder
{
    int tag = 1; // 1 integer PCM, 3 float
    int bits = 16;
    int channels = 1;
    int rate = 44100;
    bool extensible = false;
    QByteArray chunkBeforeData;     // a whole extra chunk, e.g. an odd-sized LIST
    qint64 declaredDataSize = -1;   // -1: the real size

    // Samples in -1..1, interleaved.
    QByteArray Bytes(const std::vector<double>& samples) const
    {
        const int bytesPerSample = bits / 8;
        QByteArray data;
        for (double s : samples) {
            if (tag == 3 && bits == 32)
                Append<float>(data, float(s));
            else if (tag == 3 && bits == 64)
                Append<double>(data, s);
            else if (bits == 8)
                data.append(char(std::lround(s * 127.0) + 128));
            else {
                const double full = std::ldexp(1.0, bits - 1) - 1.0;
                const auto v = std::int64_t(std::llround(s * full));
                for (int b = 0; b < bytesPerSample; ++b)
                    data.append(char((std::uint64_t(v) >> (8 * b)) & 0xFF));
            }
        }

        QByteArray fmt;
        Append<quint16>(fmt, extensible ? 0xFFFE : quint16(tag));
        Append<quint16>(fmt, quint16(channels));
        Append<quint32>(fmt, quint32(rate));
        Append<quint32>(fmt, quint32(rate * channels * bytesPerSample));
        Append<quint16>(fmt, quint16(channels * bytesPerSample));
        Append<quint16>(fmt, quint16(bits));
        if (extensible) {
            Append<quint16>(fmt, 22);
            Append<quint16>(fmt, quint16(bits));
            Append<quint32>(fmt, channels == 2 ? 3 : 4);
            Append<quint16>(fmt, quint16(tag));
            fmt.append("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
        }

        QByteArray body = "WAVE";
        body += Chunk("fmt ", fmt);
        body += chunkBeforeData;
        QByteArray dataChunk = Chunk("data", data);
        if (declaredDataSize >= 0)
            qToLittleEndian<quint32>(quint32(declaredDataSize), dataChunk.data() + 4);
        body += dataChunk;
        return Chunk("RIFF", body);
    }

    bool Write(const QString& path, const std::vector<double>& samples) const
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(Bytes(samples)) >= 0;
    }

    static QByteArray Chunk(const char* id, const QByteArray& body)
    {
        QByteArray chunk(id, 4);
        Append<quint32>(chunk, quint32(body.size()));
        chunk += body;
        if (body.size() % 2)
            chunk.append('\0');
        return chunk;
    }

    template <typename T>
    static void Append(QByteArray& out, T value)
    {
        char bytes[sizeof(T)];
        qToLittleEndian<T>(value, bytes);
        out.append(bytes, sizeof(T));
    }
};

// A sine tone, one channel or the same on every channel.
inline std::vector<double> Tone(double seconds, int rate, int channels = 1,
                                double frequency = 440.0, double amplitude = 0.5)
{
    std::vector<double> samples;
    const auto frames = std::size_t(seconds * rate);
    for (std::size_t i = 0; i < frames; ++i) {
        const double value = amplitude * std::sin(2.0 * M_PI * frequency * double(i) / rate);
        for (int c = 0; c < channels; ++c)
            samples.push_back(value);
    }
    return samples;
}
