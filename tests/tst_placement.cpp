#include "GameFakes.h"

#include <QtTest>

namespace {

// The second draw of SetRandom that sends a car to a given Top (0 down to -8842).
float DrawForTop(int top)
{
    return float(-top / (5895.0 * 1.5));
}

// The first draw of SetRandom for a track.
float DrawForTrack(int track)
{
    return track == 0 ? 0.0f : track == 1 ? 0.5f : 0.9f;
}

void Place(clsCar& car, int track, int top)
{
    car.SetPos(std::int16_t(track));
    car.SetTop(std::int16_t(top));
}

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void checkPosLooksAboveALine_data();
    void checkPosLooksAboveALine();
    void setRandomDrawsTrackAndHeight_data();
    void setRandomDrawsTrackAndHeight();
    void racerKeepsAWayThrough_data();
    void racerKeepsAWayThrough();
    void refusedCarIsPutBackExactly();
    void carsSentBackTogetherGetDifferentPlaces();
};

void TestPlacement::checkPosLooksAboveALine_data()
{
    QTest::addColumn<int>("racerTrack");
    QTest::addColumn<int>("racerTop");
    QTest::addColumn<float>("carLength");
    QTest::addColumn<bool>("taken");

    QTest::newRow("other track") << 2 << -1000 << 1.5f << false;
    QTest::newRow("exactly at the line's start") << 1 << -1000 << 1.5f << false;
    QTest::newRow("far above") << 1 << -6000 << 1.5f << true;
    QTest::newRow("719 below") << 1 << -281 << 1.5f << true;
    QTest::newRow("720 below") << 1 << -280 << 1.5f << false;
    QTest::newRow("479 below, one length") << 1 << -521 << 1.0f << true;
    QTest::newRow("480 below, one length") << 1 << -520 << 1.0f << false;
    QTest::newRow("difference past 16 bits") << 1 << -32768 << 1.0f << true;
}

void TestPlacement::checkPosLooksAboveALine()
{
    QFETCH(int, racerTrack);
    QFETCH(int, racerTop);
    QFETCH(float, carLength);
    QFETCH(bool, taken);

    GameHarness h;
    h.StartQuietly();
    for (int i = 0; i < 4; ++i)
        Place(*h.game.Racer(i), 0, 5000); // out of the way, in track 0 below the line
    Place(*h.game.Racer(2), racerTrack, racerTop);
    const std::int16_t start = racerTop == -32768 ? 32767 : -1000;
    QCOMPARE(h.game.CheckPos(start, 1, carLength), taken);
}

void TestPlacement::setRandomDrawsTrackAndHeight_data()
{
    QTest::addColumn<float>("r1");
    QTest::addColumn<float>("r2");
    QTest::addColumn<int>("track");
    QTest::addColumn<int>("top");

    QTest::newRow("r1 0 to track 0, r2 0 to the road's top") << 0.0f << 0.0f << 0 << 0;
    QTest::newRow("r1 0.25 to track 0 (half to even)") << 0.25f << 0.5f << 0 << -4421;
    QTest::newRow("just above 0.25 to track 1") << 0.2500001f << 0.1f << 1 << -884;
    QTest::newRow("r1 0.75 to track 2 (half to even)") << 0.75f << 0.9f << 2 << -7958;
    QTest::newRow("highest draws") << 0.99999994f << 0.99999994f << 2 << -8842;
}

void TestPlacement::setRandomDrawsTrackAndHeight()
{
    QFETCH(float, r1);
    QFETCH(float, r2);
    QFETCH(int, track);
    QFETCH(int, top);

    GameHarness h;
    h.StartQuietly();
    // Nothing in the way: every other racer far below, the bonus far off.
    for (int i = 0; i < 4; ++i)
        Place(*h.game.Racer(i), 0, 9000);
    Place(*h.game.BonusCar(), 0, 20000);

    const int reseeds = h.random.reseeds;
    h.random.draws = {r1, r2};
    h.game.SetRandom(*h.game.Racer(1), false);

    QCOMPARE(h.random.reseeds, reseeds + 1);
    QVERIFY(h.random.draws.empty());
    QCOMPARE(int(h.game.Racer(1)->GivePos()), track);
    QCOMPARE(int(h.game.Racer(1)->GetTop()), top);
    QCOMPARE(h.controls.imgRacers[1]->Left, 260.0f + 1000.0f * float(track));
}

