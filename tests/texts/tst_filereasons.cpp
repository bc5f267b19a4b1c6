#include "texts/FileReasons.h"

#include <QtTest>

#include <cerrno>
#include <cstring>

class TestFileReasons : public QObject
{
    Q_OBJECT

private slots:
    void reasonInEachLanguage_data();
    void reasonInEachLanguage();
};

void TestFileReasons::reasonInEachLanguage_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("error"); // the system's, or the bound a file too large exceeds
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("reason");
    const int system = int(FileFault::Kind::System);
    QTest::addRow("missing") << system << ENOENT << false << "file not found";
    QTest::addRow("missing, German") << system << ENOENT << true << "Datei nicht gefunden";
    QTest::addRow("disk full, German")
        << system << ENOSPC << true << "kein Platz mehr auf dem Laufwerk";
    QTest::addRow("quota, German")
        << system << EDQUOT << true << "kein Platz mehr auf dem Laufwerk";
    QTest::addRow("a pipe") << int(FileFault::Kind::NotRegular) << 0 << false
                            << "not a regular file (a folder, a pipe or a device)";
    QTest::addRow("too large, German")
        << int(FileFault::Kind::TooLarge) << 64'000'000 << true
        << "die Datei ist größer als 64 MB, weit mehr als eine solche Datei enthält";
    QTest::addRow("no folder, German")
        << int(FileFault::Kind::NoFolder) << 0 << true << "der Ordner existiert nicht";
    QTest::addRow("too large for a list") << int(FileFault::Kind::TooLarge) << 1'000'000 << false
                                          << "the file is larger than 1 MB, far more than such a "
                                             "file holds";
    // A reason without a text of its own stands apart, so that the German
    // sentence around it stays German.
    QTest::addRow("other, German") << system << ELOOP << true
                                   << QString("Systemfehler %1 (Meldung des Systems: %2)")
                                          .arg(ELOOP)
                                          .arg(QString::fromLocal8Bit(std::strerror(ELOOP)));
}

void TestFileReasons::reasonInEachLanguage()
{
    QFETCH(int, kind);
    QFETCH(int, error);
    QFETCH(bool, german);
    QFETCH(QString, reason);
    const FileFault fault = FileFault::Kind(kind) == FileFault::Kind::TooLarge
                                ? FileFault::LargerThan(std::uint64_t(error))
                                : FileFault{FileFault::Kind(kind), error};
    QCOMPARE(QString::fromStdString(FileFaultReason(fault, german)), reason);
}

QTEST_APPLESS_MAIN(TestFileReasons)
#include "tst_filereasons.moc"
