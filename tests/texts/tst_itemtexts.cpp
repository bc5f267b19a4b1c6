#include "texts/ItemTexts.h"

#include <QtTest>

class TestItemTexts : public QObject
{
    Q_OBJECT

private slots:
    void intervalItemsNameTheirSeconds_data();
    void intervalItemsNameTheirSeconds();
    void bleReadingsInBothLanguages();
};

namespace {

QString HoursMinutesSeconds(int seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

// Each item says the seconds the estimates take for it, so that what the
// report names is what was computed.
void TestItemTexts::intervalItemsNameTheirSeconds_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");
    for (std::size_t i = 0; i < IntervalItems.size(); ++i)
        QTest::addRow("sampling %zu", i)
            << QString::fromUtf8(IntervalItems[i]) << HoursMinutesSeconds(IntervalSeconds[i]);
    for (std::size_t i = 0; i < TXIntervalItems.size(); ++i) {
        const int seconds = static_cast<int>(TXIntervalSeconds[i]);
        QTest::addRow("transmission %zu", i)
            << QString::fromUtf8(TXIntervalItems[i])
            << (seconds == SecondsPerWeek ? QStringLiteral("weekly")
                                          : HoursMinutesSeconds(seconds));
    }
}

void TestItemTexts::intervalItemsNameTheirSeconds()
{
    QFETCH(QString, item);
    QFETCH(QString, expected);
    QCOMPARE(item, expected);
}

void TestItemTexts::bleReadingsInBothLanguages()
{
    QSet<QString> english;
    QSet<QString> german;
    for (const ItemText &item : ObserverIntervalItems) {
        english.insert(QString::fromUtf8(Translated(item, true)));
        german.insert(QString::fromUtf8(Translated(item, false)));
    }
    // Every item its own text, so that a reader can tell them apart.
    QCOMPARE(english.size(), ObserverIntervalCount);
    QCOMPARE(german.size(), ObserverIntervalCount);
    QVERIFY(!english.contains(QString()) && !german.contains(QString()));
}

QTEST_APPLESS_MAIN(TestItemTexts)
#include "tst_itemtexts.moc"
