#include "common/Message.h"
#include "common/Text.h"
#include "common/TimeUnits.h"

#include <QtTest>

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void trimmed_data();
    void trimmed();
    void secondOfDay_data();
    void secondOfDay();
    void latin1ToUtf8_data();
    void latin1ToUtf8();
    void filled_data();
    void filled();
};

void TestHelpers::trimmed_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("blanks both sides") << QByteArray("  0001 ") << QByteArray("0001");
    QTest::addRow("inner blanks kept") << QByteArray(" a b ") << QByteArray("a b");
    QTest::addRow("tabs, line ends, NUL") << QByteArray("\t\r\n\0x\0\r\n", 8) << QByteArray("x");
    QTest::addRow("only blanks") << QByteArray(" \t ") << QByteArray();
    QTest::addRow("empty") << QByteArray() << QByteArray();
    // Latin-1 letters are bytes above 127, which a signed comparison would take for controls.
    QTest::addRow("8-bit letters at both ends")
        << QByteArray("\xE4nd\xFC ") << QByteArray("\xE4nd\xFC");
    QTest::addRow("no-break space kept") << QByteArray("\xA0x\xA0") << QByteArray("\xA0x\xA0");
}

void TestHelpers::trimmed()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    const std::string_view result = Trimmed(std::string_view(text.constData(), text.size()));
    QCOMPARE(QByteArray(result.data(), static_cast<qsizetype>(result.size())), expected);
}

void TestHelpers::secondOfDay_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<qint64>("expected");

    QTest::addRow("midnight") << qint64(0) << qint64(0);
    QTest::addRow("within the day") << qint64(3723) << qint64(3723);
    QTest::addRow("a day later") << qint64(86400 + 60) << qint64(60);
    QTest::addRow("one second before midnight") << qint64(-1) << qint64(86399);
    QTest::addRow("a day and an hour before") << qint64(-90000) << qint64(82800);
}

void TestHelpers::secondOfDay()
{
    QFETCH(qint64, seconds);
    QFETCH(qint64, expected);
    QCOMPARE(static_cast<qint64>(SecondOfDay(seconds)), expected);
}

void TestHelpers::latin1ToUtf8_data()
{
    QTest::addColumn<QByteArray>("latin1");

    QTest::addRow("ASCII") << QByteArray("PEL0000042");
    QTest::addRow("letters above 127") << QByteArray("Stra\xDF"
                                                     "e \xC4\xD6\xDC");
    QTest::addRow("no-break space and the last byte") << QByteArray("\xA0\xFF\x80");
    QTest::addRow("NUL kept") << QByteArray(" ST01\0\0", 7);
    QTest::addRow("empty") << QByteArray();
}

// Every byte is the character of its own code.
void TestHelpers::latin1ToUtf8()
{
    QFETCH(QByteArray, latin1);
    const std::string utf8 = Latin1ToUtf8(std::string_view(latin1.constData(), latin1.size()));
    QCOMPARE(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())),
             QString::fromLatin1(latin1));
}

void TestHelpers::filled_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("expected");

    QTest::addRow("two marks") << "%1  already exists: %2" << QStringList{"a.kcf", "why"}
                               << "a.kcf  already exists: why";
    QTest::addRow("marks out of order") << "%2, %1" << QStringList{"a", "b"} << "b, a";
    // A file name may hold a mark of its own.
    QTest::addRow("a value holding a mark")
        << "%1: %2" << QStringList{"100%2.kcf", "full"} << "100%2.kcf: full";
    QTest::addRow("a mark without a value") << "%1 of %3" << QStringList{"3"} << "3 of %3";
    QTest::addRow("a percent sign at the end") << "100%" << QStringList{} << "100%";
}

void TestHelpers::filled()
{
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    QFETCH(QString, expected);
    std::vector<std::string> held;
    for (const QString &value : values)
        held.push_back(value.toStdString());
    const std::string result = Filled(text.toStdString(), held);
    QCOMPARE(QString::fromStdString(result), expected);
}

QTEST_APPLESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
