#include "GameFakes.h"
#include "TextList.h"

#include <QtTest>

class TestGameStart : public QObject
{
    Q_OBJECT

private slots:
    void firstStartSeedsTheSettingsInOrder();
    void startLaysOutTheRoad();
    void startDrawsSixNumbersInOrder_data();
    void startDrawsSixNumbersInOrder();
    void storedSpeedIsReadAndPinned_data();
    void storedSpeedIsReadAndPinned();
    void storedTimeIsShownToThreeDecimals_data();
    void storedTimeIsShownToThreeDecimals();
    void musicStartsOnlyInMusicMode_data();
    void musicStartsOnlyInMusicMode();
    void startLeavesTheRunStateAlone_data();
    void startLeavesTheRunStateAlone();
    void setSpeedRefusesWhatItCannotHold_data();
    void setSpeedRefusesWhatItCannotHold();
    void endGameAsksToPlayAgain_data();
    void endGameAsksToPlayAgain();
    void nothingReachesTheGameWhileItsBoxesAreOpen();
};

void TestGameStart::firstStartSeedsTheSettingsInOrder()
{
    GameHarness h;
    h.game.GameStart();

    QCOMPARE(h.store.writes, (std::vector<std::string>{"Sound=1", "Speed=100", "Time=30"}));
    QCOMPARE(h.controls.lblSpeed->Caption, std::string("100 kmph"));
    QCOMPARE(h.controls.lblTime->Caption, std::string("30 sec"));
    QCOMPARE(h.controls.lblDist->Caption, std::string("0 km"));
    QCOMPARE(int(h.game.Step()), 200);
    QCOMPARE(int(h.game.StartSpeed()), 100);

    // A second start finds everything stored and writes nothing.
    h.store.writes.clear();
    h.game.GameStart();
    QVERIFY(h.store.writes.empty());
}

void TestGameStart::startLaysOutTheRoad()
{
    GameHarness h;
    h.game.GameStart();

    for (std::size_t i = 0; i < 8; ++i) {
        QCOMPARE(h.controls.shpDiv1[i]->Left, 932.5f);
        QCOMPARE(h.controls.shpDiv2[i]->Left, 1932.5f);
        QCOMPARE(h.controls.shpDiv1[i]->Top, 835.0f * float(i));
        QCOMPARE(h.controls.shpDiv2[i]->Top, 835.0f * float(i));
    }
    for (int i = 0; i < 4; ++i)
        QCOMPARE(int(h.game.Racer(i)->GetTop()), -720 * (i + 1));
    QCOMPARE(int(h.game.BonusCar()->GetTop()), -3600);
    QCOMPARE(int(h.game.PlayerCar()->GivePos()), 1);
    QCOMPARE(h.controls.imgCar->Left, 1260.0f);
    QCOMPARE(h.controls.imgCar->Top, 5280.0f);
}

void TestGameStart::startDrawsSixNumbersInOrder_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QList<int>>("racerTracks");
    QTest::addColumn<int>("bonusTrack");
    QTest::addColumn<QString>("bonusValue");

    QTest::newRow("all zero") << QList<float>{0, 0, 0, 0, 0, 0} << QList<int>{0, 0, 0, 0} << 0
                              << "1";
    QTest::newRow("a half goes to track 0, above it to 1")
        << QList<float>{0.5f, 0.50001f, 0.9f, 0.1f, 0.7f, 0.2499f} << QList<int>{0, 1, 1, 0} << 1
        << "1";
    QTest::newRow("bonus value 2 from 0.25") << QList<float>{0, 0, 0, 0, 0, 0.25f}
                                             << QList<int>{0, 0, 0, 0} << 0 << "2";
    QTest::newRow("bonus value 2 up to 0.75") << QList<float>{0, 0, 0, 0, 0, 0.75f}
                                              << QList<int>{0, 0, 0, 0} << 0 << "2";
    QTest::newRow("bonus value 3 above 0.75") << QList<float>{0, 0, 0, 0, 0, 0.7501f}
                                              << QList<int>{0, 0, 0, 0} << 0 << "3";
    QTest::newRow("bonus value 3 at the top") << QList<float>{0, 0, 0, 0, 0, 0.99999994f}
                                              << QList<int>{0, 0, 0, 0} << 0 << "3";
}

void TestGameStart::startDrawsSixNumbersInOrder()
{
    QFETCH(QList<float>, draws);
    QFETCH(QList<int>, racerTracks);
    QFETCH(int, bonusTrack);
    QFETCH(QString, bonusValue);

    GameHarness h;
    h.random.draws.assign(draws.begin(), draws.end());
    h.game.GameStart();

    QVERIFY(h.random.draws.empty());
    QVERIFY(!h.random.ranDry);
    QCOMPARE(h.random.reseeds, 0); // the start never seeds
    for (int i = 0; i < 4; ++i)
        QCOMPARE(int(h.game.Racer(i)->GivePos()), racerTracks[i]);
    QCOMPARE(int(h.game.BonusCar()->GivePos()), bonusTrack);
    QCOMPARE(QString::fromStdString(h.controls.lblBonus->Caption), bonusValue);
}

