#include "game/Numbers.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <string>

using namespace Numbers;

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
}

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void toInt16RoundsHalvesToEven_data();
    void toInt16RoundsHalvesToEven();
    void toInt16ClampedPinsToTheRange_data();
    void toInt16ClampedPinsToTheRange();
    void round3RoundsHalvesToEven_data();
    void round3RoundsHalvesToEven();
    void numberFromText_data();
    void numberFromText();
    void numberFromTextOfHugeInputs_data();
    void numberFromTextOfHugeInputs();
    void wholeNumberFromText_data();
    void wholeNumberFromText();
    void textOfNumber_data();
    void textOfNumber();
    void textOfNumberReadsBackTheSameValue_data();
    void textOfNumberReadsBackTheSameValue();
};

void TestNumbers::toInt16RoundsHalvesToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");

    QTest::newRow("0.5 goes to 0") << 0.5 << true << 0;
    QTest::newRow("1.5 goes to 2") << 1.5 << true << 2;
    QTest::newRow("100.5 goes to 100") << 100.5 << true << 100;
    QTest::newRow("99.5 goes to 100") << 99.5 << true << 100;
    QTest::newRow("-0.5 goes to 0") << -0.5 << true << 0;
    QTest::newRow("-1.5 goes to -2") << -1.5 << true << -2;
    QTest::newRow("just under a half") << 0.49999999999999994 << true << 0;
    QTest::newRow("just over a half") << 0.5000000000000001 << true << 1;
    QTest::newRow("upper end") << 32767.0 << true << 32767;
    QTest::newRow("32767.5 goes to 32768") << 32767.5 << false << 0;
    QTest::newRow("lower end") << -32768.0 << true << -32768;
    QTest::newRow("-32768.5 goes to -32768") << -32768.5 << true << -32768;
    QTest::newRow("-32769") << -32769.0 << false << 0;
    QTest::newRow("infinity") << inf << false << 0;
    QTest::newRow("NaN") << notANumber << false << 0;
}

void TestNumbers::toInt16RoundsHalvesToEven()
{
    QFETCH(double, x);
    QFETCH(bool, fits);
    QFETCH(int, expected);

    const auto result = ToInt16(x);
    QCOMPARE(result.has_value(), fits);
    if (fits)
        QCOMPARE(int(*result), expected);
}

void TestNumbers::toInt16ClampedPinsToTheRange_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("expected");

    QTest::newRow("inside") << 1.5 << 2;
    QTest::newRow("-40000") << -40000.0 << -32768;
    QTest::newRow("infinity") << inf << 32767;
    QTest::newRow("NaN") << notANumber << 0;
}

void TestNumbers::toInt16ClampedPinsToTheRange()
{
    QFETCH(double, x);
    QFETCH(int, expected);
    QCOMPARE(int(ToInt16Clamped(x)), expected);
}

void TestNumbers::round3RoundsHalvesToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");

    QTest::newRow("12.3456") << 12.3456 << 12.346;
    QTest::newRow("1/720") << 1.0 / 720.0 << 0.001;
    QTest::newRow("0.8333...") << 600 * (100 * 50 / 3600000.0) << 0.833;
    QTest::newRow("whole") << 30.0 << 30.0;
    // Exact binary halves of a thousandth.
    QTest::newRow("0.0625 to even 0.062") << 0.0625 << 0.062;
    QTest::newRow("0.1875 to even 0.188") << 0.1875 << 0.188;
    QTest::newRow("-0.0625 to even -0.062") << -0.0625 << -0.062;
    QTest::newRow("0.0005 lies above the half") << 0.0005 << 0.001;
    // 1.0005 is stored a little below the half; x * 1000 rounds to 1000.5 exactly.
    QTest::newRow("1.0005 lies below the half") << 1.0005 << 1.0;
    QTest::newRow("2.0005 lies above the half") << 2.0005 << 2.001;
    QTest::newRow("tiny negative gives plain zero") << -1e-9 << 0.0;
    QTest::newRow("huge stays") << 1e300 << 1e300;
    QTest::newRow("infinity stays") << inf << inf;
}

void TestNumbers::round3RoundsHalvesToEven()
{
    QFETCH(double, x);
    QFETCH(double, expected);
    const double result = Round3(x);
    QCOMPARE(result, expected);
    QVERIFY(!std::signbit(result) || result != 0.0);
}

