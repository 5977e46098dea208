// Whatever the settings file holds, the program starts with the documented values
// and changes no other setting. Runs the real main window (offscreen) on the real
// settings store and sound player, in a settings folder of its own.

#include "game/RandomGenerator.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemClock.h"
#include "platform/LazySoundPlayer.h"
#include "GameFakes.h"
#include "WaveBuilder.h"
#include "ui/frmMain.h"

#include <QtTest>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

// A settings file with the defaults, one line replaced or added.
QByteArray SettingsFile(const QByteArray& key, const QByteArray& value)
{
    QByteArray text = "[Initial]\n";
    for (const QByteArray& k : {QByteArray("Sound"), QByteArray("Speed"), QByteArray("Time")}) {
        const QByteArray v = k == "Sound" ? "1" : k == "Speed" ? "100" : "30";
        text += k + "=" + (k == key ? value : v) + "\n";
    }
    if (key == "MusicPath")
        text += "MusicPath=" + value + "\n";
    return text;
}

// The lines of a settings file other than the key's.
QByteArrayList OtherLines(const QByteArray& text, const QByteArray& key)
{
    QByteArrayList lines = text.split('\n');
    lines.removeIf([&key](const QByteArray& line) { return line.startsWith(key + "="); });
    lines.removeAll(QByteArray());
    return lines;
}

// The main window on the program's own settings store, sound and generator.
struct RealWindow
{
    explicit RealWindow(const QString& programFolder)
        : sound(QStringLiteral(VANDREL_SOUND_MODULE_PATH)),
          form({store, sound, random, clock, dialogs, programFolder.toStdString()})
    {
        form.show();
    }
    QtSettingsStore store;
    LazySoundPlayer sound;
    RandomGenerator random;
    SystemClock clock;
    ScriptedDialogs dialogs;
    frmMain form;
};

} // namespace

class TestBadSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void programStartsWithTheDocumentedValues_data();
    void programStartsWithTheDocumentedValues();
    void unwritableSettingsLeaveTheGamePlayable();

private:
    QTemporaryDir mHome;
    QString mFiles;
};

void TestBadSettings::initTestCase()
{
    QVERIFY(mHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(mHome.filePath("config")));
    mFiles = mHome.filePath("files");
    QDir().mkpath(mFiles);
    WaveBuilder builder;
    QVERIFY(builder.Write(mFiles + "/good.wav", Tone(0.2, 22050)));
    QFile broken(mFiles + "/broken.wav");
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(builder.Bytes(Tone(0.2, 22050)).left(30));
    broken.close();
    QFile text(mFiles + "/notes.wav");
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("these are notes, not sounds\n");
    text.close();
    // A 4 GiB wave file that takes no room: only its header is written.
    QFile huge(mFiles + "/huge.wav");
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write(builder.Bytes({}));
    QVERIFY(huge.resize(qint64(4) << 30));
}

