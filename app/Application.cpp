#include "app/Application.h"

#include "ui/Dialogs.h"
#include "ui/Look.h"

#include <QMessageBox>

#include <exception>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setStyle(WithListDropDowns(style()));
    ReportError = [](const QString &description) {
        QMessageBox::critical(nullptr, QString::fromLatin1(ApplicationTitle), description);
    };
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &failure) {
        ReportError(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        ReportError(QStringLiteral("Unknown error"));
    }
    return false;
}
