#include "PlanWindow.h"
#include "commandfile/CommandPage.h"
#include "report/ReportContent.h"
#include "report/ReportPdf.h"
#include "report/ResultsText.h"
#include "tests/report/ReportPlans.h"
#include "tests/support/Folder.h"
#include "tests/support/PdfText.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "texts/PlanTexts.h"
#include "texts/ReportTexts.h"
#include "ui/TabWidget.h"
#include "ui_CommandPage.h"

#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

namespace {

// The figures of the page's results.
const char *const FigureLabels[] = {
    "LabelBLTdays1",  "LabelBLTyears1",     "LabelBLTdays2",      "LabelBLTyears2",
    "LabelVolTrans1", "LabelVolTrans2",     "LabelVolTransTotal", "LabelVolMonth1",
    "LabelVolMonth2", "LabelVolMonthTotal",
};

// A busy plan: both transmissions, secondary servers and both targets.
StationPlan BusyPlan()
{
    StationPlan plan = ReportPlans::TwoTransmissions();
    plan.stationId = "0000004711";
    plan.targets = {5, 20};
    return plan;
}

// A window in the language and locale asked for, showing the plan of a
// plan file.
struct ReportWindow
{
    explicit ReportWindow(bool german, const StationPlan &plan = BusyPlan())
        : window(german ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c())
    {
        if (german)
            window.form.MenuItemDEClick();
        else
            window.form.MenuItemENClick();
        window.openPlan(WritePlan(window.path("site.p1kplan"), plan));
    }

    // The report of the page as the window makes it on the pinned day.
    ReportData expected() const
    {
        const QDate today = TestPlatform::PinnedToday();
        ReportData data;
        data.plan = window.form.Estimators().plan();
        data.german = !window.form.English();
        data.decimalSeparator = data.german ? ',' : '.';
        data.date = {today.year(), today.month(), today.day()};
        data.version = TOOLBOX_VERSION;
        return data;
    }

    // What the page shows of its results.
    QStringList figures() const
    {
        QStringList texts;
        for (const char *name : FigureLabels)
            texts << Named<QLabel>(window.form, name)->text();
        return texts;
    }

    FakeDialogs &boxes() { return *window.platform.boxes; }

    PlanWindow window;
};

QString ClipboardText()
{
    return QGuiApplication::clipboard()->text();
}

// A clipboard that holds something else before a test copies.
void FillClipboard()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
}

} // namespace

class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void saveReport_data();
    void saveReport();
    void saveReportFails_data();
    void saveReportFails();
    void printReport();
    void printCancelledOrFailed();
    void copyResults_data();
    void copyResults();
    void copyKey();
    void figuresSelectableWithTheMouse();
};

void TestReportWindow::saveReport_data()
{
    QTest::addColumn<bool>("german");
    QTest::addRow("English") << false;
    QTest::addRow("German") << true;
}

// The page's plan in the window's language, dated today: every figure the
// page shows is in the file, as the command line would write it.
void TestReportWindow::saveReport()
{
    QFETCH(bool, german);
    ReportWindow report(german);
    const QString file = report.window.path("site.pdf");
    report.boxes().fileAnswers.push_back(file);
    Named<QAction>(report.window.form, "MenuItemSaveReport")->trigger();

    const Dialogs::FileRequest &request = report.boxes().fileRequests.back();
    QCOMPARE(request.title, QString::fromUtf8(SaveReportTitle.In(german)));
    QCOMPARE(request.folder, report.window.platform.folder.path());
    QCOMPARE(request.proposedName, QString("site.pdf"));
    QCOMPARE(request.filters, QStringList{QString::fromUtf8(PdfFileFilter.In(german)).arg(".pdf")});
    QCOMPARE(request.defaultSuffix, QString("pdf"));
    QVERIFY(request.confirmOverwrite);
    QVERIFY(report.window.messages().isEmpty());

    const PdfText pdf = ReadPdf(file);
    QVERIFY2(pdf.failure.isEmpty(), qPrintable(pdf.failure));
    QCOMPARE(pdf.pages(), 1);
    QVERIFY2(pdf.isA4(), qPrintable(pdf.info));
    const QString text = Squeezed(pdf.raw);
    for (const QString &figure : report.figures())
        QVERIFY2(text.contains(Squeezed(figure)), qPrintable(figure + "\n---\n" + pdf.raw));
    QVERIFY(text.contains(german ? "10.12.2026" : "2026-12-10"));

    const QString written = report.window.path("expected.pdf");
    QVERIFY(!WriteReportPdf(written.toStdString(), report.expected()));
    QCOMPARE(pdf.raw, ReadPdf(written).raw);
}

