// The number rules: 16-bit rounding, rounding to 3 decimals, reading a number from
// text and writing one.

#include "Fakes.h"
#include "game/Numbers.h"

#include <cmath>
#include <limits>

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();

// A double to the last bit: QCOMPARE would let doubles a few bits apart pass.
QString Exact(double x)
{
    return QString::number(x, 'g', 17);
}
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void toInt16_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("exact"); // 99999: does not fit
        QTest::addColumn<int>("pinned");

        QTest::newRow("half to even, down") << 0.5 << 0 << 0;
        QTest::newRow("half to even, up") << 1.5 << 2 << 2;
        QTest::newRow("-2.5") << -2.5 << -2 << -2;
        QTest::newRow("top of the range") << 32767.4 << 32767 << 32767;
        QTest::newRow("rounds past the top") << 32767.5 << 99999 << 32767;
        QTest::newRow("bottom of the range") << -32768.5 << -32768 << -32768;
        QTest::newRow("past the bottom") << -32768.6 << 99999 << -32768;
        QTest::newRow("infinity") << inf << 99999 << 32767;
        QTest::newRow("NaN") << std::nan("") << 99999 << 0;
    }

    void toInt16()
    {
        QFETCH(double, x);
        QCOMPARE(int(Numbers::ToInt16(x).value_or(std::int16_t(0))) + (Numbers::ToInt16(x) ? 0 : 99999), FETCH(int, exact));
        QCOMPARE(int(Numbers::ToInt16Clamped(x)), FETCH(int, pinned));
    }

    void round3_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("rounded");

        QTest::newRow("a tick's distance") << 100.0 * 50 / 3600000 << 0.001;
        QTest::newRow("exact half to even, down") << 0.0625 << 0.062;
        QTest::newRow("exact half to even, up") << 0.1875 << 0.188;
        QTest::newRow("negative exact half") << -0.0625 << -0.062;
        QTest::newRow("0.0005 lies above the half") << 0.0005 << 0.001;
        QTest::newRow("1.0005 lies below the half") << 1.0005 << 1.0;
        QTest::newRow("tiny negative gives plain zero") << -1e-9 << 0.0;
        QTest::newRow("huge stays") << 1e300 << 1e300;
        QTest::newRow("just below 2^52 thousandths, rounded") << 4502703895917.1455 << 4502703895917.146;
        QTest::newRow("past 2^52 thousandths, kept") << 5506993551885.1875 << 5506993551885.1875;
    }

    void round3()
    {
        QFETCH(double, rounded);
        const double got = Numbers::Round3(FETCH(double, x));
        QCOMPARE(Exact(got), Exact(rounded));
        QVERIFY(!std::signbit(got) || rounded < 0);
    }

    void numberFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("whole"); // nothing but the number

        QTest::newRow("blanks anywhere") << " 1 2\t.\n5 " << 12.5 << true;
        QTest::newRow("sign and point") << "-.25" << -0.25 << true;
        QTest::newRow("exponent D, negative") << "25d-1" << 2.5 << true;
        QTest::newRow("stops at a letter") << "12abc" << 12.0 << false;
        QTest::newRow("second point stops") << "1.2.3" << 1.2 << false;
        QTest::newRow("comma is not a point") << "1,5" << 1.0 << false;
        QTest::newRow("no number") << "abc" << 0.0 << false;
        QTest::newRow("empty") << "" << 0.0 << false;
        QTest::newRow("exponent of two digits") << "12.5E+10" << 125e9 << true;
        QTest::newRow("exponent without digits") << "2.5e+" << 2.5 << false;
        QTest::newRow("hexadecimal, every kind of digit") << "&h9fA0aF" << double(0x9FA0AF) << true;
        QTest::newRow("hexadecimal past 16 bits") << "&HFFFF" << 65535.0 << true;
        QTest::newRow("octal stops at 8") << "&O178" << 15.0 << false;
        QTest::newRow("octal, small o") << "&o17" << 15.0 << true;
        QTest::newRow("&H without digits") << "&H" << 0.0 << false;
        QTest::newRow("& alone is no number") << "&12" << 0.0 << false;
        QTest::newRow("past the double range") << "1e999" << inf << true;
        QTest::newRow("just past the double range") << "1e350" << inf << true;
        QTest::newRow("below the double range") << "-1e-999" << 0.0 << true;
        QTest::newRow("just below the double range") << "1e-350" << 0.0 << true;
        QTest::newRow("1 MB of digits") << QString(1 << 20, '9') << inf << true;
        QTest::newRow("1 MB exponent") << "1e" + QString(1 << 20, '9') << inf << true;
    }

    void numberFromText()
    {
        QFETCH(QString, text);
        // A view of the text with a digit after its end: reading never goes past it.
        const std::string buffer = text.toStdString() + "7";
        const std::string_view utf8(buffer.data(), buffer.size() - 1);
        QCOMPARE(Exact(Numbers::NumberFromText(utf8)), Exact(FETCH(double, value)));
        QCOMPARE(Numbers::WholeNumberFromText(utf8).has_value(), FETCH(bool, whole));
    }

    void textOfNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");

        QTest::newRow("below one") << 0.001 << "." << "0.001";
        QTest::newRow("user's separator") << 1.5 << "," << "1,5";
        QTest::newRow("negative") << -29.95 << "." << "-29.95";
        QTest::newRow("15 significant digits") << 0.1 + 0.2 << "." << "0.3";
        QTest::newRow("large in exponent form") << 1e15 << "." << "1E+15";
        QTest::newRow("small in exponent form") << 0.00001 << "." << "1E-05";
        QTest::newRow("largest plain") << 999999999999999.0 << "." << "999999999999999";
        QTest::newRow("whole") << 1.0 << "." << "1";
        QTest::newRow("negative zero") << -0.0 << "." << "0";
        QTest::newRow("infinities") << -inf << "." << "-inf";
        QTest::newRow("not a number") << std::nan("") << "." << "nan";
    }

    void textOfNumber()
    {
        const std::string text = Numbers::TextOfNumber(FETCH(double, value), FETCH(QString, separator).toStdString());
        QCOMPARE(QString::fromStdString(text), FETCH(QString, text));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
