#include "GameFakes.h"
#include "TextList.h"

#include <QtTest>

namespace {

struct Choice
{
    Choice() : choice(store, sound) {}
    MemorySettingsStore store;
    RecordingSoundPlayer sound;
    SoundChoice choice;
};

} // namespace

class TestSoundChoice : public QObject
{
    Q_OBJECT

private slots:
    void loadingReadsTheStoredChoice_data();
    void loadingReadsTheStoredChoice();
    void loadingHappensOncePerRun();
    void okStoresAndPlays_data();
    void okStoresAndPlays();
};

void TestSoundChoice::loadingReadsTheStoredChoice_data()
{
    QTest::addColumn<QString>("stored"); // "<none>" for a missing key
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("pathEnabled");
    QTest::addColumn<QString>("storedAfter");

    QTest::newRow("first run") << "<none>" << 1 << false << "1";
    QTest::newRow("empty is rewritten") << "" << 1 << false << "1";
    QTest::newRow("music") << "0" << 0 << true << "0";
    QTest::newRow("effects") << "1" << 1 << false << "1";
    QTest::newRow("silence") << "2" << 2 << false << "2";
    QTest::newRow("blanks around") << " 2 " << 2 << false << " 2 ";
    QTest::newRow("0.5 rounds to 0") << "0.5" << 0 << true << "0.5";
    QTest::newRow("not wholly a number") << "2abc" << 1 << false << "2abc";
}

void TestSoundChoice::loadingReadsTheStoredChoice()
{
    QFETCH(QString, stored);
    QFETCH(int, mode);
    QFETCH(bool, pathEnabled);
    QFETCH(QString, storedAfter);

    Choice c;
    if (stored != "<none>")
        c.store.Set("Sound", stored.toStdString());
    c.store.Set("MusicPath", "/music/drive.wav");
    c.choice.Load();

    QCOMPARE(c.choice.Mode(), mode);
    QCOMPARE(c.choice.MusicTextEnabled(), pathEnabled);
    QCOMPARE(c.choice.MusicText(), std::string("/music/drive.wav"));
    QCOMPARE(QString::fromStdString(c.store.GetSetting("Vandrel", "Initial", "Sound")), storedAfter);
    QVERIFY(c.sound.calls.empty());
}

void TestSoundChoice::loadingHappensOncePerRun()
{
    Choice c;
    c.choice.Load();
    c.store.Set("Sound", "2");
    c.choice.Load();
    QCOMPARE(c.choice.Mode(), 1);
    QCOMPARE(c.store.writes, std::vector<std::string>{"Sound=1"});
}

void TestSoundChoice::okStoresAndPlays_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("music") << 0 << QStringList{"Sound=0", "MusicPath=/new.wav"}
                           << QStringList{"music:/new.wav"};
    QTest::newRow("effects") << 1 << QStringList{"Sound=1"} << QStringList{"stop"};
    QTest::newRow("silence") << 2 << QStringList{"Sound=2"} << QStringList{"stop"};
}

void TestSoundChoice::okStoresAndPlays()
{
    QFETCH(int, mode);
    QFETCH(QStringList, writes);
    QFETCH(QStringList, calls);

    Choice c;
    c.store.Set("Sound", "1");
    c.store.Set("MusicPath", "/old.wav");
    c.choice.Load();
    c.choice.Click(mode);
    c.choice.SetMusicText("/new.wav");
    c.choice.OK();
    c.choice.OK(); // twice: the music starts again each time

    QCOMPARE(TextList(c.store.writes), writes + writes);
    QCOMPARE(TextList(c.sound.calls), calls + calls);
    QCOMPARE(c.store.GetSetting("Vandrel", "Initial", "MusicPath"),
             std::string(mode == 0 ? "/new.wav" : "/old.wav"));
}

QTEST_APPLESS_MAIN(TestSoundChoice)
#include "tst_soundchoice.moc"