void TestReportWindow::saveReportFails_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::addRow("a folder in its place")
        << "taken.pdf"
        << QString::fromStdString(FileFaultReason(FileFault::OfSystem(EISDIR), true));
    QTest::addRow("a missing folder") << "missing/site.pdf"
                                      << "der Ordner existiert nicht";
}

// A file that cannot be written is named with the reason, and nothing is
// left of it.
void TestReportWindow::saveReportFails()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    ReportWindow report(true);
    QVERIFY(QDir(report.window.platform.folder.path()).mkdir("taken.pdf"));
    const std::string before = FolderContent(report.window.platform.folder.path().toStdString());
    const QString file = report.window.path(target);
    report.boxes().fileAnswers.push_back(file);
    report.window.form.MenuItemSaveReportClick();

    QCOMPARE(report.window.messages(),
             QStringList{QString::fromUtf8(FileNotWritten.In(true)).arg(file, reason)});
    QCOMPARE(report.boxes().messages.back().kind, Dialogs::Kind::Error);
    QCOMPARE(FolderContent(report.window.platform.folder.path().toStdString()), before);

    // Cancelled: nothing written, nothing said.
    report.window.form.MenuItemSaveReportClick();
    QCOMPARE(report.window.messages().size(), 1);
    QCOMPARE(FolderContent(report.window.platform.folder.path().toStdString()), before);
}

// Qt's print dialog gets a printer set up for the report's page, and the
// printer the same page as the PDF file.
void TestReportWindow::printReport()
{
    ReportWindow report(false);
    const QString printed = report.window.path("printed.pdf");
    report.boxes().printAnswers.push_back(printed);
    Named<QAction>(report.window.form, "MenuItemPrintReport")->trigger();

    QCOMPARE(report.boxes().printers.size(), std::size_t(1));
    const FakeDialogs::Printer &printer = report.boxes().printers.front();
    QCOMPARE(printer.docName, QString("Pelora 1000 station report 0000004711"));
    QCOMPARE(printer.layout.pageSize().id(), QPageSize::A4);
    QCOMPARE(printer.layout.orientation(), QPageLayout::Portrait);
    QVERIFY(printer.fullPage);
    QVERIFY(report.window.messages().isEmpty());

    const PdfText pdf = ReadPdf(printed);
    QVERIFY2(pdf.failure.isEmpty(), qPrintable(pdf.failure));
    QCOMPARE(pdf.pages(), 1);
    const QString written = report.window.path("expected.pdf");
    QVERIFY(!WriteReportPdf(written.toStdString(), report.expected()));
    QCOMPARE(pdf.raw, ReadPdf(written).raw);
}

void TestReportWindow::printCancelledOrFailed()
{
    ReportWindow report(true);
    const std::string before = FolderContent(report.window.platform.folder.path().toStdString());
    report.window.form.MenuItemPrintReportClick();
    QCOMPARE(report.boxes().printers.size(), std::size_t(1));
    QVERIFY(report.window.messages().isEmpty());
    QCOMPARE(FolderContent(report.window.platform.folder.path().toStdString()), before);

    // A printer that cannot start is named.
    const QString file = report.window.path("missing/printed.pdf");
    report.boxes().printAnswers.push_back(file);
    report.window.form.MenuItemPrintReportClick();
    QCOMPARE(report.window.messages(),
             QStringList{QString::fromUtf8(ReportNotPrinted.In(true)).arg(file)});
    QCOMPARE(report.boxes().messages.back().kind, Dialogs::Kind::Error);
}