void TestBadSettings::programStartsWithTheDocumentedValues_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("speedLabel"); // what the labels show at the start
    QTest::addColumn<QString>("timeLabel");
    QTest::addColumn<int>("soundMode");

    const QByteArray mega(1 << 20, '7');
    struct Row { const char* name; const char* key; QByteArray value; const char* speed; const char* time; int mode; };
    const Row rows[] = {
        {"speed empty", "Speed", "", "100 kmph", "30 sec", 1},
        {"speed spaces", "Speed", "   ", "100 kmph", "30 sec", 1},
        {"speed letters", "Speed", "fast", "0 kmph", "30 sec", 1},
        {"speed 120abc", "Speed", "120abc", "120 kmph", "30 sec", 1},
        {"speed 1e999", "Speed", "1e999", "16383 kmph", "30 sec", 1},
        {"speed -1e999", "Speed", "-1e999", "-16384 kmph", "30 sec", 1},
        {"speed &H7FFF", "Speed", "&H7FFF", "16383 kmph", "30 sec", 1},
        {"speed &HFFFF", "Speed", "&HFFFF", "16383 kmph", "30 sec", 1},
        {"speed 32767.5", "Speed", "32767.5", "16383 kmph", "30 sec", 1},
        {"speed -16385", "Speed", "-16385", "-16384 kmph", "30 sec", 1},
        {"speed nan", "Speed", "nan", "0 kmph", "30 sec", 1},
        {"speed 99.5", "Speed", "99.5", "100 kmph", "30 sec", 1},
        {"speed a megabyte", "Speed", mega, "16383 kmph", "30 sec", 1},
        {"speed not UTF-8", "Speed", "\xff\xfe\x80" "5", "0 kmph", "30 sec", 1},
        {"speed quoted", "Speed", "\"150\"", "150 kmph", "30 sec", 1},
        {"speed with commas", "Speed", "1,5", "1 kmph", "30 sec", 1},
        {"time empty", "Time", "", "100 kmph", "30 sec", 1},
        {"time spaces", "Time", "  ", "100 kmph", "30 sec", 1},
        {"time letters", "Time", "long", "100 kmph", "0 sec", 1},
        {"time 1e999", "Time", "1e999", "100 kmph", "inf sec", 1},
        {"time -1e999", "Time", "-1e999", "100 kmph", "-inf sec", 1},
        {"time &HFFFF", "Time", "&HFFFF", "100 kmph", "65535 sec", 1},
        {"time 12.3456", "Time", "12.3456", "100 kmph", "12.346 sec", 1},
        {"time -16385", "Time", "-16385", "100 kmph", "-16385 sec", 1},
        {"time nan", "Time", "nan", "100 kmph", "0 sec", 1},
        {"time a megabyte", "Time", mega, "100 kmph", "inf sec", 1},
        {"time not UTF-8", "Time", "\xc3\x28", "100 kmph", "0 sec", 1},
        {"sound empty", "Sound", "", "100 kmph", "30 sec", 1},
        {"sound spaces", "Sound", "  ", "100 kmph", "30 sec", 1},
        {"sound letters", "Sound", "loud", "100 kmph", "30 sec", 1},
        {"sound 3", "Sound", "3", "100 kmph", "30 sec", 1},
        {"sound -1", "Sound", "-1", "100 kmph", "30 sec", 1},
        {"sound 1.5", "Sound", "1.5", "100 kmph", "30 sec", 2},
        {"sound 0", "Sound", "0", "100 kmph", "30 sec", 0},
        {"sound 1e999", "Sound", "1e999", "100 kmph", "30 sec", 1},
        {"sound a megabyte", "Sound", mega, "100 kmph", "30 sec", 1},
        {"sound not UTF-8", "Sound", "\xff", "100 kmph", "30 sec", 1},
        {"music path a folder", "MusicPath", "@FILES@", "100 kmph", "30 sec", 1},
        {"music path missing", "MusicPath", "@FILES@/nothing.wav", "100 kmph", "30 sec", 1},
        {"music path not a wave", "MusicPath", "@FILES@/notes.wav", "100 kmph", "30 sec", 1},
        {"music path broken header", "MusicPath", "@FILES@/broken.wav", "100 kmph", "30 sec", 1},
        {"music path huge", "MusicPath", "@FILES@/huge.wav", "100 kmph", "30 sec", 1},
        {"music path a device", "MusicPath", "/dev/zero", "100 kmph", "30 sec", 1},
        {"music path a megabyte", "MusicPath", mega, "100 kmph", "30 sec", 1},
        {"music path not UTF-8", "MusicPath", "/tmp/\xff\xfe.wav", "100 kmph", "30 sec", 1},
    };
    for (const Row& row : rows)
        QTest::newRow(row.name) << QByteArray(row.key) << row.value << QString(row.speed)
                                << QString(row.time) << row.mode;
}

void TestBadSettings::programStartsWithTheDocumentedValues()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QString, speedLabel);
    QFETCH(QString, timeLabel);
    QFETCH(int, soundMode);

    value.replace("@FILES@", QFile::encodeName(mFiles));
    // Music paths are tried in music mode, where the game start plays them.
    QByteArray file = SettingsFile(key, value);
    if (key == "MusicPath")
        file.replace("Sound=1", "Sound=0");
    const QString path = mHome.filePath("config/Vandrel/Vandrel.conf");
    QDir().mkpath(QFileInfo(path).path());
    QFile settings(path);
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write(file);
    settings.close();

    QElapsedTimer timer;
    timer.start();
    {
        RealWindow real(mFiles);
        frmMain& window = real.form;
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(QString::fromStdString(window.Controls().lblSpeed->Caption), speedLabel);
        QCOMPARE(QString::fromStdString(window.Controls().lblTime->Caption), timeLabel);
        if (key != "MusicPath")
            QCOMPARE(window.SoundMode(), soundMode);
        QTest::qWait(200); // a few ticks, and whatever sound there is
        window.close();
    }
    QVERIFY2(timer.elapsed() < 20000, "the start took far too long"); // a hang guard

    // The other settings are as they were; the key itself too, unless it was empty
    // and so was given its default.
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray after = settings.readAll();
    QCOMPARE(OtherLines(after, key), OtherLines(file, key));
    const QByteArray fallback = key == "Speed" ? "100" : key == "Time" ? "30" : "1";
    const QByteArray line =
        key + "=" + (value.trimmed().isEmpty() && key != "MusicPath" ? fallback : value);
    QVERIFY2(after.split('\n').contains(line), after.left(300).constData());
}

void TestBadSettings::unwritableSettingsLeaveTheGamePlayable()
{
    // A plain file where the settings folder should be.
    const QString blocker = mHome.filePath("blocker");
    QFile plain(blocker);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker);

    RealWindow real(mFiles);
    frmMain& window = real.form;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.Controls().lblSpeed->Caption, std::string("100 kmph"));
    QCOMPARE(window.Controls().lblTime->Caption, std::string("30 sec"));
    QTest::qWait(300);
    QVERIFY(window.Timer1().isActive());
    QVERIFY(window.Controls().lblDist->Caption != "0 km"); // the game runs
    QVERIFY(QFileInfo(blocker).isFile());
}

QTEST_MAIN(TestBadSettings)
#include "tst_badsettings.moc"
