#include "texts/LanguageTable.h"

#include <QtTest>

#include <cstring>

class TestLanguageTable : public QObject
{
    Q_OBJECT

private slots:
    void eachControlOnce();
    void textsInBothLanguages();
    void findLanguageText();
};

// The language switch walks the whole table; a second row for a control
// would set its text twice, and the one that wins would be the later.
void TestLanguageTable::eachControlOnce()
{
    QSet<QByteArray> seen;
    for (const LanguageText &row : LanguageTexts) {
        QVERIFY2(!seen.contains(row.Control), row.Control);
        seen.insert(row.Control);
    }
}

void TestLanguageTable::textsInBothLanguages()
{
    for (const LanguageText &row : LanguageTexts) {
        if (row.Kind == TextKind::Items)
            continue;
        QVERIFY2(row.English && *row.English, row.Control);
        QVERIFY2(row.German && *row.German, row.Control);
    }
    for (const ItemText &item : ObserverIntervalItems)
        QVERIFY(item.English && *item.English && item.German && *item.German);
    for (const ItemText &item : GradientDirectionItems)
        QVERIFY(item.English && *item.English && item.German && *item.German);
}

void TestLanguageTable::findLanguageText()
{
    const LanguageText *row = FindLanguageText("LabelM8");
    QVERIFY(row);
    QCOMPARE(QByteArray(Translated(*row, true)), QByteArray("M8  TDS"));
    QVERIFY(row->ChannelName);
    QCOMPARE(FindLanguageText("NoSuchControl"), nullptr);
}

QTEST_APPLESS_MAIN(TestLanguageTable)
#include "tst_languagetable.moc"
