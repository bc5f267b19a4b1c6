#pragma once

#include "setup/SetupReader.h"

#include <QObject>
#include <QStringList>

#include <functional>

class TFormMain;
struct Message;

// Applying an imported setup to both pages, and the ways a file is imported.
class SetupImport : public QObject
{
    Q_OBJECT

public:
    explicit SetupImport(TFormMain &form);

    enum class Pass
    {
        Sampling,
        Storage,
    };

    bool ApplySetup();
    void ClearTxChannelSwitches();
    void ApplyChannelRow(int row, Pass pass);

    void MenuItemImportClick();
    // Files dropped onto the window; the first one counts.
    void WMDropFiles(const QStringList &files);
    void ImportSetupFile(const QString &fileName);

    // Reads the temporary copy into the setup model and reports a failure.
    SetupReadResult ReadSetupFile();
    QString TemporaryCopyPath() const;

private:
    bool MakeTemporaryCopy(const QString &source);
    void ApplyControls();
    void ApplyTransmissionControls(Pass pass);
    void Tell(const QString &text, bool error);
    QString Text(const Message &message) const;
    QString Reason(const FileFault &fault) const;
    // Runs a handler's work; memory that runs out is told as a failed import
    // instead of escaping the handler.
    void Guarded(const std::function<void()> &step);

    TFormMain &w;
};