void TestGameStart::storedSpeedIsReadAndPinned_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("startSpeed");
    QTest::addColumn<QString>("storedAfter");

    QTest::newRow("99.5 to 100") << "99.5" << 100 << "99.5";
    QTest::newRow("100.5 to 100") << "100.5" << 100 << "100.5";
    QTest::newRow("120abc") << "120abc" << 120 << "120abc";
    QTest::newRow("0 is kept") << "0" << 0 << "0";
    QTest::newRow("empty is rewritten") << "" << 100 << "100";
    QTest::newRow("negative") << "-20" << -20 << "-20";
    QTest::newRow("highest") << "16383" << 16383 << "16383";
    QTest::newRow("step would overflow") << "16384" << 16383 << "16384";
    QTest::newRow("lowest") << "-16384" << -16384 << "-16384";
}

void TestGameStart::storedSpeedIsReadAndPinned()
{
    QFETCH(QString, stored);
    QFETCH(int, startSpeed);
    QFETCH(QString, storedAfter);

    GameHarness h;
    h.store.Set("Speed", stored.toStdString());
    h.game.GameStart();

    QCOMPARE(int(h.game.StartSpeed()), startSpeed);
    QCOMPARE(int(h.game.Speed()), startSpeed);
    QCOMPARE(int(h.game.Step()), 2 * startSpeed);
    QCOMPARE(h.controls.lblSpeed->Caption, std::to_string(startSpeed) + " kmph");
    QCOMPARE(QString::fromStdString(h.store.GetSetting("Vandrel", "Initial", "Speed")),
             storedAfter);
}

void TestGameStart::storedTimeIsShownToThreeDecimals_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<double>("timeLeft");
    QTest::addColumn<QString>("label");

    QTest::newRow("12.3456") << "12.3456" << "." << 12.3456 << "12.346 sec";
    QTest::newRow("decimal comma shown") << "12.3456" << "," << 12.3456 << "12,346 sec";
    QTest::newRow("stored comma stops the number") << "45,75" << "," << 45.0 << "45 sec";
    QTest::newRow("45.75") << "45.75" << "." << 45.75 << "45.75 sec";
}

void TestGameStart::storedTimeIsShownToThreeDecimals()
{
    QFETCH(QString, stored);
    QFETCH(QString, separator);
    QFETCH(double, timeLeft);
    QFETCH(QString, label);

    GameHarness h(separator.toStdString());
    h.store.Set("Time", stored.toStdString());
    h.game.GameStart();

    QCOMPARE(h.game.TimeLeft(), timeLeft);
    QCOMPARE(h.game.GameTime(), timeLeft);
    QCOMPARE(QString::fromStdString(h.controls.lblTime->Caption), label);
}

void TestGameStart::musicStartsOnlyInMusicMode_data()
{
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("musicPath");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("music") << "0" << "/music/drive.wav" << QStringList{"music:/music/drive.wav"};
    QTest::newRow("music with empty path") << "0" << "" << QStringList{"music:"};
    QTest::newRow("effects") << "1" << "/music/drive.wav" << QStringList{};
    QTest::newRow("silence") << "2" << "/music/drive.wav" << QStringList{};
}

void TestGameStart::musicStartsOnlyInMusicMode()
{
    QFETCH(QString, sound);
    QFETCH(QString, musicPath);
    QFETCH(QStringList, calls);

    GameHarness h;
    h.store.Set("Sound", sound.toStdString());
    h.store.Set("MusicPath", musicPath.toStdString());
    h.game.GameStart();
    h.game.GameStart(); // the music starts again from the beginning at each start

    QCOMPARE(TextList(h.sound.calls), calls + calls);
}

void TestGameStart::startLeavesTheRunStateAlone_data()
{
    QTest::addColumn<bool>("paused");
    QTest::newRow("running") << false;
    QTest::newRow("paused") << true;
}

void TestGameStart::startLeavesTheRunStateAlone()
{
    QFETCH(bool, paused);

    GameHarness h;
    h.game.GameStart();
    if (paused)
        h.game.PauseIt();
    h.store.Set("Speed", "150");
    h.game.GameStart();

    QCOMPARE(h.controls.Timer1.Enabled, !paused);
    QCOMPARE(h.controls.lblPaused->Visible, paused);
    QCOMPARE(h.controls.lblSpeed->Caption, std::string("150 kmph"));
}

