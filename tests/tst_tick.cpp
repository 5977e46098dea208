#include "GameFakes.h"
#include "TextList.h"

#include <QtTest>

namespace {

void Place(clsCar& car, int track, int top)
{
    car.SetPos(std::int16_t(track));
    car.SetTop(std::int16_t(top));
}

// Every racer in track 0, away from the player in track 1.
void ClearTheWay(GameHarness& h, int top = -20000)
{
    for (int i = 0; i < 4; ++i)
        Place(*h.game.Racer(i), 0, top - 1000 * i);
    Place(*h.game.BonusCar(), 0, top);
}

std::vector<float> Tops(const std::array<std::shared_ptr<Control>, 8>& marks)
{
    std::vector<float> tops;
    for (const auto& mark : marks)
        tops.push_back(mark->Top);
    return tops;
}

} // namespace

class TestTick : public QObject
{
    Q_OBJECT

private slots:
    void oneTickMovesEverything();
    void dividerMarksWrapAboveTheirFollower_data();
    void dividerMarksWrapAboveTheirFollower();
    void trafficComesBackOnlyPastItsLimit_data();
    void trafficComesBackOnlyPastItsLimit();
    void bonusGetsANewValueEvenWhenRefused();
    void distanceAndTimeAddUp_data();
    void distanceAndTimeAddUp();
    void crashNeedsTheSameTrackAndOverlap_data();
    void crashNeedsTheSameTrackAndOverlap();
    void takenBonusAddsItsSeconds_data();
    void takenBonusAddsItsSeconds();
    void crashComesBeforeTheBonus();
    void keysSteerAndPause_data();
    void keysSteerAndPause();
    void pinnedTopsStayInSixteenBits();
};

void TestTick::oneTickMovesEverything()
{
    GameHarness h;
    h.StartQuietly();
    const auto marks = Tops(h.controls.shpDiv1);
    h.game.Tick();

    for (std::size_t i = 0; i < 7; ++i)
        QCOMPARE(h.controls.shpDiv1[i]->Top, marks[i] + 200.0f);
    QCOMPARE(int(h.game.Racer(0)->GetTop()), -720 + 125);
    QCOMPARE(int(h.game.Racer(3)->GetTop()), -2880 + 125);
    QCOMPARE(int(h.game.BonusCar()->GetTop()), -3600 + 125);
    QCOMPARE(h.controls.lblDist->Caption, std::string("0.001 km"));
    QCOMPARE(h.controls.lblTime->Caption, std::string("29.95 sec"));
    QCOMPARE(h.random.reseeds, 0);
}

void TestTick::dividerMarksWrapAboveTheirFollower_data()
{
    QTest::addColumn<int>("bottomMark"); // the mark at the bottom of the line
    QTest::addColumn<float>("bottomTop");
    QTest::addColumn<float>("expectedTop");

    QTest::newRow("mark 7 wraps above mark 0") << 7 << 5845.0f << -635.0f;
    QTest::newRow("mark 3 wraps above mark 4") << 3 << 5845.0f << -635.0f;
    QTest::newRow("mark 0 wraps above mark 1") << 0 << 5845.0f << -635.0f;
    QTest::newRow("exactly at the road's height stays") << 7 << 5695.0f << 5895.0f;
    QTest::newRow("one twip past it wraps") << 3 << 5696.0f << -784.0f;
}

void TestTick::dividerMarksWrapAboveTheirFollower()
{
    QFETCH(int, bottomMark);
    QFETCH(float, bottomTop);
    QFETCH(float, expectedTop);

    GameHarness h;
    h.StartQuietly();
    // Rotate both lines so that bottomMark is lowest, its follower at the top.
    for (auto* line : {&h.controls.shpDiv1, &h.controls.shpDiv2})
        for (int k = 0; k < 8; ++k)
            (*line)[std::size_t((bottomMark + 1 + k) % 8)]->Top = bottomTop - 5845.0f + 835.0f * k;
    h.game.Tick();

    for (auto* line : {&h.controls.shpDiv1, &h.controls.shpDiv2}) {
        QCOMPARE((*line)[std::size_t(bottomMark)]->Top, expectedTop);
        const Control& follower = *(*line)[std::size_t((bottomMark + 1) % 8)];
        if (expectedTop < 0)
            QCOMPARE(follower.Top - (expectedTop + 735.0f), 100.0f);
    }
}

void TestTick::trafficComesBackOnlyPastItsLimit_data()
{
    QTest::addColumn<bool>("bonus");
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("sentBack");

    QTest::newRow("racer reaching the road's height stays") << false << 5770 << false;
    QTest::newRow("racer past it comes back") << false << 5771 << true;
    QTest::newRow("bonus below the road stays") << true << 6000 << false;
    QTest::newRow("bonus at three road heights stays") << true << 17560 << false;
    QTest::newRow("bonus past three road heights comes back") << true << 17561 << true;
}

