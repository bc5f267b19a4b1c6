#include "ui/Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QSettings>

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

// A file dialog keeps its history and layout in the settings file that all
// Qt programs of the user share. The program announces no such file, so the
// user's Qt settings are placed where no file can be made: the dialogs
// start afresh and leave nothing behind.
void KeepDialogStateToItself()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

QStringList RunFileDialog(QWidget *parent, const Dialogs::FileRequest &request,
                          QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode)
{
    KeepDialogStateToItself();
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    if (fileMode == QFileDialog::Directory)
        dialog.setOption(QFileDialog::ShowDirsOnly);
    // Unless asked to, an existing file is refused by the export with its
    // own message.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    dialog.setNameFilters(request.filters);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QStringList chosen;
    for (const QString &name : dialog.selectedFiles())
        chosen << QDir::toNativeSeparators(name);
    return chosen;
}

QString FirstOf(const QStringList &names)
{
    return names.isEmpty() ? QString() : names.first();
}

} // namespace

void QtDialogs::showMessage(QWidget *parent, Kind kind, const QString &text,
                            QMessageBox::StandardButton button)
{
    QMessageBox box(IconOf(kind), QString::fromLatin1(ApplicationTitle), text, button, parent);
    box.exec();
}

QString QtDialogs::openFileName(QWidget *parent, const FileRequest &request)
{
    return FirstOf(
        RunFileDialog(parent, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile));
}

QStringList QtDialogs::openFileNames(QWidget *parent, const FileRequest &request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
}

QString QtDialogs::saveFileName(QWidget *parent, const FileRequest &request)
{
    return FirstOf(RunFileDialog(parent, request, QFileDialog::AcceptSave, QFileDialog::AnyFile));
}

QString QtDialogs::folderName(QWidget *parent, const FileRequest &request)
{
    Dialogs::FileRequest folderRequest;
    folderRequest.title = request.title;
    folderRequest.folder = request.folder;
    return FirstOf(
        RunFileDialog(parent, folderRequest, QFileDialog::AcceptOpen, QFileDialog::Directory));
}

bool QtDialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
