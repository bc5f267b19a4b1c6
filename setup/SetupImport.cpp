#include "setup/SetupImport.h"

#include "app/Dialogs.h"
#include "app/FormMain.h"
#include "commandfile/CommandEditor.h"
#include "common/IntervalTables.h"
#include "estimators/EstimatorPage.h"
#include "estimators/StationPlan.h"
#include "setup/SetupApply.h"
#include "texts/LanguageTable.h"
#include "ui/ClickLabel.h"
#include "ui/ToggleSwitch.h"
#include "ui_FormMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char *const TemporaryCopyName = "PL1kCfgTmp.bin";
const char *const ImportTitle = "Pelora 1000  -  Select File";
const char *const SetupFilePattern = "*.BIN";
const char *const AnyFilePattern = "*.*";
const char *const SetupFileExtension = "BIN";
const char *const DroppedText = "DROPPED";
const char *const CannotImportText = "Can't import! Error in file content!";

// Ours: an import that cannot even start says so instead of doing nothing.
constexpr Message SetupNotCopied = {
    "The setup file \"%1\" could not be imported: %2",
    "Die Konfigurationsdatei \"%1\" konnte nicht importiert werden: %2"};
constexpr Message SetupNotOpened = {"The setup file could not be read: %1",
                                    "Die Konfigurationsdatei konnte nicht gelesen werden: %1"};

} // namespace

SetupImport::SetupImport(TFormMain &form) : w(form)
{
    connect(w.ui->MenuItemImport, &QAction::triggered, this, &SetupImport::MenuItemImportClick);
    connect(w.ui->ImageImportSetup, &ClickLabel::clicked, this, &SetupImport::MenuItemImportClick);
}

void SetupImport::Tell(const QString &text, bool error)
{
    w.Boxes().showMessage(&w, error ? Dialogs::Kind::Error : Dialogs::Kind::Plain, text);
}

QString SetupImport::TemporaryCopyPath() const
{
    return QDir(w.Platform().DataFolder).filePath(QLatin1String(TemporaryCopyName));
}

void SetupImport::ClearTxChannelSwitches()
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        w.InTX1Switches[i]->setChecked(false);
        w.InTX2Switches[i]->setChecked(false);
    }
}

void SetupImport::ApplyChannelRow(int row, Pass pass)
{
    const ChannelRec &channel = w.Setup.Channels[row];
    if (pass == Pass::Sampling) {
        // A name from the file is shown as it stands, never read as markup.
        w.MeasurementLabel[row]->setTextFormat(Qt::PlainText);
        w.MeasurementLabel[row]->setText(QString::fromLatin1(ImportedRowLabel(row, channel.Name)));
        if (channel.MInterval > 0)
            w.SamplingIntervalComboBoxes[row]->setCurrentIndex(IntervalIndexOf(channel.MInterval));
        return;
    }
    if (!channel.Store)
        return;
    w.StorageIntervalComboBoxes[row]->setCurrentIndex(IntervalIndexOf(channel.AvgInterval));
    for (int t = 1; t <= TransmissionCount; ++t) {
        const TransRec &tx = w.Setup.Transmissions[t];
        if (tx.Interval != 0 && ChannelListHas(tx.ChannelList, channel.Nr))
            (t == 1 ? w.InTX1Switches[row] : w.InTX2Switches[row])->setChecked(true);
    }
}

// Both passes set the switch, interval and servers; the second also the data
// format and compression.
void SetupImport::ApplyTransmissionControls(Pass pass)
{
    const auto &ui = *w.ui;
    struct Controls
    {
        ToggleSwitch *on;
        QComboBox *interval, *primary, *format;
        ToggleSwitch *compression;
        QComboBox *mode, *secondary;
    };
    const Controls columns[] = {
        {ui.SwitchVTX1, ui.ComboBoxVTX1Interval, ui.ComboBoxVServerType11, ui.ComboBoxVFormat1,
         ui.SwitchVCompression1, ui.ComboBoxVServer2ndMode1, ui.ComboBoxVServerType12},
        {ui.SwitchVTX2, ui.ComboBoxVTX2Interval, ui.ComboBoxVServerType21, ui.ComboBoxVFormat2,
         ui.SwitchVCompression2, ui.ComboBoxVServer2ndMode2, ui.ComboBoxVServerType22}};
    for (int t = 1; t <= TransmissionCount; ++t) {
        const TransRec &tx = w.Setup.Transmissions[t];
        const Controls &c = columns[t - 1];
        c.on->setChecked(tx.Interval > 0);
        if (tx.Interval > 0)
            c.interval->setCurrentIndex(VTXIntervalIndexOf(tx.Interval));
        c.primary->setCurrentIndex(tx.Server1Type);
        if (pass == Pass::Storage) {
            c.format->setCurrentIndex(DataFormatItem(tx.DataFormat));
            c.compression->setChecked(tx.Compression);
        }
        c.mode->setCurrentIndex(SecondaryModeItem(tx));
        c.secondary->setCurrentIndex(tx.Server2Type);
    }
}

