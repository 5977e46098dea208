#include "platform/ProgramFolder.h"

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void findsTheSoundBesideOrInstalled_data();
    void findsTheSoundBesideOrInstalled();
};

void TestProgramFolder::findsTheSoundBesideOrInstalled_data()
{
    QTest::addColumn<QString>("executableFolder");
    QTest::addColumn<QString>("soundFolder"); // where TimeBonus.wav lies; empty: nowhere
    QTest::addColumn<QString>("expected");

    QTest::newRow("build tree") << "build/src" << "build/src" << "build/src";
    QTest::newRow("installed under /usr") << "usr/bin" << "usr/share/vandrel" << "usr/share/vandrel";
    QTest::newRow("installed under a home prefix")
        << "home/me/.local/bin" << "home/me/.local/share/vandrel" << "home/me/.local/share/vandrel";
    QTest::newRow("missing: the installed place all the same")
        << "opt/bin" << "" << "opt/share/vandrel";
}

void TestProgramFolder::findsTheSoundBesideOrInstalled()
{
    QFETCH(QString, executableFolder);
    QFETCH(QString, soundFolder);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir dir(root.path());
    QVERIFY(dir.mkpath(executableFolder));
    if (!soundFolder.isEmpty()) {
        QVERIFY(dir.mkpath(soundFolder));
        QFile sound(dir.filePath(soundFolder + "/TimeBonus.wav"));
        QVERIFY(sound.open(QIODevice::WriteOnly));
    }
    QCOMPARE(ProgramFolderFor(dir.filePath(executableFolder)), dir.filePath(expected));
}

QTEST_APPLESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
