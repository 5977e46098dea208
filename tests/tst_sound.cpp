// Plays sound for real into the private sound server that with-sound-server.sh
// starts, and listens to it through the server's monitor of its null sink.

#include "platform/WavePlayer.h"
#include "WaveBuilder.h"

#include <QtTest>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

namespace {

int Pactl(const QStringList& arguments)
{
    QProcess pactl;
    pactl.setStandardOutputFile(QProcess::nullDevice());
    pactl.start(QStringLiteral("pactl"), arguments);
    return pactl.waitForFinished(5000) ? pactl.exitCode() : -1;
}

constexpr int captureRate = 44100;
constexpr int captureChannels = 2;
constexpr int windowFrames = captureRate / 100; // 10 ms
constexpr double silent = 50.0;                 // RMS in 16-bit units
constexpr double heard = 2000.0;                // a 0.5 full-scale tone gives about 11600

// Records the null sink's monitor as raw 16-bit stereo.
class Recorder
{
public:
    bool Start()
    {
        mProcess.start(QStringLiteral("parec"),
                       {QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                        QStringLiteral("testsink.monitor"), QStringLiteral("--raw"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                        QStringLiteral("--channels=2")});
        if (!mProcess.waitForStarted(5000))
            return false;
        // The monitor streams silence at once; wait for it to flow.
        QElapsedTimer timer;
        timer.start();
        while (mData.size() < windowFrames * 4 * 10 && timer.elapsed() < 5000)
            Wait(20);
        return mData.size() > 0;
    }

    ~Recorder()
    {
        mProcess.kill();
        mProcess.waitForFinished(2000);
    }

    void Wait(int ms)
    {
        QTest::qWait(ms);
        mData += mProcess.readAllStandardOutput();
    }

    // The frame recorded last, to tell what came before an action from what came after.
    qint64 Mark() { Wait(0); return Frames(); }
    qint64 Frames() const { return mData.size() / (2 * captureChannels); }

    // RMS of each 10 ms window from one mark to another.
    std::vector<double> Windows(qint64 from, qint64 to) const
    {
        std::vector<double> rms;
        const auto* samples = reinterpret_cast<const qint16*>(mData.constData());
        for (qint64 start = from; start + windowFrames <= to; start += windowFrames) {
            double sum = 0;
            for (qint64 i = start * captureChannels; i < (start + windowFrames) * captureChannels; ++i)
                sum += double(samples[i]) * samples[i];
            rms.push_back(std::sqrt(sum / (windowFrames * captureChannels)));
        }
        return rms;
    }

    // How many seconds of the span were heard.
    double HeardSeconds(qint64 from, qint64 to) const
    {
        const auto windows = Windows(from, to);
        return double(std::count_if(windows.begin(), windows.end(),
                                    [](double v) { return v > heard; }))
            / 100.0;
    }

    double Loudest(qint64 from, qint64 to) const
    {
        const auto windows = Windows(from, to);
        return windows.empty() ? 0.0 : *std::max_element(windows.begin(), windows.end());
    }

private:
    QProcess mProcess;
    QByteArray mData;
};

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyCommonEncodingIsHeardOnce_data();
    void everyCommonEncodingIsHeardOnce();
    void musicLoopsWithNoGap_data();
    void musicLoopsWithNoGap();
    void stopSoundBringsSilence();
    void aNewRequestReplacesWhatPlays_data();
    void aNewRequestReplacesWhatPlays();
    void musicGoesOnWhenItsFileIsDeleted();
    void requestsReturnAtOnceWithOrWithoutAServer();
    void playsAgainAfterTheServerIsRestarted();

private:
    std::string Write(const char* name, const WaveBuilder& builder, double seconds);
    QTemporaryDir mDir;
};

void TestSound::initTestCase()
{
    QVERIFY(mDir.isValid());
    QVERIFY2(!qEnvironmentVariableIsEmpty("PULSE_SERVER"),
             "run through with-sound-server.sh, which starts a private sound server");
}

std::string TestSound::Write(const char* name, const WaveBuilder& builder, double seconds)
{
    const QString path = mDir.filePath(QString::fromLatin1(name));
    const bool written = builder.Write(path, Tone(seconds, builder.rate, builder.channels));
    return written ? path.toStdString() : std::string();
}

void TestSound::everyCommonEncodingIsHeardOnce_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("extensible");

