// The program's sound player loads the sound module at the first request to play,
// and a game without a usable module goes on silently.

#include "platform/LazySoundPlayer.h"

#include <QtTest>

#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>

namespace {

// Counts the player's "no sound" warnings while it lives.
class WarningCounter
{
public:
    WarningCounter() { sCount = 0; mPrevious = qInstallMessageHandler(&Count); }
    ~WarningCounter() { qInstallMessageHandler(mPrevious); }
    int Warnings() const { return sCount; }

private:
    static void Count(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtWarningMsg && message.startsWith(QStringLiteral("Vandrel: no sound")))
            ++sCount;
    }
    static inline int sCount = 0;
    QtMessageHandler mPrevious;
};

void Request(LazySoundPlayer& player, const QString& request)
{
    const std::string path = "/nonexistent/vandrel-music.wav";
    if (request == QLatin1String("music"))
        player.PlayMusic(path);
    else if (request == QLatin1String("effect"))
        player.PlayEffect(path);
    else
        player.StopSound();
}

} // namespace

class TestSoundModule : public QObject
{
    Q_OBJECT

private slots:
    void loadsAtTheFirstRequestToPlay_data();
    void loadsAtTheFirstRequestToPlay();
    void withoutAUsableModuleTheGameIsSilent_data();
    void withoutAUsableModuleTheGameIsSilent();
};

void TestSoundModule::loadsAtTheFirstRequestToPlay_data()
{
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<bool>("loaded");

    QTest::newRow("nothing asked") << QStringList{} << false;
    QTest::newRow("silence asked") << QStringList{"stop", "stop"} << false;
    QTest::newRow("an effect") << QStringList{"effect"} << true;
    QTest::newRow("music") << QStringList{"music"} << true;
    QTest::newRow("silence, then music") << QStringList{"stop", "music", "stop"} << true;
}

void TestSoundModule::loadsAtTheFirstRequestToPlay()
{
    QFETCH(QStringList, requests);
    QFETCH(bool, loaded);

    WarningCounter counter;
    LazySoundPlayer player(QStringLiteral(VANDREL_SOUND_MODULE_PATH));
    for (const QString& request : requests)
        Request(player, request);
    QCOMPARE(player.IsLoaded(), loaded);
    QCOMPARE(counter.Warnings(), 0);
}

void TestSoundModule::withoutAUsableModuleTheGameIsSilent_data()
{
    QTest::addColumn<QString>("module");

    QTest::newRow("no path") << QString();
    QTest::newRow("missing") << QStringLiteral("/nonexistent/libvandrel_sound.so");
    QTest::newRow("a text file") << QStringLiteral("text");
    QTest::newRow("a folder") << QStringLiteral(".");
    QTest::newRow("a Qt plugin of another kind")
        << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats/libqico.so");
}

void TestSoundModule::withoutAUsableModuleTheGameIsSilent()
{
    QFETCH(QString, module);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile text(dir.filePath(QStringLiteral("text")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a module\n");
    text.close();
    if (QFileInfo(module).isRelative() && !module.isEmpty())
        module = dir.filePath(module);

    WarningCounter counter;
    LazySoundPlayer player(module);
    for (const QString& request : QStringList{"effect", "music", "stop", "effect"})
        Request(player, request);
    QVERIFY(!player.IsLoaded());
    QCOMPARE(counter.Warnings(), 1); // said once, not at every bonus
}

QTEST_GUILESS_MAIN(TestSoundModule)
#include "tst_soundmodule.moc"
