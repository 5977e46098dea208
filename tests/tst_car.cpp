#include "game/Control.h"
#include "game/clsCar.h"

#include <QtTest>

#include <limits>
#include <memory>

namespace {

std::shared_ptr<Control> MakeControl(float width, float top = 0.0f)
{
    auto control = std::make_shared<Control>();
    control->Width = width;
    control->Height = 480.0f;
    control->Top = top;
    return control;
}

} // namespace

class TestCar : public QObject
{
    Q_OBJECT

private slots:
    void constructorCentresTheCarInItsTrack_data();
    void constructorCentresTheCarInItsTrack();
    void setPosReadsTheCurrentWidth();
    void getTopRoundsHalvesToEven_data();
    void getTopRoundsHalvesToEven();
    void aCarWithoutControlChangesNothing();
};

void TestCar::constructorCentresTheCarInItsTrack_data()
{
    QTest::addColumn<int>("track");
    QTest::addColumn<int>("roadWidth");
    QTest::addColumn<int>("tracks");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("expectedLeft");

    QTest::newRow("track 1") << 1 << 3000 << 3 << 480.0f << 1260.0f;
    QTest::newRow("track 3 lies beside the road") << 3 << 3000 << 3 << 480.0f << 3260.0f;
    QTest::newRow("uneven split in double precision") << 1 << 1000 << 3 << 100.0f
                                                      << float(1000.0 / 3 + (1000.0 / 3 - 100) / 2);
    QTest::newRow("product past 16 bits kept exact") << 20 << 3000 << 3 << 480.0f << 20260.0f;
    QTest::newRow("largest product") << -32768 << -32768 << 1 << 0.0f
                                     << float(32768.0 * 32768.0 - 16384.0);
    QTest::newRow("no tracks leaves Left alone") << 1 << 3000 << 0 << 480.0f << -1.0f;
    QTest::newRow("negative track count leaves Left alone") << 1 << 3000 << -3 << 480.0f << -1.0f;
}

void TestCar::constructorCentresTheCarInItsTrack()
{
    QFETCH(int, track);
    QFETCH(int, roadWidth);
    QFETCH(int, tracks);
    QFETCH(float, width);
    QFETCH(float, expectedLeft);

    auto control = MakeControl(width, 1234.0f);
    control->Left = -1.0f;
    clsCar car;
    car.Constructor(control, std::int16_t(track), std::int16_t(roadWidth), std::int16_t(tracks));
    QCOMPARE(control->Left, expectedLeft);
    QCOMPARE(int(car.GivePos()), track);
    QCOMPARE(control->Top, 1234.0f); // the constructor never moves the car vertically
}

void TestCar::setPosReadsTheCurrentWidth()
{
    auto control = MakeControl(480.0f);
    clsCar car;
    car.Constructor(control, 1, 3000, 3);
    control->Width = 200.0f;
    car.SetPos(2);
    QCOMPARE(control->Left, 2400.0f);
    QCOMPARE(int(car.GivePos()), 2);
}

void TestCar::getTopRoundsHalvesToEven_data()
{
    QTest::addColumn<float>("top");
    QTest::addColumn<int>("expected");

    QTest::newRow("100.5 to 100") << 100.5f << 100;
    QTest::newRow("101.5 to 102") << 101.5f << 102;
    QTest::newRow("-720") << -720.0f << -720;
    QTest::newRow("-0.5 to 0") << -0.5f << 0;
    QTest::newRow("past the top of the range pins") << 40000.0f << 32767;
    QTest::newRow("past the bottom of the range pins") << -1e9f << -32768;
    QTest::newRow("infinity pins") << std::numeric_limits<float>::infinity() << 32767;
    QTest::newRow("NaN reads as 0") << std::numeric_limits<float>::quiet_NaN() << 0;
}

void TestCar::getTopRoundsHalvesToEven()
{
    QFETCH(float, top);
    QFETCH(int, expected);

    auto control = MakeControl(480.0f);
    clsCar car;
    car.Constructor(control, 0, 3000, 3);
    control->Top = top;
    QCOMPARE(int(car.GetTop()), expected);
}

void TestCar::aCarWithoutControlChangesNothing()
{
    clsCar car;
    car.SetPos(2);
    car.SetTop(100);
    QCOMPARE(int(car.GivePos()), 2);
    QCOMPARE(int(car.GetTop()), 0);
}

QTEST_APPLESS_MAIN(TestCar)
#include "tst_car.moc"
