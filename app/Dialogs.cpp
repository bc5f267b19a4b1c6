#include "app/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace {

QMessageBox::Icon IconOf(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QMessageBox::Information;
    case Dialogs::Kind::Warning:
        return QMessageBox::Warning;
    case Dialogs::Kind::Error:
        return QMessageBox::Critical;
    case Dialogs::Kind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

QString RunFileDialog(QWidget *parent, const Dialogs::FileRequest &request,
                      QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    // An existing file is refused by the export with its own message.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    dialog.setNameFilters(request.filters);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

} // namespace

void QtDialogs::showMessage(QWidget *parent, Kind kind, const QString &text,
                            QMessageBox::StandardButton button)
{
    QMessageBox box(IconOf(kind), QApplication::applicationDisplayName(), text, button, parent);
    box.exec();
}

QString QtDialogs::openFileName(QWidget *parent, const FileRequest &request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFileName(QWidget *parent, const FileRequest &request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}
