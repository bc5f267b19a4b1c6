#include "commandfile/ExportFile.h"

#include "tests/support/TestText.h"

#include <QtTest>

class TestExportFile : public QObject
{
    Q_OBJECT

private slots:
    void latin1_data();
    void latin1();
    void lineCount_data();
    void lineCount();
    void proposedFileName();
    void exportFolder_data();
    void exportFolder();
};

void TestExportFile::latin1_data()
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

void TestExportFile::latin1()
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

void TestExportFile::lineCount_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("exportable");

    QTest::addRow("empty") << QByteArray() << 0 << false;
    QTest::addRow("three lines, no final break") << QByteArray("a\r\nb\r\nc") << 3 << false;
    QTest::addRow("three lines and a final break") << QByteArray("a\r\nb\r\nc\r\n") << 4 << true;
    QTest::addRow("line feeds only") << QByteArray("a\nb\nc\n") << 4 << true;
    QTest::addRow("empty lines count") << QByteArray("\r\n\r\n\r\n") << 4 << true;
    QTest::addRow("one add") << QByteArray("<?xml?>\r\n<CommandList>\r\n <S>\r\n  <U />\r\n "
                                           "</S>\r\n</CommandList>\r\n")
                             << 7 << true;
}

void TestExportFile::lineCount()
{
    QFETCH(QByteArray, text);
    QFETCH(int, lines);
    QFETCH(bool, exportable);
    QCOMPARE(ListLineCount(text.toStdString()), lines);
    QCOMPARE(IsExportable(text.toStdString()), exportable);
}

void TestExportFile::proposedFileName()
{
    QCOMPARE(Bytes(ProposedFileName(" 0000000042  ")), QByteArray("0000000042.kcf"));
}

void TestExportFile::exportFolder_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("folder");

    QTest::addRow("folder") << QByteArray("/home/ute/cmd/x.kcf") << QByteArray("/home/ute/cmd");
    QTest::addRow("root keeps separator") << QByteArray("/x.kcf") << QByteArray("/");
    QTest::addRow("drive root") << QByteArray("C:/x.kcf") << QByteArray("C:/");
    QTest::addRow("native separators") << QByteArray("D:\\cmd\\x.kcf") << QByteArray("D:\\cmd");
    QTest::addRow("doubled separator") << QByteArray("/home//x.kcf") << QByteArray("/home");
    QTest::addRow("bare name") << QByteArray("x.kcf") << QByteArray();
}

void TestExportFile::exportFolder()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, folder);
    QCOMPARE(Bytes(ExportFolderOf(path.toStdString())), folder);
}

QTEST_APPLESS_MAIN(TestExportFile)
#include "tst_exportfile.moc"
