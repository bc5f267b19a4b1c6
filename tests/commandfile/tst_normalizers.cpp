#include "PinnedRandom.h"
#include "commandfile/AckId.h"
#include "commandfile/Normalizers.h"

#include "tests/support/TestText.h"

#include <QtTest>

namespace {

// Upper-casing as a locale does it, where one letter may become two.
std::string LocaleLikeUpperCase(const std::string &text)
{
    return text == "\xC3\x9F" ? "SS" : AsciiUpperCase(text);
}

constexpr int FieldLength = 10;

} // namespace

class TestNormalizers : public QObject
{
    Q_OBJECT

private slots:
    void fitToLength_data();
    void fitToLength();
    void normalizeId_data();
    void normalizeId();
    void normalizeIdUsesGivenUpperCase();
    void normalizeNumber_data();
    void normalizeNumber();
    void normalizeNumberForTheUser();
    void toLocalDecimalSeparator_data();
    void toLocalDecimalSeparator();
    void formatGeneralNumber_data();
    void formatGeneralNumber();
    void formatPanelNumber_data();
    void formatPanelNumber();
    void newAckIdRedraws_data();
    void newAckIdRedraws();
    void newAckIdAsksForFullRange();
    void seededSourceStaysInRange();
};

void TestNormalizers::fitToLength_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("padded") << QByteArray("12") << 10 << QByteArray("0000000012");
    QTest::addRow("cut") << QByteArray("12345") << 4 << QByteArray("1234");
    QTest::addRow("exact") << QByteArray("UBAT") << 4 << QByteArray("UBAT");
    QTest::addRow("cut keeps whole characters")
        << QByteArray("\xC3\xA4\xC3\xB6x") << 2 << QByteArray("\xC3\xA4\xC3\xB6");
    QTest::addRow("padding counts characters")
        << QByteArray("\xC3\xA4") << 3 << QByteArray("00\xC3\xA4");
}

void TestNormalizers::fitToLength()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(FitToLength(text.toStdString(), length, '0')), expected);
}

void TestNormalizers::normalizeId_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("station 12") << QByteArray("12") << 10 << QByteArray("0000000012");
    QTest::addRow("lower case and dash") << QByteArray("abc-1") << 10 << QByteArray("00000ABC-1");
    QTest::addRow("empty") << QByteArray("") << 10 << QByteArray("0000000001");
    QTest::addRow("blank deleted") << QByteArray("ab c") << 10 << QByteArray("0000000ABC");
    QTest::addRow("only signs") << QByteArray("#+ .") << 10 << QByteArray("0000000001");
    QTest::addRow("brackets and underscore")
        << QByteArray("(a)_b") << 10 << QByteArray("00000(A)_B");
    QTest::addRow("measurement cut") << QByteArray("12345") << 4 << QByteArray("1234");
    QTest::addRow("measurement 1") << QByteArray("1") << 4 << QByteArray("0001");
    QTest::addRow("umlaut deleted") << QByteArray("\xC3\xA4u") << 4 << QByteArray("000U");
}

void TestNormalizers::normalizeId()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(NormalizeId(text.toStdString(), length)), expected);
}

void TestNormalizers::normalizeIdUsesGivenUpperCase()
{
    QCOMPARE(Bytes(NormalizeId("\xC3\x9F", 4, LocaleLikeUpperCase)), QByteArray("00SS"));
}

void TestNormalizers::normalizeNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<float>("defaultValue");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("comma") << QByteArray("2,50") << 0.0f << QByteArray("2.5");
    QTest::addRow("unit deleted") << QByteArray("1.250 m") << 0.0f << QByteArray("1.25");
    QTest::addRow("two separators") << QByteArray("1.000,5") << 0.0f << QByteArray("0");
    QTest::addRow("two separators, factor") << QByteArray("1.000,5") << 1.0f << QByteArray("1");
    QTest::addRow("small") << QByteArray("0,00001") << 0.0f << QByteArray("1E-5");
    QTest::addRow("small with decimals") << QByteArray("0.0000025") << 0.0f << QByteArray("2.5E-6");
    QTest::addRow("small negative") << QByteArray("-0.000012") << 0.0f << QByteArray("-1.2E-5");
    QTest::addRow("smallest fixed") << QByteArray("0.00010") << 0.0f << QByteArray("0.0001");
    QTest::addRow("letter deleted") << QByteArray("1e5") << 0.0f << QByteArray("15");
    QTest::addRow("eleven digits") << QByteArray("12345678901") << 0.0f << QByteArray("1234567890");
    QTest::addRow("cut after deleting")
        << QByteArray(" x1234567890123") << 0.0f << QByteArray("1234567890");
    QTest::addRow("minus") << QByteArray("-0.25") << 0.0f << QByteArray("-0.25");
    QTest::addRow("plus") << QByteArray("+2") << 0.0f << QByteArray("2");
    QTest::addRow("sign alone") << QByteArray("-") << 0.0f << QByteArray("0");
    QTest::addRow("sign in the middle") << QByteArray("1-2") << 0.0f << QByteArray("0");
    QTest::addRow("two signs") << QByteArray("--1") << 0.0f << QByteArray("0");
    QTest::addRow("separator alone") << QByteArray(",") << 0.0f << QByteArray("0");
    QTest::addRow("empty, factor") << QByteArray("") << 1.0f << QByteArray("1");
    QTest::addRow("blanks and tab") << QByteArray(" \t7 \r\n") << 0.0f << QByteArray("7");
    QTest::addRow("no leading digit") << QByteArray(".5") << 0.0f << QByteArray("0.5");
    QTest::addRow("no trailing digit") << QByteArray("5.") << 0.0f << QByteArray("5");
    QTest::addRow("negative zero") << QByteArray("-0") << 0.0f << QByteArray("0");
    QTest::addRow("trailing zeros") << QByteArray("100.000") << 0.0f << QByteArray("100");
}

