#pragma once

#include "setup/SetupModel.h"
#include "setup/SetupReader.h"
#include "ui/Environment.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <string>

class QWidget;
struct Message;

// The ways a setup file is imported: chosen in the import dialog, or dropped
// onto the window and read into a setup model, which is handed on by
// setupRead. Only a file read completely is handed on.
class SetupImport : public QObject
{
    Q_OBJECT

public:
    enum class Way
    {
        Dialog,
        Drop,
    };

    // Messages in the given language; boxes and dialogs are shown over window.
    SetupImport(Environment environment, bool english, QWidget *window);

    // The language of the messages.
    void applyLanguage(bool english);

    void MenuItemImportClick();
    // What the dialog way does with the file chosen in it.
    void ImportChosenFile(const QString &fileName);
    // Files dropped onto the window; the first one counts.
    void WMDropFiles(const QStringList &files);
    void ImportSetupFile(const QString &fileName);

    QString TemporaryCopyPath() const;

    // The folder of the last file chosen in the dialog, as its bytes; the
    // dialog starts there.
    std::string ImportDir;

signals:
    void setupRead(const SetupModel &model, SetupImport::Way way);

private:
    bool MakeTemporaryCopy(const QString &source);
    // Reads the temporary copy into model and reports a failure.
    SetupReadResult ReadSetupFile(SetupModel &model);
    // Reads the temporary copy and hands a complete read on.
    SetupReadResult Read(Way way);
    void Tell(const QString &text, bool error);
    QString Text(const Message &message) const;
    QString Reason(const FileFault &fault) const;
    // Runs a handler's work; memory that runs out is told as a failed import
    // instead of escaping the handler.
    void Guarded(const std::function<void()> &step);

    const Environment environment_;
    QWidget *const window_;
    bool english_;
};