void TestNumbers::numberFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << "100" << 100.0;
    QTest::newRow("120abc") << "120abc" << 120.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("decimal") << "12.3456" << 12.3456;
    QTest::newRow("full stop only") << "." << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("minus zero is zero") << "-0" << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("comma stops") << "45,75" << 45.0;
    QTest::newRow("blanks anywhere") << " 1 2\t3\n.5 " << 123.5;
    QTest::newRow("exponent E") << "1.5E3" << 1500.0;
    QTest::newRow("exponent D") << "1D2" << 100.0;
    QTest::newRow("exponent with blanks") << "1 e 2" << 100.0;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent stops at point") << "1e2.5" << 100.0;
    QTest::newRow("hex") << "&H7FFF" << 32767.0;
    QTest::newRow("hex FFFF is unsigned") << "&HFFFF" << 65535.0;
    QTest::newRow("hex with blanks") << " & H 1 0" << 16.0;
    QTest::newRow("hex stops at G") << "&H1G" << 1.0;
    QTest::newRow("hex long") << "&HFFFFFFFFFFFF" << 281474976710655.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("sign before hex") << "-&H10" << 0.0;
    QTest::newRow("1e999 overflows") << "1e999" << inf;
    QTest::newRow("-1e999 overflows") << "-1e999" << -inf;
    QTest::newRow("1e-999 underflows") << "1e-999" << 0.0;
    QTest::newRow("huge exponent") << "1e99999999999999999999999" << inf;
    QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
    QTest::newRow("just past the largest") << "1.8e308" << inf;
    QTest::newRow("zero with huge exponent") << "0e99999" << 0.0;
    QTest::newRow("nan is no number") << "nan" << 0.0;
    QTest::newRow("not UTF-8") << QString::fromLatin1("\xff\xfe" "12") << 0.0;
}

void TestNumbers::numberFromText()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    // Latin-1 rows stand for raw bytes.
    const bool raw = QTest::currentDataTag() == QByteArray("not UTF-8");
    const std::string bytes = raw ? text.toLatin1().toStdString() : text.toStdString();
    const double result = NumberFromText(bytes);
    QCOMPARE(result, expected);
    if (result == 0.0)
        QVERIFY2(!std::signbit(result), "a number read as zero is never negative zero");
}

void TestNumbers::numberFromTextOfHugeInputs_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<double>("expected");

    const std::size_t mega = 1 << 20;
    QTest::newRow("1 MB of digits") << std::string(mega, '9') << inf;
    QTest::newRow("1 MB of zeros then 5") << std::string(mega, '0') + "5" << 5.0;
    QTest::newRow("1 MB of fraction digits") << "0." + std::string(mega, '3') << 1.0 / 3.0;
    QTest::newRow("1 MB of blanks then 8") << std::string(mega, ' ') + "8" << 8.0;
    QTest::newRow("1 MB of letters") << std::string(mega, 'x') << 0.0;
    QTest::newRow("1 MB of hex digits") << "&H" + std::string(mega, 'F') << inf;
    QTest::newRow("1 MB exponent") << "1e" + std::string(mega, '9') << inf;
    QTest::newRow("embedded NUL stops") << std::string("12\0" "34", 5) << 12.0;
}

void TestNumbers::numberFromTextOfHugeInputs()
{
    QFETCH(std::string, text);
    QFETCH(double, expected);
    QCOMPARE(NumberFromText(text), expected);
}

void TestNumbers::wholeNumberFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<double>("expected");

    QTest::newRow("digit") << "1" << true << 1.0;
    QTest::newRow("blanks around") << " 2\t" << true << 2.0;
    QTest::newRow("fraction") << "1.5" << true << 1.5;
    QTest::newRow("hex") << "&H2" << true << 2.0;
    QTest::newRow("trailing letters") << "1abc" << false << 0.0;
    QTest::newRow("trailing exponent marker") << "1 e" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("hex without digits") << "&H" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
}

void TestNumbers::wholeNumberFromText()
{
    QFETCH(QString, text);
    QFETCH(bool, whole);
    QFETCH(double, expected);
    const auto result = WholeNumberFromText(text.toStdString());
    QCOMPARE(result.has_value(), whole);
    if (whole)
        QCOMPARE(*result, expected);
}

void TestNumbers::textOfNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 2.0 << "." << "2";
    QTest::newRow("one and a half") << 1.5 << "." << "1.5";
    QTest::newRow("rounded distance") << Round3(1.0 / 720.0) << "." << "0.001";
    QTest::newRow("rounded time, comma") << Round3(12.3456) << "," << "12,346";
    QTest::newRow("zero") << 0.0 << "." << "0";
    QTest::newRow("negative zero") << -0.0 << "." << "0";
    QTest::newRow("fifteen digits") << 1.0 / 3.0 << "." << "0.333333333333333";
    QTest::newRow("sum that is not exact") << 0.1 + 0.2 << "." << "0.3";
    QTest::newRow("largest plain") << 123456789012345.0 << "." << "123456789012345";
    QTest::newRow("large goes to exponent") << 1e15 << "." << "1E+15";
    QTest::newRow("small plain") << 0.0001 << "." << "0.0001";
    QTest::newRow("small goes to exponent") << 0.00001 << "." << "1E-05";
    QTest::newRow("negative") << -0.25 << "." << "-0.25";
    QTest::newRow("infinity") << inf << "." << "inf";
    QTest::newRow("-infinity") << -inf << "." << "-inf";
    QTest::newRow("NaN") << notANumber << "." << "nan";
}

void TestNumbers::textOfNumber()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(TextOfNumber(value, separator.toStdString())), expected);
}

void TestNumbers::textOfNumberReadsBackTheSameValue_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("45.75") << 45.75;
    QTest::newRow("0.1") << 0.1;
    QTest::newRow("100000") << 100000.0;
    QTest::newRow("-3.25e-9") << -3.25e-9;
    QTest::newRow("1e15") << 1e15;
}

void TestNumbers::textOfNumberReadsBackTheSameValue()
{
    QFETCH(double, value);
    QCOMPARE(NumberFromText(TextOfNumber(value)), value);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