void TestTick::trafficComesBackOnlyPastItsLimit()
{
    QFETCH(bool, bonus);
    QFETCH(int, top);
    QFETCH(bool, sentBack);

    GameHarness h;
    h.StartQuietly();
    ClearTheWay(h);
    clsCar& car = bonus ? *h.game.BonusCar() : *h.game.Racer(2);
    Place(car, 2, top);
    h.random.draws = {0.5f, 0.5f, 0.5f}; // track 1, Top -4421, bonus value 2
    h.game.Tick();

    QCOMPARE(h.random.reseeds, sentBack ? 1 : 0);
    QCOMPARE(int(car.GetTop()), sentBack ? -4421 : top + 125);
    QCOMPARE(int(car.GivePos()), sentBack ? 1 : 2);
}

void TestTick::bonusGetsANewValueEvenWhenRefused()
{
    GameHarness h;
    h.StartQuietly();
    ClearTheWay(h);
    Place(*h.game.Racer(0), 2, -5000); // refuses any place in track 2 below it
    Place(*h.game.BonusCar(), 1, 17600);
    h.random.draws = {0.9f, float(2000 / 8842.5), 0.9f};
    h.game.Tick();

    QCOMPARE(int(h.game.BonusCar()->GetTop()), 17725);
    QCOMPARE(int(h.game.BonusCar()->GivePos()), 1);
    QCOMPARE(h.controls.lblBonus->Caption, std::string("3"));
    QVERIFY(h.random.draws.empty());
}

void TestTick::distanceAndTimeAddUp_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("endingTick");
    QTest::addColumn<QString>("distanceShown");

    QTest::newRow("30 s") << "30" << 600 << "0.833 km";
    QTest::newRow("60 s needs one more tick") << "60" << 1201 << "1.668 km";
    QTest::newRow("0 s ends at once") << "0" << 1 << "0.001 km";
    QTest::newRow("0.1 s") << "0.1" << 2 << "0.003 km";
}

void TestTick::distanceAndTimeAddUp()
{
    QFETCH(QString, time);
    QFETCH(int, endingTick);
    QFETCH(QString, distanceShown);

    GameHarness h;
    h.store.Set("Time", time.toStdString());
    h.StartQuietly();
    h.game.KeyDown(Game::vkRight, 0); // track 2; all traffic comes in track 0
    h.dialogs.answers = {Dialogs::Answer::Ok, Dialogs::Answer::No};

    int ticks = 0;
    while (h.dialogs.boxes.empty() && ticks < 5000) {
        h.game.Tick();
        ++ticks;
    }
    QCOMPARE(ticks, endingTick);
    QCOMPARE(QString::fromStdString(h.controls.lblDist->Caption), distanceShown);
    QCOMPARE(QString::fromStdString(h.dialogs.boxes.front()),
             "Game Over|Time Over!!\r\nYou covered " + distanceShown);
    QCOMPARE(h.window.unloads, 1);
}

void TestTick::crashNeedsTheSameTrackAndOverlap_data()
{
    QTest::addColumn<int>("track");
    QTest::addColumn<int>("offset"); // racer's Top less the player's
    QTest::addColumn<bool>("crash");

    QTest::newRow("479 above") << 1 << -479 << true;
    QTest::newRow("480 above") << 1 << -480 << false;
    QTest::newRow("level") << 1 << 0 << true;
    QTest::newRow("level in the next lane") << 0 << 0 << false;
    QTest::newRow("level two lanes away") << 2 << 0 << false;
}

void TestTick::crashNeedsTheSameTrackAndOverlap()
{
    QFETCH(int, track);
    QFETCH(int, offset);
    QFETCH(bool, crash);

    GameHarness h;
    h.StartQuietly();
    ClearTheWay(h);
    Place(*h.game.Racer(2), track, 5280 + offset);
    h.store.Set("Speed", "150");
    h.random.draws = {0, 0, 0, 0, 0, 0};
    h.game.CheckCrash();

    QCOMPARE(h.dialogs.boxes.size(), std::size_t(crash ? 2 : 0));
    if (crash) {
        QCOMPARE(h.dialogs.boxes[0], std::string("Game Over|Crashed!!\r\nYou covered 0 km"));
        QCOMPARE(h.controls.lblSpeed->Caption, std::string("150 kmph")); // a new game
    }
    QVERIFY(h.sound.calls.empty()); // a crash is silent
}

void TestTick::takenBonusAddsItsSeconds_data()
{
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<float>("r");
    QTest::addColumn<double>("added");
    QTest::addColumn<QString>("newCaption");
    QTest::addColumn<QStringList>("calls");

    const QStringList effect{"effect:/opt/vandrel/TimeBonus.wav"};
    QTest::newRow("3 s with the sound") << "1" << "3" << 0.0f << 3.0 << "1" << effect;
    QTest::newRow("with music, no effect") << "0" << "2" << 0.5f << 2.0 << "6" << QStringList{"music:"};
    QTest::newRow("silence") << "2" << "1" << 0.99999994f << 1.0 << "10" << QStringList{};
    QTest::newRow("caption without a number") << "2" << "x" << 0.25f << 0.0 << "3" << QStringList{};
}