void TestReportWindow::copyResults_data()
{
    QTest::addColumn<bool>("german");
    QTest::addRow("English") << false;
    QTest::addRow("German") << true;
}

// The clipboard holds the inputs and results as tab-separated text and as
// HTML, with the figures as the page shows them.
void TestReportWindow::copyResults()
{
    QFETCH(bool, german);
    ReportWindow report(german);
    FillClipboard();
    Named<QAction>(report.window.form, "MenuItemCopyResults")->trigger();

    const ReportContent content = ContentOf(report.expected());
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), QString::fromStdString(ResultsPlainText(content)));
    QCOMPARE(data->html(), QString::fromStdString(ResultsHtml(content)));
    const QStringList lines = data->text().split('\n');
    const auto line = [&lines](const QString &start) {
        for (const QString &text : lines) {
            if (text.startsWith(start + '\t'))
                return text.split('\t').mid(1);
        }
        return QStringList();
    };
    const QStringList figures = report.figures();
    QCOMPARE(line(QString::fromUtf8(BatteryRowNames[0])), figures.mid(0, 2));
    QCOMPARE(line(QString::fromUtf8(BatteryRowNames[1])), figures.mid(2, 2));
    const auto caption = [german](const char *control) {
        return QString::fromUtf8(Translated(*FindLanguageText(control), !german));
    };
    QCOMPARE(line(caption("LabelVResult2")), figures.mid(4, 3));
    QCOMPARE(line(caption("LabelVResult3")), figures.mid(7, 3));
    QVERIFY(!data->text().contains('\r'));
}

// Ctrl+C copies the results wherever on the estimator page the focus is,
// but a text field copies its own text, a selected figure only itself, and
// the command page is none of it.
void TestReportWindow::copyKey()
{
    ReportWindow report(false);
    TFormMain &form = report.window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QString results = QString::fromStdString(ResultsPlainText(ContentOf(report.expected())));

    QWidget *button = Named<QWidget>(form, "SwitchVTX2");
    button->setFocus();
    FillClipboard();
    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ClipboardText(), results);

    auto *spin = Named<QAbstractSpinBox>(form, "SpinBoxVEventsNumber1");
    spin->setFocus();
    spin->selectAll();
    FillClipboard();
    QTest::keyClick(spin, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ClipboardText(), spin->text());

    auto *days = Named<QLabel>(form, "LabelBLTdays2");
    days->setSelection(0, days->text().size());
    button->setFocus();
    FillClipboard();
    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ClipboardText(), days->text());
    days->setSelection(0, 0);

    Named<TabWidget>(form, "TabControlMain")->setCurrentPage(&form.Commands());
    QPushButton *clear = form.Commands().Form().CornerButtonClearList;
    clear->setFocus();
    FillClipboard();
    QTest::keyClick(clear, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ClipboardText(), QString("before"));
    QCOMPARE(Named<QAction>(form, "MenuItemCopyResults")->shortcut(), QKeySequence("Ctrl+C"));
}

void TestReportWindow::figuresSelectableWithTheMouse()
{
    ReportWindow report(false);
    TFormMain &form = report.window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char *name : FigureLabels) {
        auto *label = Named<QLabel>(form, name);
        QVERIFY2(label->textInteractionFlags() & Qt::TextSelectableByMouse, name);
        const QRect text = label->contentsRect();
        const int y = text.center().y();
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(text.left() + 1, y));
        QMouseEvent move(QEvent::MouseMove, QPointF(text.right() - 1, y),
                         label->mapToGlobal(QPointF(text.right() - 1, y)), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(label, &move);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(text.right() - 1, y));
        QVERIFY2(label->hasSelectedText(), name);
        label->setSelection(0, 0);
    }
}

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
