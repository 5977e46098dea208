// What the game asks of the system, done with Qt: the settings store as a player's
// hand-edited file leaves it, where the program finds its files, the clock and the
// sound module.

#include "Fakes.h"
#include "platform/LazyGamepad.h"
#include "platform/LazySoundPlayer.h"
#include "platform/ProgramFolder.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemClock.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Qt reads the settings folder once a run.
        mHome = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", mHome->path().toUtf8());
    }

    void init()
    {
        QFile::remove(mHome->filePath("Vandrel"));
        QDir(mHome->filePath("Vandrel")).removeRecursively();
    }

    void settingsFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");     // speed, time, sound mode and music of the first game
        QTest::addColumn<QByteArray>("after");  // what the file holds after the game start

        const QByteArray usual = "[Initial]\nSound=2\nSpeed=100\nTime=30\n";
        QTest::newRow("no file: the first-run values") << QByteArray() << "100 kmph|30 sec|1|" << QByteArray("[Initial]\nSound=1\nSpeed=100\nTime=30\n");
        QTest::newRow("usual values, kept as they are") << usual << "100 kmph|30 sec|2|" << usual;
        QTest::newRow("a word for a number, a speed past 16 bits pinned: read, not rewritten") << QByteArray("[Initial]\nSound=x\nSpeed=1e9\nTime=long\n")
            << "16383 kmph|30 sec|1|" << QByteArray("[Initial]\nSound=x\nSpeed=1e9\nTime=long\n");
        QTest::newRow("commas are kept, not a list") << QByteArray("[Initial]\nSound=0\nMusicPath=/m/a,b.ogg\nSpeed=\"1,5\"\nTime=30\n")
            << "1 kmph|30 sec|0|music /m/a,b.ogg" << QByteArray("Speed=\"1,5\"\nTime=30\n");
        QTest::newRow("a hand-edited table: lines without quotes read whole, a broken one and an 11th left out")
            << "[BestDistances]\n1=2 km, 100 km/h, 30 s, crash, 2025-12-06T05:00:00Z\n11=\"9 km, 100 km/h, 30 s, crash, 2025-12-06T05:00:00Z\"\n"
               "2=\"3 km, 100 km/h, 30 s, time over, 2025-12-06T05:00:00Z\"\n3=x\n\n" + usual << "100 kmph|30 sec|2||3 2" << usual;
        QTest::newRow("not an INI file: the keys it lacks are added") << QByteArray("\x7f" "ELF\x01\x01\x01\x00\x00garbage\n", 17) << "100 kmph|30 sec|1|"
            << QByteArray("[Initial]\nSound=1\nSpeed=100\nTime=30\n");
    }

    void settingsFile()
    {
        QFETCH(QByteArray, file);
        if (!file.isNull()) {
            QDir(mHome->path()).mkpath("Vandrel");
            QFile out(File());
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
            out.flush();
            // Qt knows a settings file again by its size and time: give each row its own.
            static int row = 0;
            out.setFileTime(QDateTime::currentDateTime().addSecs(++row * 60), QFileDevice::FileModificationTime);
        }
        QtSettingsStore store;
        Fakes others;
        MainControls controls(others);
        SoundChoice choice(store, others);
        Game game(controls, choice, Outside{store, others, others, others, others, others}, others, ".", "");
        game.GameStart();
        QCOMPARE(QString::fromStdString(controls.lblSpeed->Caption + "|" + controls.lblTime->Caption + "|")
                     + QString::number(choice.Mode()) + "|" + others.log.filter("music").join(",") + Table(store), FETCH(QString, shown));
        QVERIFY(OnDisk().endsWith(FETCH(QByteArray, after)));
        QFile other(File()); // another program's change is read; a change is on disk at once
        QVERIFY(other.open(QIODevice::WriteOnly));
        QCOMPARE(other.write("[Initial]\nSpeed=7\n"), 18);
        other.close();
        QCOMPARE(store.GetSetting("Vandrel", "Initial", "Speed"), "7");
        store.SaveSetting("Vandrel", "Initial", "Time", "9");
        QCOMPARE(OnDisk(), "[Initial]\nSpeed=7\nTime=9\n");
        store.DeleteSetting("Vandrel", "Initial", "Speed");
        QCOMPARE(OnDisk(), "[Initial]\nTime=9\n");
    }

    void unwritableStoreKeepsTheRun()
    {
        // A plain file where the settings folder should be: nothing can be written.
        QFile blocker(mHome->filePath("Vandrel"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QtSettingsStore store;
        store.SaveSetting("Vandrel", "Initial", "Speed", "250");
        QCOMPARE(store.GetSetting("Vandrel", "Initial", "Speed"), "250");
        QCOMPARE(blocker.size(), 0);
    }

    void twoCopiesEnterTogether()
    {
        // A game entered is on disk at once; then two programs end 20 games each
        // at the same moment into one table: odd distances from one, even from the
        // other, with the file's time ahead of the clock (as two changes in one
        // millisecond are): each change must still leave it a later time.
        QtSettingsStore store;
        BestDistances(store).Enter({0.5, 100, 30, BestDistance::Ending::crash, std::chrono::system_clock::now()});
        QVERIFY(OnDisk().contains("1=\"0.5 km, 100 km/h"));
        QFile file(File());
        const QDateTime ahead = QDateTime::currentDateTime().addSecs(3600);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.setFileTime(ahead, QFileDevice::FileModificationTime));
        QProcess copies[2];
        for (int copy = 0; copy < 2; ++copy) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("VANDREL_TEST_ENTER_FROM", QString::number(copy + 1));
            copies[copy].setProcessEnvironment(environment);
            copies[copy].setProcessChannelMode(QProcess::ForwardedChannels);
            copies[copy].start(QCoreApplication::applicationFilePath(), {});
        }
        for (QProcess& copy : copies)
            QVERIFY(copy.waitForFinished(60'000) && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0);
        QCOMPARE(Table(store), "|40 39 38 37 36 35 34 33 32 31");
        QCOMPARE(QFileInfo(file).lastModified(), ahead.addMSecs(40));
        store.SaveSetting("Vandrel", "BestDistances", "11", "x"); // not one of the table's keys: left alone
        BestDistances(store).Empty();
        QVERIFY(!OnDisk().contains("km/h") && OnDisk().contains("11=x"));
    }

    void programFolder()
    {
        // In a build tree the files lie beside the executable (installed, they lie
        // where the packaged program's test finds them).
        QTemporaryDir build;
        for (const char* name : {"TimeBonus.wav", VANDREL_SOUND_MODULE})
            QFile(build.filePath(name)).open(QIODevice::WriteOnly);
        QCOMPARE(ProgramFolderFor(build.path()), build.path());
        QCOMPARE(ModulePathFor(build.path(), VANDREL_SOUND_MODULE), build.filePath(VANDREL_SOUND_MODULE));
        QVERIFY(SoundModulePath().endsWith("/" VANDREL_SOUND_MODULE) && GamepadModulePath().endsWith("/" VANDREL_GAMEPAD_MODULE));
    }

    void systemClock()
    {
        // The seed of each run's first game: the time now, not a fixed one.
        QVERIFY(std::chrono::abs(SystemClock().Now() - std::chrono::system_clock::now()) < std::chrono::seconds(5));
    }

    void soundModule_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("loads");
        QTest::newRow("the module") << VANDREL_SOUND_MODULE_PATH << true;
        QTest::newRow("missing") << "/nonexistent/libvandrel_sound.so" << false;
        QTest::newRow("a text file") << QFINDTESTDATA("lsan.supp") << false;
        QTest::newRow("a Qt plugin of another kind") << QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqoffscreen.so" << false;
    }

    void soundModule()
    {
        QFETCH(bool, loads);
        LazySoundPlayer player(FETCH(QString, path));
        player.StopSound(); // never loads the module
        QTest::failOnWarning(QRegularExpression("did not load")); // but for the one expected
        if (!loads)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Vandrel: no sound, the sound module did not load"));
        player.PlayEffect(QFINDTESTDATA("../assets/TimeBonus.wav").toStdString()); // and no sound server
        player.PlayMusic("/nonexistent.wav"); // one warning only: no second attempt
        const QStringList types = player.FileTypes();
        QCOMPARE(types.contains("flac") && types.contains("mp3") && types.contains("ogg") && types.contains("opus") && types.contains("wav")
                     && types.contains("xi") && !types.contains("raw") && !types.contains("vox"), loads);
    }

    void gamepadModuleOnlyForAPad_data()
    {
        QTest::addColumn<QByteArray>("devices"); // the kernel's list of input devices; none: no list to read
        QTest::addColumn<QString>("plugged");    // before the game, while it runs, or while it is paused
        QTest::addColumn<bool>("pad");
        QTest::newRow("a pad the joystick driver took") << QByteArray("N: Name=\"Pad\"\nH: Handlers=js0 event20 \nB: KEY=0\n") << "before" << true;
        QTest::newRow("a pad by its buttons: A, the gamepad's first") << QByteArray("H: Handlers=event7\nB: KEY=7cdb000000000000 0 0 0 0\n") << "before" << true;
        QTest::newRow("a joystick by its trigger, the range's first") << QByteArray("B: KEY=100000000 0 0 0 0\n") << "before" << true;
        QTest::newRow("a pad by its right stick's button alone, the range's last") << QByteArray("B: KEY=4000000000000000 0 0 0 0\n") << "before" << true;
        QTest::newRow("a keyboard") << QByteArray("H: Handlers=sysrq kbd event3 leds\nB: KEY=1000000000007 ff9f207ac14057ff febeffdfffefffff fffffffffffffffe\n") << "before" << false;
        QTest::newRow("a mouse: its buttons just below the range, and one just above") << QByteArray("H: Handlers=mouse0 event5\nB: KEY=80000000ffff0000 0 0 0 0\n") << "before" << false;
        QTest::newRow("no device") << QByteArray("") << "before" << false;
        QTest::newRow("no list to read: the module at once") << QByteArray() << "before" << true;
        QTest::newRow("plugged in while a game runs: found within a second") << QByteArray("H: Handlers=js0\n") << "running" << true;
        QTest::newRow("plugged in while paused: found when the game goes on") << QByteArray("H: Handlers=js0\n") << "paused" << true;
    }

    void gamepadModuleOnlyForAPad()
    {
        QFETCH(QByteArray, devices);
        QFETCH(QString, plugged);
        QTemporaryFile list;
        QVERIFY(list.open());
        const auto plugIn = [&] { QVERIFY(list.write(devices) == devices.size() && list.flush()); };
        if (plugged == "before")
            plugIn();
        LazyGamepad pad(VANDREL_GAMEPAD_MODULE_PATH, devices.isNull() ? QString() : list.fileName(), 30);
        QVERIFY(!pad.Loaded());
        pad.SetLooking(true);
        if (plugged == "running") {
            QVERIFY(!pad.Loaded());
            plugIn();
            QTRY_VERIFY_WITH_TIMEOUT(pad.Loaded(), 2500); // looked at again each second
        } else if (plugged == "paused") {
            pad.SetLooking(false);
            plugIn();
            QTest::qWait(1200);
            QVERIFY(!pad.Loaded());
            pad.SetLooking(true);
        }
        QCOMPARE(pad.Loaded(), FETCH(bool, pad));
        QCOMPARE(LazyGamepad::ListsAPad(devices), FETCH(bool, pad) && !devices.isNull());
        QVERIFY(pad.PollInterval()); // looking: at the list, or SDL for a pad
        pad.SetLooking(false);
        QVERIFY(!pad.PollInterval()); // paused without a pad: no wake-ups
    }

private:
    QString File() const { return mHome->filePath("Vandrel/Vandrel.conf"); }
    QByteArray OnDisk() const { QFile file(File()); return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(); }
    // The stored best distances, after a bar, if there are any.
    static QString Table(QtSettingsStore& store)
    {
        QStringList table;
        for (const BestDistance& game : BestDistances(store).Read())
            table << QString::number(game.km);
        return table.isEmpty() ? QString() : "|" + table.join(' ');
    }
    std::unique_ptr<QTemporaryDir> mHome;
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // One of the two programs of twoCopiesEnterTogether: 20 games, each a new best.
    if (const int from = qEnvironmentVariableIntValue("VANDREL_TEST_ENTER_FROM")) {
        QtSettingsStore store;
        BestDistances table(store);
        for (int game = 0; game < 20; ++game)
            table.Enter({double(from + 2 * game), 100, 30, BestDistance::Ending::crash, std::chrono::system_clock::now()});
        return 0;
    }
    TestPlatform test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_platform.moc"
