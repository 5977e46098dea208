#include "GameFakes.h"
#include "TextList.h"
#include "game/MenuCommands.h"

#include <QtTest>

namespace {

struct Menus : GameHarness
{
    Menus() : menu(game, store, dialogs)
    {
        StartQuietly();
        menu.mnuMenu_Click(); // every command is reached through an opened menu
    }
    QString Stored(const char* key) const
    {
        return QString::fromStdString(store.GetSetting("Vandrel", "Initial", key));
    }
    MenuCommands menu;
};

} // namespace

class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void openingAMenuPauses();
    void newGameRestartsRunning();
    void setSpeedTakesFiftyToThreeHundred_data();
    void setSpeedTakesFiftyToThreeHundred();
    void setTimeTakesAnyPositiveTime_data();
    void setTimeTakesAnyPositiveTime();
    void cancelAlwaysEndsTheBox_data();
    void cancelAlwaysEndsTheBox();
    void aboutShowsThreeLines();
};

void TestMenus::openingAMenuPauses()
{
    Menus m;
    QVERIFY(!m.controls.Timer1.Enabled);
    QVERIFY(m.controls.lblPaused->Visible);
    m.menu.mnuMenu_Click(); // opening again changes nothing
    QVERIFY(!m.controls.Timer1.Enabled);
}

void TestMenus::newGameRestartsRunning()
{
    Menus m;
    m.game.KeyDown(Game::vkLeft, 0); // resumes only
    m.menu.mnuMenu_Click();
    for (int i = 0; i < 3; ++i)
        m.game.Tick();
    m.random.draws = {0, 0, 0, 0, 0, 0};
    m.menu.mnuNewGame_Click();

    QVERIFY(m.controls.Timer1.Enabled);
    QVERIFY(!m.controls.lblPaused->Visible);
    QCOMPARE(m.controls.lblTime->Caption, std::string("30 sec"));
    QCOMPARE(m.controls.lblDist->Caption, std::string("0 km"));
    QVERIFY(m.dialogs.boxes.empty());
}

void TestMenus::setSpeedTakesFiftyToThreeHundred_data()
{
    QTest::addColumn<QStringList>("answers"); // the last one ends the loop
    QTest::addColumn<QString>("stored");

    QTest::newRow("50") << QStringList{"50"} << "50";
    QTest::newRow("300") << QStringList{"300"} << "300";
    QTest::newRow("49.5 is 50") << QStringList{"49.5"} << "50";
    QTest::newRow("300.5 is 300") << QStringList{"300.5"} << "300";
    QTest::newRow("120abc") << QStringList{"120abc"} << "120";
    QTest::newRow("49, then 60") << QStringList{"49", "60"} << "60";
    QTest::newRow("301, then 60") << QStringList{"301", "60"} << "60";
    QTest::newRow("letters, then 60") << QStringList{"fast", "60"} << "60";
    QTest::newRow("1e6, then 60") << QStringList{"1e6", "60"} << "60";
    QTest::newRow("-1e999, then 60") << QStringList{"-1e999", "60"} << "60";
    QTest::newRow("49, then cancel") << QStringList{"49", ""} << "100";
    QTest::newRow("cancel") << QStringList{""} << "100";
}

void TestMenus::setSpeedTakesFiftyToThreeHundred()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, stored);

    Menus m;
    for (const QString& answer : answers)
        m.dialogs.typed.push_back(answer.toStdString());
    m.random.draws = {0, 0, 0, 0, 0, 0};
    m.menu.mnuSetSpeed_Click();

    // Every box is preset with the stored speed, never with a rejected answer.
    QStringList expected;
    for (int i = 0; i < answers.size(); ++i)
        expected << "Set Speed|Enter the Starting Speed: (between 50 and 300)|100";
    QCOMPARE(TextList(m.dialogs.inputs), expected);
    QCOMPARE(m.Stored("Speed"), stored);
    const bool accepted = !answers.last().isEmpty();
    QCOMPARE(m.dialogs.boxes, accepted ? std::vector<std::string>{"New Game|The game will now restart"}
                                       : std::vector<std::string>{});
    QCOMPARE(m.controls.Timer1.Enabled, accepted);
    QCOMPARE(QString::fromStdString(m.controls.lblSpeed->Caption),
             (accepted ? stored : QStringLiteral("100")) + " kmph");
}

void TestMenus::setTimeTakesAnyPositiveTime_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("stored");

    QTest::newRow("12.5") << "30" << QStringList{"12.5"} << "30" << "12.5";
    QTest::newRow("100000") << "30" << QStringList{"100000"} << "30" << "100000";
    QTest::newRow("0.1") << "30" << QStringList{"0.1"} << "30" << "0.1";
    QTest::newRow("0, then 10") << "30" << QStringList{"0", "10"} << "30" << "10";
    QTest::newRow("-5, then 10") << "30" << QStringList{"-5", "10"} << "30" << "10";
    QTest::newRow("1e999, then 10") << "30" << QStringList{"1e999", "10"} << "30" << "10";
    QTest::newRow("a comma stops the number") << "30" << QStringList{"12,5"} << "30" << "12";
    QTest::newRow("fractions are preset with a full stop")
        << "45.75" << QStringList{"60"} << "45.75" << "60";
    QTest::newRow("cancel") << "45.75" << QStringList{""} << "45.75" << "45.75";
}

void TestMenus::setTimeTakesAnyPositiveTime()
{
    QFETCH(QString, before);
    QFETCH(QStringList, answers);
    QFETCH(QString, preset);
    QFETCH(QString, stored);

    Menus m;
    m.store.Set("Time", before.toStdString());
    for (const QString& answer : answers)
        m.dialogs.typed.push_back(answer.toStdString());
    m.random.draws = {0, 0, 0, 0, 0, 0};
    m.menu.mnuSetTime_Click();

    QStringList expected;
    for (int i = 0; i < answers.size(); ++i)
        expected << "Set Time|Enter the time:|" + preset;
    QCOMPARE(TextList(m.dialogs.inputs), expected);
    QCOMPARE(m.Stored("Time"), stored);
    if (!answers.last().isEmpty())
        QCOMPARE(m.game.TimeLeft(), stored.toDouble());
}

void TestMenus::cancelAlwaysEndsTheBox_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::newRow("speed out of range") << "Speed" << "20";
    QTest::newRow("speed not a number") << "Speed" << "fast";
    QTest::newRow("time not positive") << "Time" << "-3";
}

void TestMenus::cancelAlwaysEndsTheBox()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);

    Menus m;
    m.store.Set(key.toStdString(), stored.toStdString());
    if (key == "Speed")
        m.menu.mnuSetSpeed_Click();
    else
        m.menu.mnuSetTime_Click();

    QCOMPARE(m.dialogs.inputs.size(), std::size_t(1));
    QCOMPARE(m.Stored(key.toLatin1().constData()), stored);
    QVERIFY(!m.controls.Timer1.Enabled);
}

void TestMenus::aboutShowsThreeLines()
{
    Menus m;
    m.menu.mnuAbout_Click();
    QCOMPARE(m.dialogs.boxes,
             std::vector<std::string>{"About|Vandrel Version 2.0 \r\nCreated by the Vandrel "
                                      "developers\r\nReport any bugs at vandrel@example.org"});
    QCOMPARE(m.dialogs.styles, std::vector<Dialogs::Style>{Dialogs::Style::OkOnly});
    QVERIFY(!m.controls.Timer1.Enabled); // still paused
}

QTEST_APPLESS_MAIN(TestMenus)
#include "tst_menus.moc"
