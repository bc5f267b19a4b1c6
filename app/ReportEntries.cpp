#include "app/FormMain.h"

#include "estimators/EstimatorPage.h"
#include "report/ReportContent.h"
#include "report/ReportPdf.h"
#include "report/ResultsText.h"
#include "setup/FileNames.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "texts/PlanTexts.h"
#include "ui_FormMain.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QShortcut>

void TFormMain::ConnectReportEntries()
{
    connect(ui->MenuItemSaveReport, &QAction::triggered, this, &TFormMain::MenuItemSaveReportClick);
    connect(ui->MenuItemPrintReport, &QAction::triggered, this,
            &TFormMain::MenuItemPrintReportClick);
    connect(ui->MenuItemCopyResults, &QAction::triggered, this,
            &TFormMain::MenuItemCopyResultsClick);
    // The entry only shows the key: it belongs to the estimator page, where
    // a text field with the focus takes it for its own text first.
    auto *copy = new QShortcut(ui->MenuItemCopyResults->shortcut(), estimators_);
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QShortcut::activated, this, &TFormMain::CopyShortcut);
}

ReportData TFormMain::ReportNow() const
{
    ReportData data;
    data.plan = estimators_->plan();
    data.german = !LanguageEN;
    data.decimalSeparator = environment_.DecimalSeparator();
    const QDate today = environment_.Today();
    data.date = {today.year(), today.month(), today.day()};
    data.version = TOOLBOX_VERSION;
    return data;
}

void TFormMain::MenuItemSaveReportClick()
{
    Dialogs::FileRequest request;
    request.title = Text(SaveReportTitle);
    request.folder = FileNameFromNative(QByteArray::fromStdString(PlanDir));
    request.filters = QStringList{Text(PdfFileFilter).arg(QLatin1String(PdfExtension))};
    const std::string station = estimators_->plan().stationId;
    request.proposedName =
        !planFile_.isEmpty() ? QFileInfo(planFile_).completeBaseName() + QLatin1String(PdfExtension)
        : station.empty()    ? QString()
                             : FileNameOfStation(station, PdfExtension);
    // The extension without its dot.
    request.defaultSuffix = QLatin1String(PdfExtension).mid(1);
    request.confirmOverwrite = true;
    const QString fileName = Boxes().saveFileName(this, request);
    if (fileName.isEmpty())
        return;
    if (const FileFault fault = WriteReportPdf(NativePath(fileName), ReportNow()))
        Boxes().showMessage(this, Dialogs::Kind::Error,
                            Text(FileNotWritten)
                                .arg(ReadableFileName(fileName),
                                     QString::fromStdString(FileFaultReason(fault, !LanguageEN))));
}

void TFormMain::MenuItemPrintReportClick()
{
    const ReportData data = ReportNow();
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer, data);
    if (!Boxes().choosePrinter(this, printer) || PrintReport(printer, data))
        return;
    const QString file = printer.outputFileName();
    Boxes().showMessage(this, Dialogs::Kind::Error,
                        Text(ReportNotPrinted)
                            .arg(file.isEmpty() ? printer.printerName() : ReadableFileName(file)));
}

// As text that a spreadsheet takes as columns, and as tables for a word
// processor.
void TFormMain::MenuItemCopyResultsClick()
{
    const ReportContent content = ContentOf(ReportNow());
    auto *data = new QMimeData;
    data->setText(QString::fromStdString(ResultsPlainText(content)));
    data->setHtml(QString::fromStdString(ResultsHtml(content)));
    QGuiApplication::clipboard()->setMimeData(data);
}

// What the user selected of a figure is what Ctrl+C copies; else the results.
void TFormMain::CopyShortcut()
{
    for (const QLabel *label : estimators_->findChildren<QLabel *>()) {
        if (label->hasSelectedText()) {
            QGuiApplication::clipboard()->setText(label->selectedText());
            return;
        }
    }
    MenuItemCopyResultsClick();
}
