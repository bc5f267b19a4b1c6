#include "report/ReportPdf.h"

#include "common/AtomicFile.h"
#include "common/Message.h"
#include "report/ReportPainter.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "texts/ReportTexts.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

const QPageLayout A4Portrait(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());

QString DocumentName(const ReportData &data)
{
    QString name = QString::fromUtf8(Text(ReportText::Title, data.german));
    if (!data.plan.stationId.empty())
        name +=
            QStringLiteral(" ") + QString::fromLatin1(data.plan.stationId.c_str(),
                                                      static_cast<int>(data.plan.stationId.size()));
    return name;
}

} // namespace

QByteArray ReportPdf(const ReportData &data)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(A4Portrait);
        writer.setTitle(DocumentName(data));
        writer.setCreator(QStringLiteral("Pelora 1000 Toolbox ") +
                          QString::fromStdString(data.version));
        QPainter painter(&writer);
        paintReport(painter, QRectF(writer.pageLayout().fullRectPixels(writer.resolution())), data);
    }
    return bytes;
}

FileFault WriteReportPdf(const std::filesystem::path &path, const ReportData &data)
{
    const QByteArray bytes = ReportPdf(data);
    return WriteFileAtomically(
        path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::string ReportNotWrittenText(const std::filesystem::path &path, const FileFault &fault,
                                 bool german)
{
    return Filled(FileNotWritten.In(german), {path.string(), FileFaultReason(fault, german)});
}

void PrepareReportPrinter(QPrinter &printer, const ReportData &data)
{
    printer.setPageLayout(A4Portrait);
    printer.setFullPage(true);
    printer.setDocName(DocumentName(data));
}

bool PrintReport(QPrinter &printer, const ReportData &data)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintReport(painter, printer.paperRect(QPrinter::DevicePixel), data);
    return painter.end();
}