void TestTick::takenBonusAddsItsSeconds()
{
    QFETCH(QString, sound);
    QFETCH(QString, caption);
    QFETCH(float, r);
    QFETCH(double, added);
    QFETCH(QString, newCaption);
    QFETCH(QStringList, calls);

    GameHarness h;
    h.store.Set("Sound", sound.toStdString());
    h.StartQuietly();
    ClearTheWay(h);
    Place(*h.game.BonusCar(), 1, 5280 - 200);
    h.controls.lblBonus->Caption = caption.toStdString();
    h.random.draws = {r};
    h.game.CheckCrash();

    QCOMPARE(h.game.TimeLeft(), 30.0 + added);
    QCOMPARE(QString::fromStdString(h.controls.lblBonus->Caption), newCaption);
    QCOMPARE(int(h.game.BonusCar()->GetTop()), 5895);
    QCOMPARE(TextList(h.sound.calls), calls);

    // Below the road now: the next tick does not take it again.
    h.game.Tick();
    QCOMPARE(h.game.TimeLeft(), 30.0 + added - 0.05);
}

void TestTick::crashComesBeforeTheBonus()
{
    GameHarness h;
    h.StartQuietly();
    ClearTheWay(h);
    Place(*h.game.Racer(3), 1, 5280);
    Place(*h.game.BonusCar(), 1, 5280);
    h.controls.lblBonus->Caption = "3";
    h.random.draws = {0, 0, 0, 0, 0, 0};
    h.game.CheckCrash();

    QCOMPARE(h.dialogs.boxes.size(), std::size_t(2));
    QCOMPARE(h.game.TimeLeft(), 30.0); // the new game's bonus waits above the road
    QCOMPARE(int(h.game.BonusCar()->GetTop()), -3600);
}

void TestTick::keysSteerAndPause_data()
{
    QTest::addColumn<QList<int>>("keys"); // virtual-key codes; +1000 means with Shift
    QTest::addColumn<int>("track");
    QTest::addColumn<int>("speed");
    QTest::addColumn<bool>("running");

    QTest::newRow("left") << QList<int>{37} << 0 << 100 << true;
    QTest::newRow("left in track 0") << QList<int>{37, 37} << 0 << 100 << true;
    QTest::newRow("right in track 2") << QList<int>{39, 39, 39} << 2 << 100 << true;
    QTest::newRow("up") << QList<int>{38} << 1 << 101 << true;
    QTest::newRow("shift up") << QList<int>{1038} << 1 << 101 << true;
    QTest::newRow("down at the start speed") << QList<int>{40} << 1 << 100 << true;
    QTest::newRow("pause") << QList<int>{19} << 1 << 100 << false;
    QTest::newRow("pause twice resumes") << QList<int>{19, 19} << 1 << 100 << true;
    QTest::newRow("F1 pauses") << QList<int>{112} << 1 << 100 << false;
    QTest::newRow("F1 while paused stays paused") << QList<int>{19, 112} << 1 << 100 << false;
    QTest::newRow("left while paused only resumes") << QList<int>{19, 37} << 1 << 100 << true;
    QTest::newRow("a second left moves") << QList<int>{19, 37, 37} << 0 << 100 << true;
    QTest::newRow("up while paused only resumes") << QList<int>{112, 38} << 1 << 100 << true;
    QTest::newRow("any other key resumes") << QList<int>{19, 65} << 1 << 100 << true;
}

void TestTick::keysSteerAndPause()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, track);
    QFETCH(int, speed);
    QFETCH(bool, running);

    GameHarness h;
    h.StartQuietly();
    for (int key : keys)
        h.game.KeyDown(key % 1000, key >= 1000 ? 1 : 0);

    QCOMPARE(int(h.game.PlayerCar()->GivePos()), track);
    QCOMPARE(h.controls.imgCar->Left, 260.0f + 1000.0f * float(track));
    QCOMPARE(int(h.game.Speed()), speed);
    QCOMPARE(int(h.game.Step()), 2 * speed);
    QCOMPARE(h.controls.lblSpeed->Caption, std::to_string(speed) + " kmph");
    QCOMPARE(h.controls.Timer1.Enabled, running);
    QCOMPARE(h.controls.lblPaused->Visible, !running);
}

void TestTick::pinnedTopsStayInSixteenBits()
{
    // At a standstill the traffic climbs for ever; it stops at the top of the range.
    GameHarness h;
    h.store.Set("Speed", "0");
    h.store.Set("Time", "1e9");
    h.StartQuietly();
    for (int i = 0; i < 1000; ++i)
        h.game.Tick();
    QCOMPARE(int(h.game.BonusCar()->GetTop()), -32768);
    QCOMPARE(h.controls.lblBonus->Top, -32768.0f);

    // Up at the highest speed does nothing.
    h.store.Set("Speed", "16383");
    h.game.GameStart();
    h.game.KeyDown(Game::vkUp, 0);
    QCOMPARE(int(h.game.Speed()), 16383);
    QCOMPARE(int(h.game.Step()), 32766);
}

QTEST_APPLESS_MAIN(TestTick)
#include "tst_tick.moc"