void TestNormalizers::normalizeNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(float, defaultValue);
    QFETCH(QByteArray, expected);
    for (const char separator : {'.', ','}) {
        const std::string number =
            NormalizeNumber(text.toStdString(), FieldLength, true, defaultValue, separator);
        QVERIFY2(Bytes(number) == expected,
                 qPrintable(QStringLiteral("separator %1 gives %2")
                                .arg(QChar(separator), QString::fromStdString(number))));
    }
}

void TestNormalizers::normalizeNumberForTheUser()
{
    QCOMPARE(Bytes(NormalizeNumber("2.50", FieldLength, false, 0, ',')), QByteArray("2,5"));
    QCOMPARE(Bytes(NormalizeNumber("0.0000025", FieldLength, false, 0, ',')), QByteArray("2,5E-6"));
    QCOMPARE(Bytes(NormalizeNumber("2,50", FieldLength, false, 0, '.')), QByteArray("2.5"));
}

void TestNormalizers::toLocalDecimalSeparator_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("point") << '.' << QByteArray("1.000.5");
    QTest::addRow("comma") << ',' << QByteArray("1,000,5");
    QTest::addRow("other separator replaces nothing") << '\'' << QByteArray("1.000,5");
}

void TestNormalizers::toLocalDecimalSeparator()
{
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(ToLocalDecimalSeparator("1.000,5", separator)), expected);
}

void TestNormalizers::formatGeneralNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("whole") << 2.0 << QByteArray("2");
    QTest::addRow("binary fraction noise") << 0.1 + 0.2 << QByteArray("0.3");
    QTest::addRow("fifteen digits") << 1234567890.12345678 << QByteArray("1234567890.12346");
    QTest::addRow("large stays fixed") << 1e20 << QByteArray("100000000000000000000");
    QTest::addRow("large rounded") << 123456789012345678.0 << QByteArray("123456789012346000");
    QTest::addRow("exponent form") << 1.23456789e-7 << QByteArray("1.23456789E-7");
    QTest::addRow("just below limit") << 9.9e-5 << QByteArray("9.9E-5");
    QTest::addRow("zero") << 0.0 << QByteArray("0");
}

void TestNormalizers::formatGeneralNumber()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(FormatGeneralNumber(value)), expected);
}

void TestNormalizers::formatPanelNumber_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("one") << 1.0f << '.' << QByteArray("1.0");
    QTest::addRow("no limit") << -9999999.0f << '.' << QByteArray("-9999999.0");
    QTest::addRow("rounded to five") << 0.123456f << '.' << QByteArray("0.12346");
    QTest::addRow("German separator") << 1.0f << ',' << QByteArray("1,0");
}

void TestNormalizers::formatPanelNumber()
{
    QFETCH(float, value);
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(FormatPanelNumber(value, separator)), expected);
}

void TestNormalizers::newAckIdRedraws_data()
{
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("first draw taken") << QList<int>{54321} << QByteArray("54321");
    QTest::addRow("lowest id") << QList<int>{10001} << QByteArray("10001");
    QTest::addRow("highest id") << QList<int>{99998} << QByteArray("99998");
    QTest::addRow("10000 and 0 drawn again") << QList<int>{10000, 0, 10001} << QByteArray("10001");
    QTest::addRow("short ids drawn again") << QList<int>{5, 9999, 42424} << QByteArray("42424");
    QTest::addRow("draw above range drawn again")
        << QList<int>{99999, 100000, 20000} << QByteArray("20000");
}

void TestNormalizers::newAckIdRedraws()
{
    QFETCH(QList<int>, draws);
    QFETCH(QByteArray, expected);
    const RandomSource source = SequenceSource(std::vector<int>(draws.begin(), draws.end()));
    QCOMPARE(Bytes(NewAckId(source)), expected);
}

void TestNormalizers::newAckIdAsksForFullRange()
{
    int asked[2] = {-1, -1};
    NewAckId([&asked](int low, int high) {
        asked[0] = low;
        asked[1] = high;
        return 12345;
    });
    QCOMPARE(asked[0], 0);
    QCOMPARE(asked[1], 99998);
}

void TestNormalizers::seededSourceStaysInRange()
{
    const RandomSource source = SeededRandomSource(7);
    for (int i = 0; i < 2000; ++i) {
        const int id = std::stoi(NewAckId(source));
        QVERIFY2(id >= 10001 && id <= 99998, qPrintable(QString::number(id)));
    }
}

QTEST_APPLESS_MAIN(TestNormalizers)
#include "tst_normalizers.moc"
