#include "commandfile/ExportFile.h"

#include "tests/support/TestText.h"

#include <QtTest>

class TestExportFile : public QObject
{
    Q_OBJECT

private slots:
    void lineCount_data();
    void lineCount();
    void proposedFileName();
    void exportFolder_data();
    void exportFolder();
};

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
