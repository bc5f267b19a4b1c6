#include "setup/SetupImport.h"

#include "app/FormMain.h"
#include "commandfile/CommandEditor.h"
#include "common/IntervalTables.h"
#include "estimators/EstimatorPage.h"
#include "estimators/StationPlan.h"
#include "setup/FileNames.h"
#include "setup/SetupApply.h"
#include "setup/SetupCopy.h"
#include "setup/SetupFileFormat.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "ui/ClickLabel.h"
#include "ui/Dialogs.h"
#include "ui/ToggleSwitch.h"
#include "ui_FormMain.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <new>

namespace {

const char *const TemporaryCopyName = "PL1kCfgTmp.bin";
const char *const ImportTitle = "Pelora 1000  -  Select File";
const char *const SetupFilePattern = "*.BIN";
const char *const AnyFilePattern = "*.*";
const char *const SetupFileExtension = "BIN";
const char *const DroppedText = "DROPPED";
const char *const CannotImportText = "Can't import! Error in file content!";

// Ours: an import that cannot even start says so instead of doing nothing.
// "%1" names the chosen file, "%2" the reason (or the copy, "%3" the reason).
constexpr Message SetupNotCopied = {
    "The setup file \"%1\" could not be imported: %2",
    "Die Konfigurationsdatei \"%1\" konnte nicht importiert werden: %2"};
constexpr Message CopyNotWritten = {
    "The setup file \"%1\" could not be imported: its temporary copy \"%2\" cannot be "
    "written: %3",
    "Die Konfigurationsdatei \"%1\" konnte nicht importiert werden: ihre temporäre Kopie "
    "\"%2\" kann nicht geschrieben werden: %3"};
constexpr Message SetupNotOpened = {
    "The temporary copy \"%1\" of the setup file could not be read: %2",
    "Die temporäre Kopie \"%1\" der Konfigurationsdatei konnte nicht gelesen werden: %2"};
constexpr Message SetupNotImported = {"The setup file could not be imported: %1",
                                      "Die Konfigurationsdatei konnte nicht importiert werden: %1"};

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

QString SetupImport::Text(const Message &message) const
{
    return QString::fromUtf8(message.In(!w.LanguageEN));
}

QString SetupImport::Reason(const FileFault &fault) const
{
    return QString::fromStdString(FileFaultReason(fault, !w.LanguageEN));
}

void SetupImport::Guarded(const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::bad_alloc &) {
        Tell(Text(SetupNotImported).arg(Reason(FileFault::OfSystem(ENOMEM))), true);
    }
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
    try {
        ApplyControls();
    } catch (...) {
        // A step that fails must not leave the estimators held off or the
        // interval handlers detached.
        w.CalcDisabled = false;
        w.Estimators->AttachIntervalHandlers();
        throw;
    }
    w.Estimators->AttachIntervalHandlers();
    w.Estimators->SwitchVTX1Click(nullptr);
    w.Estimators->SwitchVTX2Click(nullptr);
    w.Commands->FillCommandPanels();
    return true;
}

void SetupImport::ApplyControls()
{
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
}

SetupReadResult SetupImport::ReadSetupFile()
{
    const QString copy = TemporaryCopyPath();
    const SetupReadResult result = ::ReadSetupFile(NativePath(copy), w.Setup);
    if (result.Outcome == SetupReadOutcome::WalkFailed)
        Tell(QString::fromLatin1(ReadConfigFailedText) + QString::fromStdString(result.Description),
             false);
    else if (result.Outcome == SetupReadOutcome::OpenFailed)
        Tell(Text(SetupNotOpened).arg(ReadableFileName(copy), Reason(result.Fault)), true);
    return result;
}

bool SetupImport::MakeTemporaryCopy(const QString &source)
{
    const QString copy = TemporaryCopyPath();
    std::error_code ignored; // a folder that cannot be made shows in the copy
    std::filesystem::create_directories(NativePath(w.Platform().DataFolder), ignored);
    const SetupCopyResult result = CopySetupFile(NativePath(source), NativePath(copy));
    if (!result.fault)
        return true;
    const QString name = ReadableFileName(source);
    if (result.side == SetupCopyResult::Side::Source)
        Tell(Text(SetupNotCopied).arg(name, Reason(result.fault)), true);
    else
        Tell(Text(CopyNotWritten).arg(name, ReadableFileName(copy), Reason(result.fault)), true);
    return false;
}

void SetupImport::MenuItemImportClick()
{
    Guarded([this] {
        Dialogs::FileRequest request;
        request.title = QString::fromLatin1(ImportTitle);
        request.folder = w.ImportDir.empty()
                             ? w.ExePath
                             : FileNameFromNative(QByteArray::fromStdString(w.ImportDir));
        request.filters =
            QStringList{QString::fromLatin1(SetupFilePattern), QString::fromLatin1(AnyFilePattern)};
        const QString path = w.Boxes().openFileName(&w, request);
        if (path.isEmpty())
            return;
        // The bytes of the name, which need not be UTF-8.
        w.ImportDir =
            NativeFileName(QDir::toNativeSeparators(QFileInfo(path).absolutePath())).toStdString();
        if (!MakeTemporaryCopy(path) || !ReadSetupFile().Succeeded())
            return;
        if (ApplySetup())
            w.ChangeChannelNames = false;
        // The variant follows the name of channel 8; only a change runs its handler.
        w.ui->ConductivityCheckBox->setChecked(NamesConductivity(w.Setup));
    });
}

void SetupImport::WMDropFiles(const QStringList &files)
{
    Guarded([this, &files] {
        Tell(QString::fromLatin1(DroppedText), false);
        if (files.isEmpty())
            return;
        const QString name = files.first();
        const QString fileName = QFileInfo(name).fileName();
        const int dot = fileName.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0 && fileName.mid(dot + 1).toUpper() == QLatin1String(SetupFileExtension))
            ImportSetupFile(name);
    });
}

void SetupImport::ImportSetupFile(const QString &fileName)
{
    Guarded([this, &fileName] {
        if (fileName.isEmpty() || !MakeTemporaryCopy(fileName))
            return;
        const SetupReadResult result = ReadSetupFile();
        if (result.Succeeded())
            ApplySetup();
        else if (result.Outcome == SetupReadOutcome::WalkFailed)
            Tell(QString::fromLatin1(CannotImportText), false);
    });
}
