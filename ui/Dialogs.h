#pragma once

#include <QMessageBox>
#include <QString>

class QPrinter;
class QWidget;

// The application's title: the caption of its message boxes. It is not set
// as Qt's application display name, which Qt would append to the title of
// every window, the about box and the file dialogs included.
inline constexpr char ApplicationTitle[] = "Pelora 1000 Toolbox";

// Every message box, file dialog and print dialog of the program goes
// through this seam, so tests can answer them and read what was shown.
class Dialogs
{
public:
    enum class Kind
    {
        Plain,
        Information,
        Warning,
        Error,
    };

    struct FileRequest
    {
        QString title;
        QString folder;                // start folder; empty for the dialog's own default
        QString proposedName;          // file name offered for saving
        QStringList filters;           // "Name (*.ext)" entries, first one selected
        QString defaultSuffix;         // added to a name typed without one
        bool confirmOverwrite = false; // saving: ask before replacing a file
    };

    virtual ~Dialogs() = default;

    // Modal; returns once the user has closed it.
    virtual void showMessage(QWidget *parent, Kind kind, const QString &text,
                             QMessageBox::StandardButton button = QMessageBox::Ok) = 0;
    // The chosen file's full name, or an empty text when cancelled.
    virtual QString openFileName(QWidget *parent, const FileRequest &request) = 0;
    // The chosen files' full names; none when cancelled.
    virtual QStringList openFileNames(QWidget *parent, const FileRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileRequest &request) = 0;
    // The chosen folder's full name, or an empty text when cancelled; the
    // request's filters and proposed name are not used.
    virtual QString folderName(QWidget *parent, const FileRequest &request) = 0;
    // Qt's print dialog for the printer as the caller prepared it; the user
    // may change it there. False when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
};

// The real Qt boxes and dialogs.
class QtDialogs : public Dialogs
{
public:
    void showMessage(QWidget *parent, Kind kind, const QString &text,
                     QMessageBox::StandardButton button) override;
    QString openFileName(QWidget *parent, const FileRequest &request) override;
    QStringList openFileNames(QWidget *parent, const FileRequest &request) override;
    QString saveFileName(QWidget *parent, const FileRequest &request) override;
    QString folderName(QWidget *parent, const FileRequest &request) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
};
