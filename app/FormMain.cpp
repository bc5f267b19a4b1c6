#include "app/FormMain.h"

#include "app/Settings.h"
#include "commandfile/CommandEditor.h"
#include "common/IntervalTables.h"
#include "estimators/EstimatorPage.h"
#include "estimators/StationPlan.h"
#include "setup/FileNames.h"
#include "setup/SetupImport.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "ui/ComboItems.h"
#include "ui/Dialogs.h"
#include "ui/Look.h"
#include "ui/ToggleSwitch.h"
#include "ui_FormMain.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScreen>

TFormMain *FormMain = nullptr;

namespace {

constexpr int TimerIntervalMs = 100;

// The settings file's failure in the user's language.
QString Described(const FileError &error, bool german)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(error.Path.string()));
    if (error.Fault.kind == FileFault::Kind::TooLarge)
        return QString::fromUtf8(FileTooLarge.In(german))
            .arg(path)
            .arg(MaxInputFileBytes / BytesPerMB);
    const Message &text = error.What == FileError::Kind::NotRead ? FileNotRead : FileNotWritten;
    return QString::fromUtf8(text.In(german))
        .arg(path, QString::fromStdString(FileFaultReason(error.Fault, german)));
}

} // namespace

TFormMain::TFormMain(QWidget *parent) : TFormMain(Environment::System(), parent) {}

TFormMain::TFormMain(Environment environment, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::FormMain>()), environment_(std::move(environment))
{
    // The pictures are compiled into the toolbox library; naming them here
    // keeps the linker from leaving them out.
    Q_INIT_RESOURCE(pictures);
    ui->setupUi(this);
    ApplyLook(this);
    setFixedSize(size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    TimerMain.setObjectName(QStringLiteral("TimerMain"));
    TimerMain.setInterval(TimerIntervalMs);

    GatherMeasurementRows();
    ConnectShell();
    Estimators = std::make_unique<EstimatorPage>(*this);
    Commands = std::make_unique<CommandEditor>(*this);
    Import = std::make_unique<SetupImport>(*this);
    setAcceptDrops(true);
    FormCreate();
}

TFormMain::~TFormMain()
{
    FormDestroy();
}

void TFormMain::GatherMeasurementRows()
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const QString n = QString::number(i);
        MeasurementLabel[i] = findChild<QLabel *>(QStringLiteral("LabelM") + n);
        SamplingIntervalComboBoxes[i] = findChild<QComboBox *>(QStringLiteral("ComboBoxM") + n);
        StorageIntervalComboBoxes[i] = findChild<QComboBox *>(QStringLiteral("ComboBoxS") + n);
        InTX1Switches[i] = findChild<ToggleSwitch *>(QStringLiteral("SwitchTX1_M") + n);
        InTX2Switches[i] = findChild<ToggleSwitch *>(QStringLiteral("SwitchTX2_M") + n);
    }
}

void TFormMain::FormCreate()
{
    ExePath = QDir(environment_.ProgramFolder).absolutePath() + QLatin1Char('/');
    Estimators->DetachIntervalHandlers();
    ReadSettings();
    if (LastTabItem == 1)
        ui->TabControlMain->setCurrentWidget(ui->TabItemXMLCmd);
    // The command page is made when it is first shown, in the state these
    // steps would leave it (CommandEditor).
    ResetSetupDefaults(Setup);
    Commands->FillCommandPanels();

    CalcDisabled = true;
    SetDefaultIntervals();
    for (int i = FirstConductivityRow; i <= EstimatorRowCount; ++i) {
        MeasurementLabel[i]->hide();
        SamplingIntervalComboBoxes[i]->hide();
        StorageIntervalComboBoxes[i]->hide();
        InTX1Switches[i]->hide();
        InTX2Switches[i]->hide();
    }
    ui->MenuItemEN->setChecked(LanguageEN);
    ui->MenuItemDE->setChecked(!LanguageEN);
    ApplyLanguage(LanguageEN);
    CalcDisabled = false;
    CalcVolumeNew = true;
    CalcBattLifetimeNew = true;

    TimerMain.start();
    Estimators->AttachIntervalHandlers();
    ui->SpinBoxVCompression1->hide();
    ui->SpinBoxVCompression2->hide();
    Estimators->SwitchVTX1Click(nullptr);
    Estimators->SwitchVTX2Click(nullptr);
}

// Interval item lists are defined once, on the first drop-down of each kind,
// and copied to the others.
void TFormMain::SetDefaultIntervals()
{
    const QStringList measurementItems = ItemsOf(ui->ComboBoxM1);
    for (int i = 2; i <= EstimatorRowCount; ++i)
        SetItems(SamplingIntervalComboBoxes[i], measurementItems,
                 IntervalIndexOf(DefaultIntervalSeconds[i - 1]));
    for (int i = 1; i <= EstimatorRowCount; ++i)
        SetItems(StorageIntervalComboBoxes[i], measurementItems,
                 IntervalIndexOf(DefaultIntervalSeconds[i - 1]));
    ui->ComboBoxVTX1Interval->setCurrentIndex(VTXIntervalIndexOf(DefaultTxIntervalSeconds));
    SetItems(ui->ComboBoxVTX2Interval, ItemsOf(ui->ComboBoxVTX1Interval),
             VTXIntervalIndexOf(DefaultTxIntervalSeconds));
}

void TFormMain::ReadSettings()
{
    SettingsPath = QDir(environment_.SettingsFolder).filePath(QLatin1String(SettingsFileName));
    std::optional<FileError> error;
    const Settings settings = LoadSettings(QFile::encodeName(SettingsPath).toStdString(), error);
    ChangeChannelNames = true;
    LanguageEN = settings.LanguageEN;
    LastTabItem = settings.LastTabItem;
    ImportDir = settings.ImportDir;
    ExportDir = settings.ExportDir;
    // Told once the window is up. Other unreadable files have always started
    // quietly; closing names them, as it names this one.
    if (error && error->Fault.kind == FileFault::Kind::TooLarge)
        QMetaObject::invokeMethod(
            this,
            [this, failure = *error] {
                Boxes().showMessage(this, Dialogs::Kind::Warning,
                                    QString::fromUtf8(SettingsNotRead.In(!LanguageEN))
                                        .arg(Described(failure, !LanguageEN)));
            },
            Qt::QueuedConnection);
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TFormMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// The names are taken and the drop released at once; the import runs right
// after, so its message boxes do not hold up the desktop's drag.
void TFormMain::dropEvent(QDropEvent *event)
{
    QStringList files;
    for (const QUrl &url : event->mimeData()->urls()) {
        // The name's own bytes, which need not be UTF-8.
        if (url.isLocalFile())
            files << FileNameFromNative(
                QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, files] { Import->WMDropFiles(files); }, Qt::QueuedConnection);
}

// Closing is never refused; a settings file that cannot be written is
// reported and the window closes all the same.
void TFormMain::FormClose()
{
    QDir().mkpath(environment_.SettingsFolder);
    FileError error;
    if (!SaveSettings({LanguageEN, LastTabItem, ImportDir, ExportDir},
                      QFile::encodeName(SettingsPath).toStdString(), error))
        Boxes().showMessage(
            this, Dialogs::Kind::Error,
            QString::fromUtf8(SettingsNotSaved.In(!LanguageEN)).arg(Described(error, !LanguageEN)));
}

void TFormMain::FormDestroy()
{
    setAcceptDrops(false);
}
