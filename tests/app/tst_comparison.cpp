#include "app/CompareDialog.h"
#include "common/TimeUnits.h"
#include "planfile/PlanCompare.h"
#include "tests/app/PlanWindow.h"
#include "tests/estimators/SetupCases.h"
#include "tests/planfile/ComparisonText.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <optional>

namespace {

// What the window handed to its comparison dialog.
struct Shown
{
    PlanComparison comparison;
    QString fileName;
};

std::optional<Shown> &Catch(PlanWindow &window, std::optional<Shown> &shown)
{
    window.form.ShowComparison = [&shown](const PlanComparison &comparison,
                                          const QString &fileName) {
        shown = Shown{comparison, fileName};
    };
    return shown;
}

// The rows of the table as "cell | cell | ...", a heading as its one cell.
QStringList TableLines(const QTableWidget *table)
{
    QStringList lines;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            if (const QTableWidgetItem *item = table->item(row, column))
                cells << item->text();
            else if (table->columnSpan(row, 0) == 1)
                cells << QString();
        }
        lines << cells.join(" | ");
    }
    return lines;
}

} // namespace

// "Compare with plan...": the window's plan against a file's, shown in a
// dialog of its own.
class TestComparison : public QObject
{
    Q_OBJECT

private slots:
    void comparesWithTheFile_data();
    void comparesWithTheFile();
    void refusedFileIsTold();
    void dialogShowsTheTable_data();
    void dialogShowsTheTable();
};

void TestComparison::comparesWithTheFile_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<bool>("identical");
    QTest::addRow("two plans") << false << false;
    QTest::addRow("two plans, German") << true << false;
    QTest::addRow("identical plans") << false << true;
}

// The rows are those of the two plans, in the window's language; comparing
// changes nothing on the page.
void TestComparison::comparesWithTheFile()
{
    QFETCH(bool, german);
    QFETCH(bool, identical);
    PlanWindow window;
    std::optional<Shown> shown;
    Catch(window, shown);
    if (german)
        window.form.MenuItemDEClick();
    window.page().setPlan(SetupCases::ChangedPage());
    StationPlan other = SetupCases::ChangedPage();
    if (!identical) {
        other.rows[1].samplingSeconds = SecondsPerHour;
        other.transmissions[2].on = false;
    }
    const QString file = WritePlan(window.path("yesterday.p1kplan"), other);
    const QStringList before = PageShown(window.page());

    window.platform.boxes->fileAnswers.push_back(file);
    window.form.MenuItemComparePlanClick();
    QVERIFY(shown);
    QCOMPARE(shown->fileName, QString("yesterday.p1kplan"));
    const PlanComparison expected = ComparePlans(SetupCases::ChangedPage(), other, german, '.');
    QCOMPARE(ComparisonLines(shown->comparison.inputs), ComparisonLines(expected.inputs));
    QCOMPARE(ComparisonLines(shown->comparison.results), ComparisonLines(expected.results));
    QCOMPARE(shown->comparison.identical, identical);
    QCOMPARE(shown->comparison.inputs.empty(), identical);

    QCOMPARE(PageShown(window.page()), before);
    QCOMPARE(window.form.PlanFileName(), QString());
    QCOMPARE(window.messages(), QStringList());
}

void TestComparison::refusedFileIsTold()
{
    PlanWindow window;
    std::optional<Shown> shown;
    Catch(window, shown);
    const QString file = window.path("broken.p1kplan");
    ImportFiles::Write(file, "{\"format\": \"pelora-toolbox-plan\"}");
    window.platform.boxes->fileAnswers.push_back(file);
    window.form.MenuItemComparePlanClick();
    QVERIFY(!shown);
    QCOMPARE(window.messages(),
             QStringList{QString("The plan \"%1\" could not be compared: the key \"version\" is "
                                 "missing")
                             .arg(file)});
}

void TestComparison::dialogShowsTheTable_data()
{
    QTest::addColumn<bool>("identical");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QStringList>("first"); // the table's first lines
    QTest::addRow("plans that differ")
        << false << false << "This window compared with the plan \"site-a.p1kplan\"."
        << QStringList{"Inputs that differ",
                       "M3  Supply Voltage: Sampling interval | 24:00:00 | 01:00:00 | ", "Results",
                       "Days @ 20 °C | 3902 | 3901 | +1"};
    QTest::addRow("identical plans, German")
        << true << true
        << "Dieses Fenster verglichen mit dem Plan \"site-a.p1kplan\".\nDie Pläne sind gleich."
        << QStringList{"Ergebnisse", "Tage @ 20 °C | 3902 | 3902 | 0"};
}

// The dialog is modal, shows one table of the rows, says when the plans are
// the same, and Escape closes it.
void TestComparison::dialogShowsTheTable()
{
    QFETCH(bool, identical);
    QFETCH(bool, german);
    QFETCH(QString, summary);
    QFETCH(QStringList, first);
    PlanWindow window;
    if (german)
        window.form.MenuItemDEClick();
    window.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    StationPlan other = DefaultPlan();
    if (!identical)
        other.rows[3].samplingSeconds = SecondsPerHour;
    const QString file = WritePlan(window.path("site-a.p1kplan"), other);

    QStringList lines;
    QString title;
    QString shownSummary;
    bool modal = false;
    QTimer::singleShot(0, &window.form, [&] {
        auto *dialog = qobject_cast<CompareDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        modal = dialog->isModal();
        title = dialog->windowTitle();
        shownSummary = Named<QLabel>(*dialog, "LabelComparison")->text();
        lines = TableLines(Named<QTableWidget>(*dialog, "TableComparison"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window.platform.boxes->fileAnswers.push_back(file);
    window.form.MenuItemComparePlanClick();

    QVERIFY(modal);
    QCOMPARE(title, german ? QString("Mit Plan vergleichen") : QString("Compare with plan"));
    QCOMPARE(shownSummary, summary);
    QCOMPARE(lines.size(), first.size() - 1 + 10);
    QCOMPARE(lines.mid(0, first.size()), first);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestComparison)
#include "tst_comparison.moc"
