#include "platform/ProgramFolder.h"

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void findsItsFilesBesideOrInstalled_data();
    void findsItsFilesBesideOrInstalled();
};

void TestProgramFolder::findsItsFilesBesideOrInstalled_data()
{
    QTest::addColumn<bool>("module");           // the sound module, else the bonus sound
    QTest::addColumn<QString>("executableFolder");
    QTest::addColumn<QString>("fileFolder");    // where the file lies; empty: nowhere
    QTest::addColumn<QString>("expected");      // the folder it is looked for in

    // The install rule's library folder, as seen from an executable in usr/bin.
    const QString modules = QDir::cleanPath(QStringLiteral("usr/bin/" VANDREL_MODULES_FROM_BIN));

    QTest::newRow("sound: build tree") << false << "build/src" << "build/src" << "build/src";
    QTest::newRow("sound: installed under /usr") << false << "usr/bin" << "usr/share/vandrel" << "usr/share/vandrel";
    QTest::newRow("sound: installed under a home prefix")
        << false << "home/me/.local/bin" << "home/me/.local/share/vandrel" << "home/me/.local/share/vandrel";
    QTest::newRow("sound: missing, the installed place all the same")
        << false << "opt/bin" << "" << "opt/share/vandrel";
    QTest::newRow("module: build tree") << true << "build/src" << "build/src" << "build/src";
    QTest::newRow("module: installed") << true << "usr/bin" << modules << modules;
    QTest::newRow("module: missing, the installed place all the same")
        << true << "usr/bin" << "" << modules;
}

void TestProgramFolder::findsItsFilesBesideOrInstalled()
{
    QFETCH(bool, module);
    QFETCH(QString, executableFolder);
    QFETCH(QString, fileFolder);
    QFETCH(QString, expected);

    const QString name = module ? QStringLiteral(VANDREL_SOUND_MODULE) : QStringLiteral("TimeBonus.wav");
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir dir(root.path());
    QVERIFY(dir.mkpath(executableFolder));
    if (!fileFolder.isEmpty()) {
        QVERIFY(dir.mkpath(fileFolder));
        QFile file(dir.filePath(fileFolder + '/' + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // Whichever file is asked for, the other lies beside the executable: each is
    // looked for on its own.
    QFile other(dir.filePath(executableFolder + '/'
                             + (module ? QStringLiteral("TimeBonus.wav") : QStringLiteral(VANDREL_SOUND_MODULE))));
    QVERIFY(other.open(QIODevice::WriteOnly));

    const QString executable = dir.filePath(executableFolder);
    if (module)
        QCOMPARE(SoundModulePathFor(executable), dir.filePath(expected + '/' + name));
    else
        QCOMPARE(ProgramFolderFor(executable), dir.filePath(expected));
}

QTEST_APPLESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