    QTest::newRow("8-bit PCM") << 1 << 8 << false;
    QTest::newRow("16-bit PCM") << 1 << 16 << false;
    QTest::newRow("24-bit PCM") << 1 << 24 << false;
    QTest::newRow("32-bit PCM") << 1 << 32 << false;
    QTest::newRow("32-bit float") << 3 << 32 << false;
    QTest::newRow("64-bit float") << 3 << 64 << false;
    QTest::newRow("extensible 24-bit PCM") << 1 << 24 << true;
    QTest::newRow("extensible 32-bit float") << 3 << 32 << true;
}

void TestSound::everyCommonEncodingIsHeardOnce()
{
    QFETCH(int, tag);
    QFETCH(int, bits);
    QFETCH(bool, extensible);

    WaveBuilder builder;
    builder.tag = tag;
    builder.bits = bits;
    builder.extensible = extensible;
    builder.channels = 2;
    builder.rate = 48000;
    const std::string path = Write("effect.wav", builder, 0.3);

    Recorder recorder;
    QVERIFY(recorder.Start());
    WavePlayer player;
    const qint64 before = recorder.Mark();
    player.PlayEffect(path);
    recorder.Wait(1200);
    const qint64 after = recorder.Mark();

    const double seconds = recorder.HeardSeconds(before, after);
    QVERIFY2(seconds >= 0.25 && seconds <= 0.35,
             qPrintable(QStringLiteral("heard for %1 s of a 0.3 s effect").arg(seconds)));
}

void TestSound::musicLoopsWithNoGap_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("bits");
    QTest::newRow("16-bit PCM") << 1 << 16;
    QTest::newRow("32-bit float") << 3 << 32;
}

void TestSound::musicLoopsWithNoGap()
{
    QFETCH(int, tag);
    QFETCH(int, bits);

    WaveBuilder builder;
    builder.tag = tag;
    builder.bits = bits;
    const double length = 0.4;
    const std::string path = Write("music.wav", builder, length);

    Recorder recorder;
    QVERIFY(recorder.Start());
    WavePlayer player;
    const qint64 before = recorder.Mark();
    player.PlayMusic(path);
    recorder.Wait(int(2.5 * length * 1000) + 300);
    const qint64 after = recorder.Mark();

    // From the first sound on, every 10 ms window sounds: no gap at the loop points.
    const auto windows = recorder.Windows(before, after);
    const auto first = std::find_if(windows.begin(), windows.end(),
                                    [](double v) { return v > heard; });
    QVERIFY2(first != windows.end(), "the music was never heard");
    const auto quiet = std::find_if(first, windows.end(), [](double v) { return v < heard; });
    QVERIFY2(quiet == windows.end(),
             qPrintable(QStringLiteral("a gap %1 ms into the music")
                            .arg(10 * (quiet - first))));
    QVERIFY2(double(windows.end() - first) / 100.0 >= 2.5 * length,
             "the music was not heard for two and a half times its length");
}

void TestSound::stopSoundBringsSilence()
{
    WaveBuilder builder;
    const std::string path = Write("music.wav", builder, 0.5);

    Recorder recorder;
    QVERIFY(recorder.Start());
    WavePlayer player;
    player.PlayMusic(path);
    recorder.Wait(600);
    const qint64 playing = recorder.Mark();
    QVERIFY(recorder.Loudest(playing - captureRate / 5, playing) > heard);

    player.StopSound();
    recorder.Wait(300);
    const qint64 settled = recorder.Mark();
    recorder.Wait(700);
    const double loudest = recorder.Loudest(settled, recorder.Mark());
    QVERIFY2(loudest < silent, qPrintable(QStringLiteral("RMS %1 after the stop").arg(loudest)));
}

void TestSound::aNewRequestReplacesWhatPlays_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<double>("expectedSeconds");

    QTest::newRow("a short effect") << "effect" << 0.2;
    QTest::newRow("a missing file") << "missing" << 0.0;
    QTest::newRow("an empty path") << "empty" << 0.0;
    QTest::newRow("a text file") << "text" << 0.0;
    QTest::newRow("a folder") << "folder" << 0.0;
}