bool SetupImport::ApplySetup()
{
    ClearTxChannelSwitches();
    CorrectSetup(w.Setup);
    w.Estimators->DetachIntervalHandlers();
    w.CalcDisabled = true;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        ApplyChannelRow(i, Pass::Sampling);
    ApplyTransmissionControls(Pass::Sampling);
    w.CalcDisabled = false;
    w.Estimators->SwitchVTX1Click(nullptr);
    w.Estimators->SwitchVTX2Click(nullptr);
    w.CalcDisabled = true;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        ApplyChannelRow(i, Pass::Storage);
    ApplyTransmissionControls(Pass::Storage);
    w.CalcDisabled = false;
    w.Estimators->AttachIntervalHandlers();
    w.Estimators->SwitchVTX1Click(nullptr);
    w.Estimators->SwitchVTX2Click(nullptr);
    w.Commands->FillCommandPanels();
    return true;
}

SetupReadResult SetupImport::ReadSetupFile()
{
    const SetupReadResult result = ::ReadSetupFile(TemporaryCopyPath().toStdString(), w.Setup);
    const QString description = QString::fromStdString(result.Description);
    if (result.Outcome == SetupReadOutcome::WalkFailed)
        Tell(QString::fromLatin1(ReadConfigFailedText) + description, false);
    else if (result.Outcome == SetupReadOutcome::OpenFailed)
        Tell(QString::fromUtf8(SetupNotOpened.In(!w.LanguageEN)).arg(description), true);
    return result;
}

// Each import starts from scratch: a copy that fails leaves nothing to read.
bool SetupImport::MakeTemporaryCopy(const QString &source)
{
    const QString copy = TemporaryCopyPath();
    QDir().mkpath(w.Platform().DataFolder);
    QFile::remove(copy);
    QFile file(source);
    if (!file.copy(copy)) {
        Tell(QString::fromUtf8(SetupNotCopied.In(!w.LanguageEN)).arg(source, file.errorString()),
             true);
        return false;
    }
    // A copy of a read-only file may keep that attribute, which would stop
    // the next import from deleting or overwriting it.
    QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ReadOwner | QFile::WriteOwner);
    return QFileInfo::exists(copy);
}

void SetupImport::MenuItemImportClick()
{
    Dialogs::FileRequest request;
    request.title = QString::fromLatin1(ImportTitle);
    request.folder = w.ImportDir.empty() ? w.ExePath : QString::fromStdString(w.ImportDir);
    request.filters =
        QStringList{QString::fromLatin1(SetupFilePattern), QString::fromLatin1(AnyFilePattern)};
    const QString path = w.Boxes().openFileName(&w, request);
    if (path.isEmpty())
        return;
    w.ImportDir = QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdString();
    if (!MakeTemporaryCopy(path) || !ReadSetupFile().Succeeded())
        return;
    if (ApplySetup())
        w.ChangeChannelNames = false;
    // The variant follows the name of channel 8; only a change runs its handler.
    w.ui->ConductivityCheckBox->setChecked(NamesConductivity(w.Setup));
}

void SetupImport::WMDropFiles(const QStringList &files)
{
    Tell(QString::fromLatin1(DroppedText), false);
    if (files.isEmpty())
        return;
    const QString name = files.first();
    const QString fileName = QFileInfo(name).fileName();
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && fileName.mid(dot + 1).toUpper() == QLatin1String(SetupFileExtension))
        ImportSetupFile(name);
}

void SetupImport::ImportSetupFile(const QString &fileName)
{
    if (fileName.isEmpty() || !MakeTemporaryCopy(fileName))
        return;
    const SetupReadResult result = ReadSetupFile();
    if (result.Succeeded())
        ApplySetup();
    else if (result.Outcome == SetupReadOutcome::WalkFailed)
        Tell(QString::fromLatin1(CannotImportText), false);
}
