#include "platform/QtSettingsStore.h"

#include <QtTest>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void missingKeysReadAsEmptyText_data();
    void missingKeysReadAsEmptyText();
    void valuesReadBackAsWritten_data();
    void valuesReadBackAsWritten();
    void storeIsTheUsersIniFile();
    void handEditedTextsReadSafely_data();
    void handEditedTextsReadSafely();
    void unwritableStoreKeepsValuesForTheRun();

private:
    QString ConfigFile() const;

    QTemporaryDir mConfigHome;
};

void TestSettings::initTestCase()
{
    QVERIFY(mConfigHome.isValid());
    // Before the first QSettings of the process: the real user's settings stay untouched.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(mConfigHome.path()));
}

void TestSettings::init()
{
    QFile::remove(ConfigFile());
}

QString TestSettings::ConfigFile() const
{
    return mConfigHome.filePath(QStringLiteral("Vandrel/Vandrel.conf"));
}

void TestSettings::missingKeysReadAsEmptyText_data()
{
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");

    QTest::newRow("missing key") << "Vandrel" << "Initial" << "MusicPath";
    QTest::newRow("missing section") << "Vandrel" << "Elsewhere" << "Speed";
    QTest::newRow("missing application") << "NoSuchGame" << "Initial" << "Speed";
}

void TestSettings::missingKeysReadAsEmptyText()
{
    QFETCH(QString, application);
    QFETCH(QString, section);
    QFETCH(QString, key);

    QtSettingsStore store;
    store.SaveSetting("Vandrel", "Initial", "Speed", "100");
    QCOMPARE(store.GetSetting(application.toStdString(), section.toStdString(),
                               key.toStdString()),
             std::string());
}

void TestSettings::valuesReadBackAsWritten_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("integer") << "100";
    QTest::newRow("decimal") << "45.75";
    QTest::newRow("empty") << "";
    QTest::newRow("with comma") << "1,5";
    QTest::newRow("path with non-ASCII") << QStringLiteral("/home/zoë/Musik/Straße.wav");
    QTest::newRow("equals and semicolon") << "a=b;c";
    QTest::newRow("line break") << "one\ntwo";
}

void TestSettings::valuesReadBackAsWritten()
{
    QFETCH(QString, value);

    QtSettingsStore store;
    store.SaveSetting("Vandrel", "Initial", "MusicPath", value.toStdString());
    store.SaveSetting("Vandrel", "Initial", "Sound", "0");
    QCOMPARE(QString::fromStdString(store.GetSetting("Vandrel", "Initial", "MusicPath")), value);

    // And from the file itself, as the next run reads it.
    const QSettings reread(ConfigFile(), QSettings::IniFormat);
    QCOMPARE(reread.value("Initial/MusicPath").toString(), value);
}

void TestSettings::storeIsTheUsersIniFile()
{
    QtSettingsStore store;
    store.SaveSetting("Vandrel", "Initial", "Sound", "1");
    store.SaveSetting("Vandrel", "Initial", "Speed", "100");
    store.SaveSetting("Vandrel", "Initial", "Time", "30");

    QFile file(ConfigFile());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(ConfigFile()));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[Initial]"), text.constData());
    QVERIFY2(text.contains("Sound=1"), text.constData());
    QVERIFY2(text.contains("Speed=100"), text.constData());
    QVERIFY2(text.contains("Time=30"), text.constData());
}

void TestSettings::handEditedTextsReadSafely_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("Speed=120abc") << "120abc";
    QTest::newRow("unquoted commas") << QByteArray("Speed=1,2,3") << "1,2,3";
    QTest::newRow("nothing") << QByteArray("Speed=") << "";
    QTest::newRow("bytes that are not UTF-8") << QByteArray("Speed=\xff\xfe" "9") << QString();
    QTest::newRow("a megabyte") << "Speed=" + QByteArray(1 << 20, '7') << QString(1 << 20, '7');
}

void TestSettings::handEditedTextsReadSafely()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);

    QDir().mkpath(mConfigHome.filePath("Vandrel"));
    QFile file(ConfigFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Initial]\n" + line + "\nTime=30\n");
    file.close();

    QtSettingsStore store;
    const QString read = QString::fromStdString(store.GetSetting("Vandrel", "Initial", "Speed"));
    if (!expected.isNull())
        QCOMPARE(read, expected);
    QCOMPARE(store.GetSetting("Vandrel", "Initial", "Time"), std::string("30"));
}

void TestSettings::unwritableStoreKeepsValuesForTheRun()
{
    // A plain file where the folder should be: nothing can be written below it.
    QTemporaryDir elsewhere;
    const QString blocker = elsewhere.filePath("not-a-folder");
    QFile plain(blocker);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker);

    QtSettingsStore store;
    store.SaveSetting("Vandrel", "Initial", "Speed", "120");
    store.SaveSetting("Vandrel", "Initial", "Time", "45.75");
    QCOMPARE(store.GetSetting("Vandrel", "Initial", "Time"), std::string("45.75"));
    QCOMPARE(store.GetSetting("Vandrel", "Initial", "Speed"), std::string("120"));
    QVERIFY(QFileInfo(blocker).isFile());

    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mConfigHome.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, mConfigHome.path());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