void TestSound::aNewRequestReplacesWhatPlays()
{
    QFETCH(QString, request);
    QFETCH(double, expectedSeconds);

    WaveBuilder builder;
    const std::string music = Write("music.wav", builder, 0.5);
    std::string path;
    if (request == "effect") {
        path = Write("effect.wav", builder, 0.2);
    } else if (request == "missing") {
        path = mDir.filePath("no-such.wav").toStdString();
    } else if (request == "text") {
        const QString text = mDir.filePath("notes.wav");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a sound\n");
        path = text.toStdString();
    } else if (request == "folder") {
        path = mDir.path().toStdString();
    }

    Recorder recorder;
    QVERIFY(recorder.Start());
    WavePlayer player;
    player.PlayMusic(music);
    recorder.Wait(500);
    // The last request is an effect, so the music must never come back.
    const qint64 replaced = recorder.Mark();
    player.PlayEffect(path);
    recorder.Wait(900);
    const qint64 after = recorder.Mark();

    const double seconds = recorder.HeardSeconds(replaced, after);
    QVERIFY2(std::abs(seconds - expectedSeconds) <= 0.08,
             qPrintable(QStringLiteral("heard for %1 s after the request").arg(seconds)));
    const qint64 tail = after - captureRate / 2;
    QVERIFY(recorder.Loudest(tail, after) < silent);
}

void TestSound::musicGoesOnWhenItsFileIsDeleted()
{
    WaveBuilder builder;
    const std::string path = Write("doomed.wav", builder, 0.3);
    Recorder recorder;
    QVERIFY(recorder.Start());
    WavePlayer player;
    player.PlayMusic(path);
    recorder.Wait(300);
    QVERIFY(QFile::remove(QString::fromStdString(path)));
    const qint64 deleted = recorder.Mark();
    recorder.Wait(800);
    QVERIFY(recorder.HeardSeconds(deleted, recorder.Mark()) > 0.7);

    // The next request plays, and one for the deleted file is silent.
    const std::string effect = Write("next.wav", builder, 0.2);
    player.PlayEffect(effect);
    const qint64 next = recorder.Mark();
    recorder.Wait(600);
    QVERIFY(std::abs(recorder.HeardSeconds(next, recorder.Mark()) - 0.2) <= 0.08);
    player.PlayMusic(path);
    const qint64 gone = recorder.Mark();
    recorder.Wait(400);
    QVERIFY(recorder.Loudest(gone + captureRate / 10, recorder.Mark()) < silent);
}

// Also run with PULSE_SERVER naming no server at all (see CMakeLists.txt): the game
// must then go on silently.
void TestSound::requestsReturnAtOnceWithOrWithoutAServer()
{
    WaveBuilder builder;
    const std::string path = Write("music.wav", builder, 0.5);
    QElapsedTimer timer;
    timer.start();
    {
        WavePlayer player;
        player.PlayMusic(path);
        QTest::qWait(300);
        player.PlayEffect(path);
        player.StopSound();
        player.PlayMusic(path);
    }
    // A hang guard, not a performance figure: a blocked call would take far longer.
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
}

// Last, since it replaces the sound server that with-sound-server.sh started.
void TestSound::playsAgainAfterTheServerIsRestarted()
{
    const QString dir = qEnvironmentVariable("VANDREL_SOUND_SERVER_DIR");
    QVERIFY2(!dir.isEmpty(), "run through with-sound-server.sh");
    WaveBuilder builder;
    const std::string music = Write("music.wav", builder, 0.5);

    WavePlayer player;
    player.PlayMusic(music);
    QTest::qWait(300);
    QCOMPARE(Pactl({QStringLiteral("exit")}), 0);
    QTest::qWait(500); // the program goes on without a server
    player.PlayEffect(music);
    QTest::qWait(200);

    QProcess server;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir + QStringLiteral("/run"));
    server.setProcessEnvironment(env);
    server.start(QStringLiteral("pulseaudio"),
                 {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                  QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disable-shm=yes"),
                  QStringLiteral("--load=module-null-sink sink_name=testsink"),
                  QStringLiteral("--load=module-native-protocol-unix socket=") + dir
                      + QStringLiteral("/native auth-anonymous=1")});
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Pactl({QStringLiteral("info")}) == 0, 10000);
    Pactl({QStringLiteral("set-default-sink"), QStringLiteral("testsink")});

    // Qt reconnects to the server a few seconds after losing it; from then on the
    // next request plays.
    Recorder recorder;
    QVERIFY(recorder.Start());
    bool heardAgain = false;
    for (int attempt = 0; attempt < 20 && !heardAgain; ++attempt) {
        const qint64 before = recorder.Mark();
        player.PlayMusic(music);
        recorder.Wait(500);
        heardAgain = recorder.HeardSeconds(before, recorder.Mark()) > 0.2;
    }
    QVERIFY2(heardAgain, "nothing heard from the restarted server within 10 s");
    player.StopSound();
    server.terminate();
    server.waitForFinished(3000);
}

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
