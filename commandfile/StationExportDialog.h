#pragma once

#include "commandfile/AckId.h"
#include "commandfile/Normalizers.h"
#include "commandfile/StationIdList.h"
#include "ui/Dialogs.h"
#include "ui/Environment.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
struct Message;

// The export of the command list for several stations: the station IDs, one
// a line, typed, pasted or taken from setup files or a text file, each line
// checked as it is typed; the folder; the count of files and the button that
// writes them. The list stays as it was when the dialog opened.
class StationExportDialog : public QDialog
{
    Q_OBJECT

public:
    struct Job
    {
        std::string listText; // the command list, UTF-8, lines ended by CR LF
        RandomSource random;  // draws the files' ackIds
        UpperCase upperCase;  // as the station ID field upper-cases
        QString folder;       // the folder offered first; may be empty
    };

    StationExportDialog(Environment environment, bool english, Job job, QWidget *parent = nullptr);

    // The IDs the lines give now, in their order.
    const std::vector<std::string> &StationIds() const { return ids_.ids; }
    QString Folder() const;

    void ButtonFromSetupFilesClick();
    void ButtonFromTextFileClick();
    void ButtonChooseFolderClick();
    void ButtonWriteFilesClick();

signals:
    // Files were written into the folder, or tried to be.
    void exported(const QString &folder);

private:
    void MakeControls();
    void ApplyTexts();
    void LinesChanged();
    void AppendLines(const QStringList &lines);
    QString Text(const Message &message) const;
    QString LineNote(const StationIdLine &line) const;
    Dialogs::FileRequest Request(const Message &title) const;
    void Tell(Dialogs::Kind kind, const QString &text);

    const Environment environment_;
    const bool english_;
    const Job job_;
    StationIdList ids_;
    QString lastFileFolder_;

    QLabel *labelIds_ = nullptr;
    QPlainTextEdit *memoIds_ = nullptr;
    QPushButton *fromSetupFiles_ = nullptr;
    QPushButton *fromTextFile_ = nullptr;
    QLabel *labelNotes_ = nullptr;
    QListWidget *notes_ = nullptr;
    QLabel *labelFolder_ = nullptr;
    QLineEdit *folder_ = nullptr;
    QPushButton *chooseFolder_ = nullptr;
    QLabel *fileCount_ = nullptr;
    QPushButton *write_ = nullptr;
    QPushButton *close_ = nullptr;
};
