#include "platform/WaveSource.h"
#include "WaveBuilder.h"

#include <QtTest>

#include <QTemporaryDir>

#include <cstring>

Q_DECLARE_METATYPE(QAudioFormat::SampleFormat)

namespace {

const std::vector<double> knownSamples = {0.0, 0.5, -0.5, 0.25, -0.75, 0.999, -0.999, 0.125};

// Reads every sample a source gives as a value in -1..1.
std::vector<double> ReadAll(WaveSource& source, qint64 maxBytes = 1 << 20)
{
    const QByteArray bytes = source.read(maxBytes);
    std::vector<double> values;
    const QAudioFormat format = source.format();
    const int size = format.bytesPerSample();
    for (qsizetype i = 0; i + size <= bytes.size(); i += size)
        values.push_back(format.normalizedSampleValue(bytes.constData() + i));
    return values;
}

} // namespace

class TestWaveSource : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decodesEveryCommonEncoding_data();
    void decodesEveryCommonEncoding();
    void refusesWhatItCannotPlay_data();
    void refusesWhatItCannotPlay();
    void refusesPathsThatAreNoFiles_data();
    void refusesPathsThatAreNoFiles();
    void skipsOddSizedChunksBeforeTheData();
    void declaredSizePastTheFileEndsAtTheFile();
    void loopStartsAgainWithNoGap();
    void effectEndsAfterOnePass();
    void fileShortenedWhilePlayingEndsThere_data();
    void fileShortenedWhilePlayingEndsThere();

private:
    QString Path(const char* name) const { return mDir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir mDir;
};

void TestWaveSource::initTestCase()
{
    QVERIFY(mDir.isValid());
}

void TestWaveSource::decodesEveryCommonEncoding_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("extensible");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QAudioFormat::SampleFormat>("delivered");

    QTest::newRow("8-bit PCM") << 1 << 8 << false << 1 << QAudioFormat::UInt8;
    QTest::newRow("16-bit PCM") << 1 << 16 << false << 2 << QAudioFormat::Int16;
    QTest::newRow("24-bit PCM") << 1 << 24 << false << 2 << QAudioFormat::Int32;
    QTest::newRow("32-bit PCM") << 1 << 32 << false << 1 << QAudioFormat::Int32;
    QTest::newRow("32-bit float") << 3 << 32 << false << 2 << QAudioFormat::Float;
    QTest::newRow("64-bit float") << 3 << 64 << false << 1 << QAudioFormat::Float;
    QTest::newRow("extensible 16-bit PCM") << 1 << 16 << true << 2 << QAudioFormat::Int16;
    QTest::newRow("extensible 32-bit float") << 3 << 32 << true << 2 << QAudioFormat::Float;
    QTest::newRow("eight channels") << 1 << 16 << true << 8 << QAudioFormat::Int16;
}

void TestWaveSource::decodesEveryCommonEncoding()
{
    QFETCH(int, tag);
    QFETCH(int, bits);
    QFETCH(bool, extensible);
    QFETCH(int, channels);
    QFETCH(QAudioFormat::SampleFormat, delivered);

    WaveBuilder builder;
    builder.tag = tag;
    builder.bits = bits;
    builder.extensible = extensible;
    builder.channels = channels;
    builder.rate = 22050;
    std::vector<double> samples;
    for (int c = 0; c < channels; ++c)
        samples.insert(samples.end(), knownSamples.begin(), knownSamples.end());
    QVERIFY(builder.Write(Path("encoded.wav"), samples));

    WaveSource source(Path("encoded.wav"), false);
    QVERIFY(source.isOpen());
    QCOMPARE(source.format().sampleFormat(), delivered);
    QCOMPARE(source.format().channelCount(), channels);
    QCOMPARE(source.format().sampleRate(), 22050);

    const auto read = ReadAll(source);
    QCOMPARE(read.size(), samples.size());
    const double tolerance = bits == 8 ? 1.0 / 50 : 1.0 / 30000;
    for (std::size_t i = 0; i < samples.size(); ++i)
        QVERIFY2(std::abs(read[i] - samples[i]) < tolerance,
                 qPrintable(QStringLiteral("sample %1: %2 for %3").arg(i).arg(read[i]).arg(samples[i])));
}

