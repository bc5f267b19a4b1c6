#include "app/FormMain.h"

#include "app/Settings.h"
#include "commandfile/CommandPage.h"
#include "estimators/EstimatorPage.h"
#include "setup/FileNames.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "ui/ControlNames.h"
#include "ui/Dialogs.h"
#include "ui/LanguageTexts.h"
#include "ui/Look.h"
#include "ui_FormMain.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>

TFormMain *FormMain = nullptr;

namespace {

// The settings file's failure in the user's language.
QString Described(const FileError &error, bool german)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(error.Path.string()));
    if (error.Fault.kind == FileFault::Kind::TooLarge)
        return QString::fromUtf8(FileTooLarge.In(german))
            .arg(path)
            .arg(error.Fault.limit / BytesPerMB);
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
    ui->setupUi(this);
    ExePath = environment_.ProgramPath();
    AddPages(ReadSettings());
    ApplyLook(this);
    FitToScreen();
    ConnectShell();
    setAcceptDrops(true);
    FormCreate();
    ConnectPlanEntries();
    ConnectReportEntries();
}

TFormMain::~TFormMain()
{
    FormDestroy();
}

// Both pages and the import in the language read from the settings: the
// estimator page in its start-up state, the command page made when it is
// first shown.
void TFormMain::AddPages(const Settings &settings)
{
    estimators_ = new EstimatorPage(environment_, LanguageEN, ui->TabControlMain);
    commands_ = new CommandPage(environment_, LanguageEN, ui->TabControlMain);
    ui->TabControlMain->addScrolledPage(estimators_);
    ui->TabControlMain->addScrolledPage(commands_);
    commands_->ExportDir = settings.ExportDir;
    // The command page adds the entries of the plan the estimator page shows.
    commands_->setPlanProvider([this] { return estimators_->plan(); });
    import_ = new SetupImport(environment_, LanguageEN, this);
    import_->ImportDir = settings.ImportDir;
    PlanDir = settings.PlanDir;
}

void TFormMain::FormCreate()
{
    if (LastTabItem == 1)
        ui->TabControlMain->setCurrentPage(commands_);
    ResetSetupDefaults(Setup);
    commands_->setSetup(Setup);
    ui->MenuItemEN->setChecked(LanguageEN);
    ui->MenuItemDE->setChecked(!LanguageEN);
    // The pages were made in the language.
    ApplyOwnTexts(LanguageEN);
}

// The header, the menu and the tab captions; each page sets its own texts.
// The header's pictures are named, and their tool tips say, what they do.
void TFormMain::ApplyOwnTexts(bool english)
{
    ApplyLanguageTexts(this, english, false, {estimators_, commands_});
    ApplyPlanTexts(english);
    const QString menu = HelpText(ControlHelp::MenuImage, !english);
    NameControl(ui->ImageMenu, {menu});
    SetToolTip(ui->ImageMenu, menu);
    NameControl(ui->ImageImportSetup, {CaptionOf(ui->MenuItemImport)});
    SetToolTip(ui->ImageImportSetup, ui->MenuItemImport->text());
}

// Every part of the window in the language.
void TFormMain::ApplyLanguage(bool english)
{
    ApplyOwnTexts(english);
    {
        const QScopedValueRollback<bool> renaming(renaming_, true);
        estimators_->applyLanguage(english);
    }
    commands_->applyLanguage(english);
    import_->applyLanguage(english);
}

Settings TFormMain::ReadSettings()
{
    SettingsPath = QDir(environment_.SettingsFolder).filePath(QLatin1String(SettingsFileName));
    std::optional<FileError> error;
    const Settings settings = LoadSettings(QFile::encodeName(SettingsPath).toStdString(), error);
    LanguageEN = settings.LanguageEN;
    LastTabItem = settings.LastTabItem;
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
    return settings;
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
        this, [this, files] { DropFiles(files); }, Qt::QueuedConnection);
}

// Closing is never refused; a settings file that cannot be written is
// reported and the window closes all the same.
void TFormMain::FormClose()
{
    QDir().mkpath(environment_.SettingsFolder);
    FileError error;
    if (!SaveSettings({LanguageEN, LastTabItem, import_->ImportDir, commands_->ExportDir, PlanDir},
                      QFile::encodeName(SettingsPath).toStdString(), error))
        Boxes().showMessage(
            this, Dialogs::Kind::Error,
            QString::fromUtf8(SettingsNotSaved.In(!LanguageEN)).arg(Described(error, !LanguageEN)));
}

void TFormMain::FormDestroy()
{
    setAcceptDrops(false);
}
