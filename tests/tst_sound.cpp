// Sound played for real into the private sound server that with-servers.sh starts,
// and heard through the monitor of its null sink, the effects and the music through
// the sound module as the program loads it; and the decoder's samples.

#include "Fakes.h"
#include "platform/LazySoundPlayer.h"
#include "platform/SoundFileSource.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sndfile.h>

#include <cmath>
#include <sys/stat.h>

namespace {

constexpr int rate = 44100;          // of the recording, stereo 16-bit
constexpr int window = rate / 100;   // 10 ms
constexpr double heard = 2000.0;     // RMS; a half-scale tone gives about 11600

// Records the null sink's monitor.
class Recorder
{
public:
    Recorder()
    {
        mProcess.start("parec", {"--latency-msec=20", "-d", "testsink.monitor", "--raw", "--format=s16le", "--rate=44100", "--channels=2"});
        QVERIFY(mProcess.waitForStarted(5000));
        QTRY_VERIFY(Mark() > rate / 10); // the monitor streams silence at once
    }
    ~Recorder() { mProcess.kill(); mProcess.waitForFinished(2000); }

    // The frames recorded so far, after waiting some milliseconds.
    qint64 Mark(int ms = 0)
    {
        QTest::qWait(ms);
        mData += mProcess.readAllStandardOutput();
        return mData.size() / 4;
    }
    // The seconds heard between two marks: the 10 ms windows whose RMS is over heard.
    double HeardSeconds(qint64 from, qint64 to) const
    {
        const auto* samples = reinterpret_cast<const qint16*>(mData.constData());
        int loud = 0;
        for (qint64 start = from; start + window <= to; start += window) {
            double sum = 0;
            for (qint64 i = 2 * start; i < 2 * (start + window); ++i)
                sum += double(samples[i]) * samples[i];
            loud += std::sqrt(sum / (2 * window)) > heard;
        }
        return loud / 100.0;
    }

private:
    QProcess mProcess;
    QByteArray mData;
};

// A half-scale 440 Hz tone, or a signal of its own, written by libsndfile.
QString Write(const QString& path, int format, double seconds, int fileRate = 44100, float (*signal)(int) = nullptr, int channels = 2)
{
    SF_INFO info{0, fileRate, channels, format, 0, 0};
    SNDFILE* file = sf_open(path.toUtf8().constData(), SFM_WRITE, &info);
    if (!file)
        return {};
    std::vector<float> frames;
    for (int i = 0; i < int(seconds * fileRate); ++i) {
        const float v = signal ? signal(i) : 0.5f * float(std::sin(2 * M_PI * 440 * i / fileRate));
        frames.insert(frames.end(), std::size_t(channels), v);
    }
    sf_writef_float(file, frames.data(), sf_count_t(frames.size()) / channels);
    sf_close(file);
    return path;
}

// How many streams play into the sound server.
int Streams()
{
    QProcess pactl;
    pactl.start("pactl", {"list", "short", "sink-inputs"});
    return pactl.waitForFinished(5000) ? int(pactl.readAllStandardOutput().count('\n')) : -1;
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void everyFormatIsHeardTwice_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("fileRate");
        QTest::newRow("WAV 8-bit") << "a.wav" << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 22050;
        QTest::newRow("WAV float") << "c.wav" << (SF_FORMAT_WAV | SF_FORMAT_FLOAT) << 44100;
        QTest::newRow("FLAC") << "f.flac" << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << 44100;
        QTest::newRow("Ogg Vorbis") << "g.ogg" << (SF_FORMAT_OGG | SF_FORMAT_VORBIS) << 44100;
        QTest::newRow("Opus") << "h.opus" << (SF_FORMAT_OGG | SF_FORMAT_OPUS) << 48000;
        QTest::newRow("MP3") << "i.mp3" << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) << 44100;
    }

    void everyFormatIsHeardTwice()
    {
        const QString path = Write(mDir.filePath(FETCH(QString, name)), FETCH(int, format), 0.3, FETCH(int, fileRate));
        QVERIFY(!path.isEmpty());
        LazySoundPlayer player(VANDREL_SOUND_MODULE_PATH);
        Recorder recorder;
        const qint64 start = recorder.Mark();
        player.PlayEffect(path.toStdString());
        recorder.Mark(800);
        player.PlayEffect(path.toStdString()); // again, on the connection the first one made
        const double seconds = recorder.HeardSeconds(start, recorder.Mark(1200));
        QVERIFY2(std::abs(seconds - 0.6) <= 0.1, qPrintable(QString::number(seconds)));
    }

    void musicLoopsWithNoGap_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format");
        QTest::newRow("FLAC") << "loop.flac" << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
        QTest::newRow("MP3") << "loop.mp3" << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
    }

    void musicLoopsWithNoGap()
    {
        const QString path = Write(mDir.filePath(FETCH(QString, name)), FETCH(int, format), 0.4);
        LazySoundPlayer player(VANDREL_SOUND_MODULE_PATH);
        Recorder recorder;
        player.PlayMusic(path.toStdString());
        const qint64 start = recorder.Mark(300); // past the server's start-up latency
        const qint64 end = recorder.Mark(1000);  // 2.5 times the file's length
        QVERIFY(end - start >= 95 * window);
        QCOMPARE(recorder.HeardSeconds(start, end), int((end - start) / window) / 100.0); // not a silent 10 ms window
        const qint64 stop = recorder.Mark();
        player.StopSound();
        QCOMPARE(recorder.HeardSeconds(stop + rate * 3 / 10, recorder.Mark(800)), 0.0);
        QCOMPARE(Streams(), 0); // the stopped one gone from the server
    }

    void whatCannotPlayIsSilentAndStopsTheMusic_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << "/nonexistent/music.flac";
        QTest::newRow("a text file") << QFINDTESTDATA("lsan.supp");
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("empty") << "";
    }

    void whatCannotPlayIsSilentAndStopsTheMusic()
    {
        QString path = FETCH(QString, path);
        if (path == "fifo") {
            path = mDir.filePath("fifo");
            QCOMPARE(mkfifo(path.toUtf8().constData(), 0600), 0);
        }
        LazySoundPlayer player(VANDREL_SOUND_MODULE_PATH);
        Recorder recorder;
        player.PlayMusic(Write(mDir.filePath("music.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1.0).toStdString());
        const qint64 playing = recorder.Mark();
        QVERIFY(recorder.HeardSeconds(playing, recorder.Mark(600)) > 0.2);
        const qint64 request = recorder.Mark();
        player.PlayMusic(path.toStdString()); // returns at once, even for a FIFO
        QVERIFY(recorder.Mark() - request < rate / 10);
        QCOMPARE(recorder.HeardSeconds(request + rate * 3 / 10, recorder.Mark(1000)), 0.0);
    }

    void aSickServerCostsTheSoundOnly_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("askedAgain"); // the next request plays once the real server is named
        QTest::newRow("accepts and never answers") << "silent" << false;
        QTest::newRow("closes at once") << "closing" << true;
    }

    void aSickServerCostsTheSoundOnly()
    {
        const QString socket = mDir.filePath(FETCH(QString, mode));
        QProcess server;
        server.start("python3", {QFINDTESTDATA("fake-sound-server.py"), FETCH(QString, mode), socket});
        QTRY_VERIFY(QFileInfo(socket).exists());
        Recorder recorder; // on the real server
        const QByteArray real = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + socket.toUtf8());
        const std::string music = Write(mDir.filePath("sick.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1.0).toStdString();
        LazySoundPlayer player(VANDREL_SOUND_MODULE_PATH);
        const qint64 request = recorder.Mark();
        player.PlayMusic(music);
        player.PlayEffect(music);
        player.StopSound();
        player.PlayMusic(music);
        QVERIFY(recorder.Mark() - request < rate / 10); // none of them waited on the server
        recorder.Mark(300);
        qputenv("PULSE_SERVER", real);
        player.PlayMusic(music);
        const qint64 again = recorder.Mark();
        QCOMPARE(recorder.HeardSeconds(again, recorder.Mark(800)) > 0.2, FETCH(bool, askedAgain));
        server.kill();
        server.waitForFinished();
    }

    void samplesAreSafe()
    {
        // Float samples far past full scale, and NaN, in a file that loops.
        const QString path = Write(mDir.filePath("wild.wav"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 0.01, 44100,
                                   [](int i) { return i % 3 == 0 ? NAN : i % 3 == 1 ? 10.0f : -10.0f; });
        SoundFileSource source(path, true);
        QVERIFY(source.isOpen() && source.bytesPerFrame() == 8); // stereo floats
        std::vector<float> samples(4 * 441 * 2); // 4 times the file: it starts again each time
        QCOMPARE(source.read(reinterpret_cast<char*>(samples.data()), qint64(samples.size() * 4)), qint64(samples.size() * 4));
        const float expected[] = {0.0f, 1.0f, -1.0f}; // NaN, 10, -10
        for (std::size_t i = 0; i < samples.size(); ++i)
            QCOMPARE(samples[i], expected[i / 2 % 441 % 3]);
        SoundFileSource once(path, false); // read in part, then to its end
        QCOMPARE(once.read(800).size() + once.bytesAvailable(), 441 * 8);
        QVERIFY(once.readAll().size() == 441 * 8 - 800 && once.bytesAvailable() == 0);
        SoundFileSource cut(path, true); // a loop whose file is emptied as it plays: nothing to read, and no spin
        QVERIFY(QFile::resize(path, 0) && cut.read(8000).isEmpty());
        // As many channels, and as high a rate, as a sound server is asked to take.
        for (const auto& [channels, rate, opens] : {std::tuple{8, 1, true}, {9, 1, false}, {1, 768000, true}, {1, 768001, false}}) {
            const QString path = Write(mDir.filePath("limits.wav"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1.0, rate, nullptr, channels);
            QVERIFY(!path.isEmpty());
            QCOMPARE(SoundFileSource(path, false).bytesAvailable(), opens ? rate * channels * 4 : 0); // a second of floats
        }
    }

private:
    QTemporaryDir mDir;
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