void TestPlacement::racerKeepsAWayThrough_data()
{
    QTest::addColumn<bool>("isBonus");
    QTest::addColumn<int>("newTrack");
    QTest::addColumn<int>("newTop");
    QTest::addColumn<QList<int>>("others"); // track, Top of racers 1..3
    QTest::addColumn<QList<int>>("bonus");  // track, Top
    QTest::addColumn<bool>("refused");

    const QList<int> farBonus{0, 20000};
    QTest::newRow("track 0, middle taken at -3000")
        << false << 0 << -2000 << QList<int>{1, -3000, 2, 9000, 2, 9000} << farBonus << true;
    QTest::newRow("track 0, middle taken at -1000")
        << false << 0 << -2000 << QList<int>{1, -1000, 2, 9000, 2, 9000} << farBonus << true;
    QTest::newRow("track 0, middle at -800 leaves a way")
        << false << 0 << -2000 << QList<int>{1, -800, 2, -5000, 2, 9000} << farBonus << false;
    QTest::newRow("track 0, middle exactly at the bottom edge")
        << false << 0 << -2000 << QList<int>{1, -1520, 2, 9000, 2, 9000} << farBonus << false;
    QTest::newRow("track 2, middle taken")
        << false << 2 << -2000 << QList<int>{1, -3000, 0, 9000, 0, 9000} << farBonus << true;
    QTest::newRow("track 1, one outer track taken")
        << false << 1 << -2000 << QList<int>{0, -3000, 2, 9000, 2, 9000} << farBonus << false;
    QTest::newRow("track 1, both outer tracks taken")
        << false << 1 << -2000 << QList<int>{0, -3000, 2, -1000, 2, 9000} << farBonus << true;
    QTest::newRow("own track taken within one length")
        << false << 0 << -2000 << QList<int>{0, -2400, 2, 9000, 2, 9000} << farBonus << true;
    QTest::newRow("own track, one length above")
        << false << 0 << -2000 << QList<int>{0, -2480, 1, 9000, 2, 9000} << farBonus << true;
    QTest::newRow("near the bonus in another track")
        << false << 0 << -2000 << QList<int>{2, 9000, 2, 9000, 2, 9000} << QList<int>{2, -1600}
        << true;
    QTest::newRow("a length from the bonus")
        << false << 0 << -2000 << QList<int>{2, 9000, 2, 9000, 2, 9000} << QList<int>{2, -1520}
        << false;
    QTest::newRow("bonus takes test 1 only: beside a racer")
        << true << 0 << -2000 << QList<int>{1, -3000, 1, -2000, 2, 9000} << farBonus << false;
    QTest::newRow("bonus takes test 1: racer above in its track")
        << true << 0 << -2000 << QList<int>{0, -2400, 2, 9000, 2, 9000} << farBonus << true;
}

void TestPlacement::racerKeepsAWayThrough()
{
    QFETCH(bool, isBonus);
    QFETCH(int, newTrack);
    QFETCH(int, newTop);
    QFETCH(QList<int>, others);
    QFETCH(QList<int>, bonus);
    QFETCH(bool, refused);

    GameHarness h;
    h.StartQuietly();
    for (int i = 1; i < 4; ++i)
        Place(*h.game.Racer(i), others[2 * (i - 1)], others[2 * (i - 1) + 1]);
    clsCar& car = isBonus ? *h.game.BonusCar() : *h.game.Racer(0);
    Place(*h.game.Racer(0), 1, 6000); // below the road, waiting to come back
    if (!isBonus)
        Place(*h.game.BonusCar(), bonus[0], bonus[1]);
    else
        Place(car, 1, 18000);

    h.random.draws = {DrawForTrack(newTrack), DrawForTop(newTop)};
    h.game.SetRandom(car, isBonus);

    QCOMPARE(int(car.GivePos()), refused ? 1 : newTrack);
    QCOMPARE(int(car.GetTop()), refused ? (isBonus ? 18000 : 6000) : newTop);
}

void TestPlacement::refusedCarIsPutBackExactly()
{
    GameHarness h;
    h.StartQuietly();
    Place(*h.game.Racer(1), 0, -3000);
    Place(*h.game.Racer(0), 2, 5990);
    h.controls.imgRacers[0]->Top = 5990.25f; // GetTop reads it as 5990
    const float left = h.controls.imgRacers[0]->Left;

    h.random.draws = {0.0f, DrawForTop(-3100)};
    h.game.SetRandom(*h.game.Racer(0), false);

    QCOMPARE(int(h.game.Racer(0)->GivePos()), 2);
    QCOMPARE(int(h.game.Racer(0)->GetTop()), 5990);
    QCOMPARE(h.controls.imgRacers[0]->Left, left);
}

void TestPlacement::carsSentBackTogetherGetDifferentPlaces()
{
    // With the real generator and one clock reading for both calls, as when two
    // racers leave the road in the same tick.
    GameHarness h(".", GameHarness::Draws::Generated);
    Game& game = h.game;
    game.GameStart();

    int same = 0;
    for (int round = 0; round < 50; ++round) {
        for (int i = 0; i < 4; ++i)
            Place(*game.Racer(i), i % 3, 30000 + i); // all far below, nothing in the way
        Place(*game.BonusCar(), 0, 30000);
        game.SetRandom(*game.Racer(0), false);
        game.SetRandom(*game.Racer(1), false);
        if (game.Racer(0)->GetTop() == game.Racer(1)->GetTop())
            ++same;
    }
    QVERIFY2(same < 5, qPrintable(QString::number(same)));
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
