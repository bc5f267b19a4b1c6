#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// What poppler's tools (Debian's poppler-utils) read from a PDF file: its
// text in drawing order and as laid out on the page, its page count and
// size, and its fonts.
struct PdfText
{
    QString raw;
    QString layout;
    QString info;
    QString fonts;
    QString failure; // a tool that could not run; empty when all ran

    int pages() const
    {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                               QRegularExpression::MultilineOption)
                .match(info);
        return match.hasMatch() ? match.captured(1).toInt() : 0;
    }

    bool isA4() const
    {
        return QRegularExpression(QStringLiteral("^Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? "
                                                 "pts \\(A4\\)$"),
                                  QRegularExpression::MultilineOption)
            .match(info)
            .hasMatch();
    }

    // Each font line of pdffonts: its name and whether it is embedded.
    QList<QPair<QString, bool>> fontList() const
    {
        QList<QPair<QString, bool>> list;
        const QRegularExpression line(
            QStringLiteral("^(\\S+)\\s+.*\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"));
        for (const QString &text : fonts.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch match = line.match(text);
            if (match.hasMatch())
                list.append({match.captured(1), match.captured(2) == QLatin1String("yes")});
        }
        return list;
    }
};

inline QString RunTool(const QString &program, const QStringList &arguments, QString &failure)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished() || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        failure += program + QStringLiteral(" failed: ") + tool.errorString() + QLatin1Char(' ') +
                   QString::fromUtf8(tool.readAllStandardError()) + QLatin1Char('\n');
        return QString();
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

inline PdfText ReadPdf(const QString &path)
{
    PdfText pdf;
    pdf.raw = RunTool(QStringLiteral("pdftotext"),
                      {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                       path, QStringLiteral("-")},
                      pdf.failure);
    pdf.layout = RunTool(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), QStringLiteral("-enc"),
                          QStringLiteral("UTF-8"), path, QStringLiteral("-")},
                         pdf.failure);
    pdf.info = RunTool(QStringLiteral("pdfinfo"), {path}, pdf.failure);
    pdf.fonts = RunTool(QStringLiteral("pdffonts"), {path}, pdf.failure);
    return pdf;
}

// The text without any white space, so that a phrase is found wherever the
// page broke its lines.
inline QString Squeezed(const QString &text)
{
    QString squeezed;
    squeezed.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            squeezed += c;
    }
    return squeezed;
}

// A pattern for cells read across one line of the laid-out text, in order,
// with blanks between them and between their words.
inline QRegularExpression RowPattern(const QStringList &cells)
{
    QStringList words;
    for (const QString &cell : cells) {
        for (const QString &word : cell.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            words << QRegularExpression::escape(word);
    }
    return QRegularExpression(words.join(QStringLiteral(" +")));
}