void TestWaveSource::refusesWhatItCannotPlay_data()
{
    QTest::addColumn<QByteArray>("bytes");

    WaveBuilder plain;
    const QByteArray good = plain.Bytes(knownSamples);
    auto with = [](auto change) {
        WaveBuilder builder;
        change(builder);
        return builder.Bytes(knownSamples);
    };
    auto patched = [&good](int offset, QByteArray replacement) {
        QByteArray bytes = good;
        bytes.replace(offset, replacement.size(), replacement);
        return bytes;
    };

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("text") << QByteArray("just some text, not a sound\n");
    QTest::newRow("RIFF but not WAVE") << patched(8, "AVI ");
    QTest::newRow("header cut short") << good.left(30);
    QTest::newRow("no format chunk")
        << WaveBuilder::Chunk("RIFF", "WAVE" + WaveBuilder::Chunk("data", "\1\2\3\4"));
    QTest::newRow("data before format")
        << WaveBuilder::Chunk("RIFF", "WAVE" + WaveBuilder::Chunk("data", "\1\2\3\4")
                                          + good.mid(12, 24));
    QTest::newRow("format chunk too small") << patched(16, QByteArray("\x0e\0\0\0", 4));
    QTest::newRow("ADPCM") << with([](WaveBuilder& b) { b.tag = 2; });
    QTest::newRow("16-bit float") << with([](WaveBuilder& b) { b.tag = 3; });
    QTest::newRow("no channels") << patched(22, QByteArray("\0\0", 2));
    QTest::newRow("nine channels") << with([](WaveBuilder& b) { b.channels = 9; });
    QTest::newRow("rate 0") << patched(24, QByteArray("\0\0\0\0", 4));
    QTest::newRow("block align wrong") << patched(32, QByteArray("\3\0", 2));
    QTest::newRow("empty data") << with([](WaveBuilder& b) { b.declaredDataSize = 0; });
    QTest::newRow("less than one frame")
        << with([](WaveBuilder& b) { b.channels = 2; b.declaredDataSize = 3; });
    QTest::newRow("chunk size runs past the file")
        << with([](WaveBuilder& b) { b.chunkBeforeData = QByteArray("LIST\xff\xff\xff\x7f", 8); });
    QByteArray manyChunks;
    for (int i = 0; i < 300; ++i)
        manyChunks += WaveBuilder::Chunk("junk", "");
    QTest::newRow("endless chunks before the data")
        << with([&manyChunks](WaveBuilder& b) { b.chunkBeforeData = manyChunks; });
    QByteArray badGuid = with([](WaveBuilder& b) { b.extensible = true; });
    badGuid[20 + 26] = 'X';
    QTest::newRow("extensible with foreign sub-format") << badGuid;
    QByteArray shortExtension = with([](WaveBuilder& b) { b.extensible = true; });
    shortExtension[20 + 16] = 4;
    QTest::newRow("extensible with short extension") << shortExtension;
}

void TestWaveSource::refusesWhatItCannotPlay()
{
    QFETCH(QByteArray, bytes);

    QFile file(Path("bad.wav"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    WaveSource source(Path("bad.wav"), true);
    QVERIFY(!source.isOpen());
}

void TestWaveSource::refusesPathsThatAreNoFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("empty path") << QString();
    QTest::newRow("missing file") << Path("no-such-file.wav");
    QTest::newRow("a folder") << mDir.path();
    QTest::newRow("a device with no end") << QStringLiteral("/dev/zero");
}

void TestWaveSource::refusesPathsThatAreNoFiles()
{
    QFETCH(QString, path);
    WaveSource source(path, true);
    QVERIFY(!source.isOpen());
}

void TestWaveSource::skipsOddSizedChunksBeforeTheData()
{
    WaveBuilder builder;
    builder.chunkBeforeData = WaveBuilder::Chunk("LIST", "odd");
    QVERIFY(builder.Write(Path("list.wav"), knownSamples));

    WaveSource source(Path("list.wav"), false);
    QVERIFY(source.isOpen());
    QCOMPARE(ReadAll(source).size(), knownSamples.size());
}

void TestWaveSource::declaredSizePastTheFileEndsAtTheFile()
{
    WaveBuilder builder;
    builder.declaredDataSize = 0xFFFFFFFF;
    QVERIFY(builder.Write(Path("streamed.wav"), knownSamples));

    WaveSource source(Path("streamed.wav"), false);
    QVERIFY(source.isOpen());
    QCOMPARE(ReadAll(source).size(), knownSamples.size());
}

void TestWaveSource::loopStartsAgainWithNoGap()
{
    WaveBuilder builder;
    QVERIFY(builder.Write(Path("loop.wav"), knownSamples));

    WaveSource source(Path("loop.wav"), true);
    QVERIFY(source.isOpen());
    const qint64 frames = qint64(knownSamples.size()) * 3 + 5;
    const auto read = ReadAll(source, frames * 2);
    QCOMPARE(qint64(read.size()), frames);
    for (std::size_t i = 0; i < read.size(); ++i)
        QVERIFY(std::abs(read[i] - knownSamples[i % knownSamples.size()]) < 1.0 / 30000);
    QVERIFY(source.bytesAvailable() > 0);
}

void TestWaveSource::effectEndsAfterOnePass()
{
    WaveBuilder builder;
    QVERIFY(builder.Write(Path("once.wav"), knownSamples));

    WaveSource source(Path("once.wav"), false);
    QCOMPARE(source.bytesAvailable(), qint64(knownSamples.size() * 2));
    QCOMPARE(ReadAll(source).size(), knownSamples.size());
    QCOMPARE(source.bytesAvailable(), qint64(0));
    QCOMPARE(source.read(64), QByteArray());
}

void TestWaveSource::fileShortenedWhilePlayingEndsThere_data()
{
    QTest::addColumn<bool>("loop");
    QTest::addColumn<int>("keptFrames");
    QTest::newRow("effect") << false << 3;
    QTest::newRow("music") << true << 3;
    QTest::newRow("music with no data left") << true << 0;
}

void TestWaveSource::fileShortenedWhilePlayingEndsThere()
{
    QFETCH(bool, loop);
    QFETCH(int, keptFrames);

    WaveBuilder builder;
    QVERIFY(builder.Write(Path("shrinking.wav"), knownSamples));
    WaveSource source(Path("shrinking.wav"), loop);
    QVERIFY(source.isOpen());

    QFile file(Path("shrinking.wav"));
    QVERIFY(file.resize(44 + 2 * keptFrames));

    const auto read = ReadAll(source, 4096);
    if (loop && keptFrames > 0) {
        QCOMPARE(read.size(), std::size_t(2048)); // loops over what is left
        QCOMPARE(read[qsizetype(keptFrames)], read[0]);
    } else {
        QCOMPARE(read.size(), std::size_t(keptFrames));
    }
}

QTEST_GUILESS_MAIN(TestWaveSource)
#include "tst_wavesource.moc"
