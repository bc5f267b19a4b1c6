#include "estimators/EstimatorPage.h"
#include "tests/support/FakeDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

// The interval rule and "Change all" on a real page, driven as a user would:
// a selection change with the handlers attached.
class TestIntervalRule : public QObject
{
    Q_OBJECT

private slots:
    void userChanges_data();
    void userChanges();
    void codeChangesWhileDetachedKeepTheRow();
    void handlerReattachesWhenTheEstimateThrows();

private:
    static void changeAll(EstimatorPage &page, const char *box, bool on)
    {
        page.findChild<QCheckBox *>(QLatin1String(box))->setChecked(on);
    }
    static QList<int> indexes(const OneBasedArray<QComboBox *, EstimatorRowCount> &column)
    {
        QList<int> result;
        for (const QComboBox *combo : column)
            result << combo->currentIndex();
        return result;
    }
};

void TestIntervalRule::userChanges_data()
{
    QTest::addColumn<bool>("changeAllSampling");
    QTest::addColumn<bool>("changeAllStorage");
    QTest::addColumn<QStringList>("changes"); // "ComboBoxM1=19", applied in order
    QTest::addColumn<QList<int>>("sampling");
    QTest::addColumn<QList<int>>("storage");

    const QList<int> startup = {18, 18, 25, 25, 25, 18, 18, 18};
    QTest::addRow("longer sampling raises its own storage")
        << false << false << QStringList{"ComboBoxM1=19"}
        << QList<int>{19, 18, 25, 25, 25, 18, 18, 18} << QList<int>{19, 18, 25, 25, 25, 18, 18, 18};
    QTest::addRow("shorter storage then lowers its sampling")
        << false << false << QStringList{"ComboBoxM1=19", "ComboBoxS1=13"}
        << QList<int>{13, 18, 25, 25, 25, 18, 18, 18} << QList<int>{13, 18, 25, 25, 25, 18, 18, 18};
    QTest::addRow("shorter sampling leaves storage")
        << false << false << QStringList{"ComboBoxM3=7"}
        << QList<int>{18, 18, 7, 25, 25, 18, 18, 18} << startup;
    QTest::addRow("storage for all lowers every longer sampling")
        << false << true << QStringList{"ComboBoxS3=15"} << QList<int>(8, 15) << QList<int>(8, 15);
    QTest::addRow("sampling for all reaches the hidden rows")
        << true << false << QStringList{"ComboBoxM4=0"} << QList<int>(8, 0) << startup;
    QTest::addRow("sampling for all raises shorter storage")
        << true << false << QStringList{"ComboBoxM2=25"} << QList<int>(8, 25) << QList<int>(8, 25);
    QTest::addRow("storage for all from a hidden row")
        << false << true << QStringList{"ComboBoxS7=20"}
        << QList<int>{18, 18, 20, 20, 20, 18, 18, 18} << QList<int>(8, 20);
    QTest::addRow("equal intervals are allowed")
        << false << false << QStringList{"ComboBoxS2=20", "ComboBoxM2=20"}
        << QList<int>{18, 20, 25, 25, 25, 18, 18, 18} << QList<int>{18, 20, 25, 25, 25, 18, 18, 18};
}

void TestIntervalRule::userChanges()
{
    QFETCH(bool, changeAllSampling);
    QFETCH(bool, changeAllStorage);
    QFETCH(QStringList, changes);
    QFETCH(QList<int>, sampling);
    QFETCH(QList<int>, storage);

    TestPlatform platform;
    EstimatorPage page(platform.environment(), true);
    changeAll(page, "CheckBoxMAll", changeAllSampling);
    changeAll(page, "CheckBoxSAll", changeAllStorage);

    for (const QString &change : changes) {
        const QStringList parts = change.split('=');
        auto *combo = page.findChild<QComboBox *>(parts[0]);
        QVERIFY(combo);
        const int runsBefore = page.DataVolumeRuns();
        combo->setCurrentIndex(parts[1].toInt());
        // One change, one estimate: the drop-downs set by the rule fire nothing.
        QCOMPARE(page.DataVolumeRuns(), runsBefore + 1);
    }
    QCOMPARE(indexes(page.SamplingIntervalComboBoxes), sampling);
    QCOMPARE(indexes(page.StorageIntervalComboBoxes), storage);
}

void TestIntervalRule::codeChangesWhileDetachedKeepTheRow()
{
    TestPlatform platform;
    EstimatorPage page(platform.environment(), true);
    const int runs = page.DataVolumeRuns();
    page.DetachIntervalHandlers();
    page.SamplingIntervalComboBoxes[1]->setCurrentIndex(25);
    QCOMPARE(page.StorageIntervalComboBoxes[1]->currentIndex(), 18);
    QCOMPARE(page.DataVolumeRuns(), runs);

    page.AttachIntervalHandlers();
    page.AttachIntervalHandlers(); // twice attaches once
    page.SamplingIntervalComboBoxes[2]->setCurrentIndex(20);
    QCOMPARE(page.DataVolumeRuns(), runs + 1);
}

void TestIntervalRule::handlerReattachesWhenTheEstimateThrows()
{
    TestPlatform platform;
    EstimatorPage page(platform.environment(), true);
    // A sender that is no interval drop-down makes the handler fail half-way.
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, page.ComboBoxM1Change(nullptr));
    // Handlers are back: a later user change is handled.
    changeAll(page, "CheckBoxMAll", false);
    const int runs = page.DataVolumeRuns();
    page.SamplingIntervalComboBoxes[1]->setCurrentIndex(25);
    QCOMPARE(page.StorageIntervalComboBoxes[1]->currentIndex(), 25);
    QCOMPARE(page.DataVolumeRuns(), runs + 1);
}

QTEST_MAIN(TestIntervalRule)
#include "tst_intervalrule.moc"
