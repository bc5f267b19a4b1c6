#include "common/Message.h"
#include "common/Text.h"
#include "common/TimeUnits.h"
#include "tests/support/TestText.h"

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
    void toLatin1_data();
    void toLatin1();
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

void TestHelpers::toLatin1_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("character");
    QTest::addColumn<int>("line");

    QTest::addRow("ASCII unchanged")
        << QByteArray("<a x=\"&\" />\r\n") << QByteArray("<a x=\"&\" />\r\n") << QByteArray() << 0;
    QTest::addRow("umlaut and last Latin-1 letter")
        << QByteArray("\xC3\xA4\xC3\xBF\r\n") << QByteArray("\xE4\xFF\r\n") << QByteArray() << 0;
    QTest::addRow("euro on line 3")
        << QByteArray("<?xml?>\r\n<a>\r\n  \xC3\xA4\xE2\x82\xAC.bin\r\n") << QByteArray()
        << QByteArray("\xE2\x82\xAC") << 3;
    QTest::addRow("euro on line 1")
        << QByteArray("\xE2\x82\xAC") << QByteArray() << QByteArray("\xE2\x82\xAC") << 1;
    QTest::addRow("first of two reported") << QByteArray("a\r\n\xC5\x81\r\n\xE2\x82\xAC")
                                           << QByteArray() << QByteArray("\xC5\x81") << 2;
    QTest::addRow("lone line feeds count")
        << QByteArray("a\nb\n\xE2\x82\xAC") << QByteArray() << QByteArray("\xE2\x82\xAC") << 3;
    QTest::addRow("invalid UTF-8")
        << QByteArray("ok\r\n\xFF") << QByteArray() << QByteArray("\xFF") << 2;
}

void TestHelpers::toLatin1()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, character);
    QFETCH(int, line);

    const Latin1Text result = ToLatin1(text.toStdString());
    QCOMPARE(Bytes(result.bytes), bytes);
    QCOMPARE(result.unencodable.has_value(), !character.isEmpty());
    if (result.unencodable) {
        QCOMPARE(Bytes(result.unencodable->character), character);
        QCOMPARE(result.unencodable->line, line);
    }
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
