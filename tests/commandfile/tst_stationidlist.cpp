#include "commandfile/StationIdList.h"

#include "tests/support/Folder.h"
#include "tests/support/TestText.h"

#include <QtTest>

namespace fs = std::filesystem;

namespace {

const char *StatusName(StationIdLine::Status status)
{
    switch (status) {
    case StationIdLine::Status::Kept:
        return "kept";
    case StationIdLine::Status::Changed:
        return "changed";
    case StationIdLine::Status::Empty:
        return "empty";
    case StationIdLine::Status::Duplicate:
        return "duplicate";
    }
    return "?";
}

// One line per line of the list: "2 changed 0000000ABC", "4 duplicate of 1".
QString LinesText(const StationIdList &list)
{
    QStringList lines;
    for (const StationIdLine &line : list.lines) {
        QString text = QString("%1 %2").arg(line.number).arg(StatusName(line.status));
        if (line.status == StationIdLine::Status::Duplicate)
            text += QString(" of %1").arg(line.firstLine);
        else if (!line.id.empty())
            text += " " + QString::fromStdString(line.id);
        lines << text;
    }
    return lines.join(" | ");
}

QString IdsText(const StationIdList &list)
{
    QStringList ids;
    for (const std::string &id : list.ids)
        ids << QString::fromStdString(id);
    return ids.join(' ');
}

} // namespace

class TestStationIdList : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void linesKeepTheirText();
    void parseUsesGivenUpperCase();
    void readFile_data();
    void readFile();
};

void TestStationIdList::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("ids");

    QTest::addRow("LF") << QByteArray("0000000001\n0000000002\n")
                        << "1 kept 0000000001 | 2 kept 0000000002"
                        << "0000000001 0000000002";
    QTest::addRow("CR LF, blanks around")
        << QByteArray(" 0000000001 \r\n\t0000000002\r\n") << "1 kept 0000000001 | 2 kept 0000000002"
        << "0000000001 0000000002";
    QTest::addRow("CR only, no end after the last")
        << QByteArray("0000000001\r0000000002") << "1 kept 0000000001 | 2 kept 0000000002"
        << "0000000001 0000000002";
    // CR LF is one line end; LF CR are two.
    QTest::addRow("mixed ends") << QByteArray("AAAAAAAAAA\r\nBBBBBBBBBB\n\rCCCCCCCCCC\rDDDDDDDDDD")
                                << "1 kept AAAAAAAAAA | 2 kept BBBBBBBBBB | 3 empty | "
                                   "4 kept CCCCCCCCCC | 5 kept DDDDDDDDDD"
                                << "AAAAAAAAAA BBBBBBBBBB CCCCCCCCCC DDDDDDDDDD";
    QTest::addRow("normalised as the field does")
        << QByteArray("ab c\n12\nabc-1\n12345678901\n(x)_y\n")
        << "1 changed 0000000ABC | 2 changed 0000000012 | 3 changed 00000ABC-1 | "
           "4 changed 1234567890 | 5 changed 00000(X)_Y"
        << "0000000ABC 0000000012 00000ABC-1 1234567890 00000(X)_Y";
    // Nothing left of a line that is not empty: the field's own default.
    QTest::addRow("signs only") << QByteArray("...\n") << "1 changed 0000000001"
                                << "0000000001";
    QTest::addRow("duplicates, also after normalising")
        << QByteArray("12\n0000000012\n12\nabc\n0000000ABC\n")
        << "1 changed 0000000012 | 2 duplicate of 1 | 3 duplicate of 1 | "
           "4 changed 0000000ABC | 5 duplicate of 4"
        << "0000000012 0000000ABC";
    QTest::addRow("empty lines") << QByteArray("\n  \n0000000001\n\t\n\n")
                                 << "1 empty | 2 empty | 3 kept 0000000001 | 4 empty | 5 empty"
                                 << "0000000001";
    QTest::addRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "0000000001\r\n")
                                     << "1 kept 0000000001"
                                     << "0000000001";
    QTest::addRow("empty text") << QByteArray() << QString() << QString();
    QTest::addRow("a line end alone") << QByteArray("\r\n") << "1 empty" << QString();
}

void TestStationIdList::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, lines);
    QFETCH(QString, ids);
    const StationIdList list = ParseStationIdList(text.toStdString());
    QCOMPARE(LinesText(list), lines);
    QCOMPARE(IdsText(list), ids);
}

// The dialog shows each line as it stood, beside what it becomes.
void TestStationIdList::linesKeepTheirText()
{
    const StationIdList list = ParseStationIdList(" ab c \r\n\r\n0000000ABC");
    QCOMPARE(list.lines.size(), std::size_t(3));
    QCOMPARE(Bytes(list.lines[0].text), QByteArray(" ab c "));
    QCOMPARE(Bytes(list.lines[1].text), QByteArray());
    QCOMPARE(Bytes(list.lines[2].text), QByteArray("0000000ABC"));
}

void TestStationIdList::parseUsesGivenUpperCase()
{
    const UpperCase sharpS = [](const std::string &text) {
        std::string upper = AsciiUpperCase(text);
        for (std::size_t at; (at = upper.find("\xC3\x9F")) != std::string::npos;)
            upper.replace(at, 2, "SS");
        return upper;
    };
    const StationIdList list = ParseStationIdList("stra\xC3\x9F"
                                                  "e\n000STRASSE\n",
                                                  sharpS);
    QCOMPARE(LinesText(list), QString("1 changed 000STRASSE | 2 duplicate of 1"));
}

void TestStationIdList::readFile_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: a folder in the file's place
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fault"); // FileFault::Kind

    QTest::addRow("UTF-8") << QByteArray("St\xC3\xA4tion\r\n0000000001\r\n")
                           << QString::fromUtf8("St\u00E4tion\r\n0000000001\r\n")
                           << int(FileFault::Kind::None);
    QTest::addRow("Latin-1") << QByteArray("St\xE4tion\n") << QString::fromUtf8("St\u00E4tion\n")
                             << int(FileFault::Kind::None);
    QTest::addRow("a folder") << QByteArray() << QString() << int(FileFault::Kind::NotRegular);
    QTest::addRow("at the bound") << QByteArray(int(MaxStationIdFileBytes), '7')
                                  << QString(int(MaxStationIdFileBytes), '7')
                                  << int(FileFault::Kind::None);
    QTest::addRow("beyond the bound") << QByteArray(int(MaxStationIdFileBytes) + 1, '7')
                                      << QString() << int(FileFault::Kind::TooLarge);
}

void TestStationIdList::readFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, fault);
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "ids.txt";
    if (bytes.isEmpty())
        fs::create_directory(path);
    else
        WriteFileBytes(path, bytes.toStdString());
    std::string read = "old";
    QCOMPARE(int(ReadStationIdFile(path, read).kind), fault);
    QCOMPARE(QString::fromStdString(read), text);
}

QTEST_APPLESS_MAIN(TestStationIdList)
#include "tst_stationidlist.moc"
