#include "common/NumberFormat.h"

#include <QtTest>

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void roundTiesToEven_data();
    void roundTiesToEven();
    void pattern_data();
    void pattern();
};

void TestNumberFormat::roundTiesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::addRow("0.5") << 0.5 << 0.0;
    QTest::addRow("1.5") << 1.5 << 2.0;
    QTest::addRow("2.5") << 2.5 << 2.0;
    QTest::addRow("-2.5") << -2.5 << -2.0;
    QTest::addRow("1080.5") << 1080.5 << 1080.0;
    QTest::addRow("1081.5") << 1081.5 << 1082.0;
    QTest::addRow("just above a tie") << 2.5000001 << 3.0;
    QTest::addRow("just below a tie") << 3.4999999 << 3.0;
}

void TestNumberFormat::roundTiesToEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(Round(value), expected);
}

void TestNumberFormat::pattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("minDecimals");
    QTest::addColumn<int>("maxDecimals");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("expected");

    // "0."
    QTest::addRow("0. whole") << 2438.99 << 0 << 0 << '.' << "2439";
    QTest::addRow("0. no separator shown") << 2438.99 << 0 << 0 << ',' << "2439";
    QTest::addRow("0. tie to even") << 2.5 << 0 << 0 << '.' << "2";
    QTest::addRow("0. zero") << 0.0 << 0 << 0 << '.' << "0";
    // "0.##"
    QTest::addRow("0.## two decimals") << 6.6776 << 0 << 2 << '.' << "6.68";
    QTest::addRow("0.## one decimal") << 2.5 << 0 << 2 << '.' << "2.5";
    QTest::addRow("0.## no decimals") << 10.0004 << 0 << 2 << '.' << "10";
    QTest::addRow("0.## comma") << 6.6776 << 0 << 2 << ',' << "6,68";
    // "0.###"
    QTest::addRow("0.### three decimals") << 0.0935833 << 0 << 3 << '.' << "0.094";
    QTest::addRow("0.### trailing zeros dropped") << 2.4 << 0 << 3 << '.' << "2.4";
    QTest::addRow("0.### trailing zero after rounding") << 5.33008 << 0 << 3 << '.' << "5.33";
    QTest::addRow("0.### zero") << 0.0 << 0 << 3 << '.' << "0";
    // "0.0##"
    QTest::addRow("0.0## minimum decimal kept") << 10.0 << 1 << 3 << '.' << "10.0";
    QTest::addRow("0.0## three decimals") << 71.461 << 1 << 3 << '.' << "71.461";
    QTest::addRow("0.0## two decimals") << 63.46 << 1 << 3 << '.' << "63.46";
    QTest::addRow("0.0## comma") << 9999.999 << 1 << 3 << ',' << "9999,999";
    // "0.0####"
    QTest::addRow("0.0#### five decimals") << 0.1234567 << 1 << 5 << '.' << "0.12346";
    QTest::addRow("0.0#### minimum decimal kept") << 3.0 << 1 << 5 << '.' << "3.0";
    QTest::addRow("0.0#### comma") << 1.5 << 1 << 5 << ',' << "1,5";
    // Negative zero and values that round to zero show no sign.
    QTest::addRow("-0 in 0.") << -0.0 << 0 << 0 << '.' << "0";
    QTest::addRow("-0 in 0.##") << -0.0 << 0 << 2 << '.' << "0";
    QTest::addRow("-0.001 in 0.##") << -0.001 << 0 << 2 << '.' << "0";
    QTest::addRow("-0.0001 in 0.0##") << -0.0001 << 1 << 3 << ',' << "0,0";
    QTest::addRow("-0.4 in 0.") << -0.4 << 0 << 0 << '.' << "0";
    QTest::addRow("negative kept") << -1.25 << 0 << 2 << ',' << "-1,25";
}

void TestNumberFormat::pattern()
{
    QFETCH(double, value);
    QFETCH(int, minDecimals);
    QFETCH(int, maxDecimals);
    QFETCH(char, separator);
    QFETCH(QString, expected);
    const std::string text = FormatFloatPattern(value, minDecimals, maxDecimals, separator);
    QCOMPARE(QString::fromStdString(text), expected);
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