void TestGameStart::setSpeedRefusesWhatItCannotHold_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("speed");

    QTest::newRow("one up") << "100" << 101 << 101;
    QTest::newRow("below the start speed") << "100" << 99 << 100;
    QTest::newRow("the start speed itself") << "100" << 100 << 100;
    QTest::newRow("highest") << "16000" << 16383 << 16383;
    QTest::newRow("step past 16 bits") << "16383" << 16384 << 16383;
    QTest::newRow("far past") << "100" << 32767 << 100;
}

void TestGameStart::setSpeedRefusesWhatItCannotHold()
{
    QFETCH(QString, stored);
    QFETCH(int, requested);
    QFETCH(int, speed);

    GameHarness h;
    h.store.Set("Speed", stored.toStdString());
    h.game.GameStart();
    h.game.SetSpeed(std::int16_t(requested));

    QCOMPARE(int(h.game.Speed()), speed);
    QCOMPARE(int(h.game.Step()), 2 * speed);
    QCOMPARE(h.controls.lblSpeed->Caption, std::to_string(speed) + " kmph");
}

void TestGameStart::endGameAsksToPlayAgain_data()
{
    QTest::addColumn<bool>("again");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("message");

    QTest::newRow("yes") << true << "." << "Game Over|Time Over!!\r\nYou covered 0.833 km";
    QTest::newRow("no") << false << "." << "Game Over|Time Over!!\r\nYou covered 0.833 km";
    QTest::newRow("decimal comma") << true << "," << "Game Over|Time Over!!\r\nYou covered 0,833 km";
}

void TestGameStart::endGameAsksToPlayAgain()
{
    QFETCH(bool, again);
    QFETCH(QString, separator);
    QFETCH(QString, message);

    GameHarness h(separator.toStdString());
    h.store.Set("Time", "1000");
    h.StartQuietly();
    h.game.KeyDown(Game::vkRight, 0); // track 2, away from all the traffic of track 0
    for (int i = 0; i < 600; ++i)
        h.game.Tick();
    QVERIFY(h.dialogs.boxes.empty());

    h.store.Set("Speed", "150");
    h.dialogs.answers = {Dialogs::Answer::Ok, again ? Dialogs::Answer::Yes : Dialogs::Answer::No};
    h.game.EndGame("Time Over!!");

    QCOMPARE(h.dialogs.boxes,
             (std::vector<std::string>{message.toStdString(), "Game Over|Play Again?"}));
    QCOMPARE(h.dialogs.styles, (std::vector<Dialogs::Style>{Dialogs::Style::OkExclamation,
                                                            Dialogs::Style::YesNoQuestion}));
    if (again) {
        QCOMPARE(h.window.unloads, 0);
        QCOMPARE(h.controls.lblSpeed->Caption, std::string("150 kmph"));
        QCOMPARE(h.controls.lblDist->Caption, std::string("0 km"));
        QCOMPARE(h.controls.lblTime->Caption, std::string("1000 sec"));
        QCOMPARE(int(h.game.PlayerCar()->GivePos()), 1);
        h.game.Tick();
        QCOMPARE(h.game.Distance(), 150 * 50 / 3600000.0);
    } else {
        QCOMPARE(h.window.unloads, 1);
        // The program is ending: nothing runs any more, and no third box opens.
        const double distance = h.game.Distance();
        h.game.Tick();
        h.game.KeyDown(Game::vkLeft, 0);
        h.game.EndGame("Crashed!!");
        QCOMPARE(h.game.Distance(), distance);
        QCOMPARE(int(h.game.PlayerCar()->GivePos()), 2);
        QCOMPARE(h.dialogs.boxes.size(), std::size_t(2));
        QCOMPARE(h.window.unloads, 1);
    }
}

void TestGameStart::nothingReachesTheGameWhileItsBoxesAreOpen()
{
    GameHarness h;
    h.StartQuietly();
    const float racerTop = h.controls.imgRacers[0]->Top;
    const double timeLeft = h.game.TimeLeft();

    // While a box is open, timers and keys may still be delivered.
    h.dialogs.whileOpen = [&h] {
        h.game.Tick();
        h.game.KeyDown(Game::vkLeft, 0);
        h.game.KeyDown(Game::vkF1, 0);
        h.game.EndGame("Crashed!!");
    };
    h.dialogs.answers = {Dialogs::Answer::Ok, Dialogs::Answer::No};
    h.game.EndGame("Time Over!!");

    QCOMPARE(h.dialogs.boxes.size(), std::size_t(2));
    QCOMPARE(h.controls.imgRacers[0]->Top, racerTop);
    QCOMPARE(h.game.TimeLeft(), timeLeft);
    QCOMPARE(int(h.game.PlayerCar()->GivePos()), 1);
    QVERIFY(h.controls.Timer1.Enabled);
    QVERIFY(!h.controls.lblPaused->Visible);
}

QTEST_APPLESS_MAIN(TestGameStart)
#include "tst_gamestart.moc"
