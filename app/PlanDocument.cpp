#include "app/FormMain.h"

#include "app/CompareDialog.h"
#include "commandfile/CommandPage.h"
#include "common/InputFile.h"
#include "estimators/EstimatorPage.h"
#include "planfile/FileKind.h"
#include "planfile/PlanCompare.h"
#include "planfile/PlanFile.h"
#include "planfile/PlanSetup.h"
#include "setup/FileNames.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "texts/PlanTexts.h"
#include "ui_FormMain.h"

#include <QAbstractSpinBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace {

// Undo steps kept; a plan is a few hundred bytes.
constexpr std::size_t UndoDepth = 1000;
// Enough of a file's start to tell a plan file from a setup file.
constexpr std::size_t KindProbeBytes = 4096;

// Whether the file's content is a plan file's; a file that cannot be read,
// or that is no regular file (opening a pipe would wait for a writer), is
// left to the setup import, which says why.
bool HoldsPlan(const QString &fileName)
{
    std::string start;
    return !ReadInputFileStart(NativePath(fileName), KindProbeBytes, start) && !start.empty() &&
           KindOfContent(start) == FileKind::Plan;
}

bool NamesAnyRow(const StationPlan &plan)
{
    return std::any_of(plan.rows.begin(), plan.rows.end(),
                       [](const StationPlan::Row &row) { return row.name.has_value(); });
}

} // namespace

// A station ID as a file name: the characters a folder path cannot hold
// become "_".
QString TFormMain::FileNameOfStation(const std::string &stationId, const char *extension)
{
    QString name = QString::fromLatin1(stationId);
    for (QChar &c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || !c.isPrint())
            c = QLatin1Char('_');
    }
    return name + QLatin1String(extension);
}

QString TFormMain::Text(const Message &message) const
{
    return QString::fromUtf8(message.In(!LanguageEN));
}

// The entries exist from the start and the shortcuts belong to the window,
// so they work wherever the focus is, before the menu is first made.
void TFormMain::ConnectPlanEntries()
{
    addAction(ui->MenuItemUndo);
    addAction(ui->MenuItemRedo);
    connect(ui->MenuItemNewPlan, &QAction::triggered, this, &TFormMain::MenuItemNewPlanClick);
    connect(ui->MenuItemOpenPlan, &QAction::triggered, this, &TFormMain::MenuItemOpenPlanClick);
    connect(ui->MenuItemSavePlan, &QAction::triggered, this, &TFormMain::MenuItemSavePlanClick);
    connect(ui->MenuItemComparePlan, &QAction::triggered, this,
            &TFormMain::MenuItemComparePlanClick);
    connect(ui->MenuItemUndo, &QAction::triggered, this, &TFormMain::MenuItemUndoClick);
    connect(ui->MenuItemRedo, &QAction::triggered, this, &TFormMain::MenuItemRedoClick);
    connect(estimators_, &EstimatorPage::planChanged, this, &TFormMain::EstimatorPlanChanged);
    for (QAbstractSpinBox *box : estimators_->findChildren<QAbstractSpinBox *>()) {
        // A spin box of the page would take the keys for its own text.
        box->installEventFilter(this);
        // Told before the value the text gives; the mark lasts for the key
        // that typed it.
        connect(box->findChild<QLineEdit *>(), &QLineEdit::textEdited, this, [this, box] {
            typedIn_ = box;
            QMetaObject::invokeMethod(
                this, [this] { typedIn_ = nullptr; }, Qt::QueuedConnection);
        });
    }
    history_ = std::make_unique<UndoHistory<PageState>>(PageNow(), UndoDepth);
    ShowComparison = [this](const PlanComparison &comparison, const QString &fileName) {
        CompareDialog dialog(comparison, fileName, LanguageEN, this);
        dialog.exec();
    };
}

void TFormMain::ApplyPlanTexts(bool english)
{
    const auto apply = [this, english](const auto &entries) {
        for (const PlanMenuText &entry : entries)
            findChild<QAction *>(QLatin1String(entry.Control))
                ->setText(QString::fromUtf8(entry.Text.In(!english)));
    };
    apply(PlanMenuTexts);
    apply(ReportMenuTexts);
    ShowWhatIsOpen();
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    // Typing into the box again later is a step of its own.
    if (event->type() == QEvent::FocusOut && watched == typingStep_)
        typingStep_ = nullptr;
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        if (pressed == ui->MenuItemUndo->shortcut() || pressed == ui->MenuItemRedo->shortcut()) {
            // Left to the window's shortcut.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

TFormMain::PageState TFormMain::PageNow() const
{
    return {estimators_->plan(), estimators_->ChangeChannelNames, planFile_};
}

// Each change of the page's plan is one step; a language switch that renames
// the rows, and a change of the file alone, are none. A spin box whose text
// the user types changes with each digit: the digits typed in a row are one
// step.
void TFormMain::EstimatorPlanChanged()
{
    if (!history_ || restoring_)
        return;
    PageState now = PageNow();
    QAbstractSpinBox *const typed = std::exchange(typedIn_, nullptr);
    if (!renaming_ && now.plan != history_->Current().plan) {
        if (typed && typed == typingStep_)
            history_->Replace(std::move(now));
        else
            history_->Record(std::move(now));
        typingStep_ = typed;
    } else {
        history_->Replace(std::move(now));
    }
    ShowWhatIsOpen();
    UpdateUndoEntries();
}

void TFormMain::Restore(const PageState &state)
{
    typingStep_ = nullptr;
    {
        const QScopedValueRollback<bool> restoring(restoring_, true);
        planFile_ = state.fileName;
        estimators_->ChangeChannelNames = state.namesFollowLanguage;
        estimators_->setPlan(state.plan);
    }
    ShowWhatIsOpen();
    UpdateUndoEntries();
}

void TFormMain::UpdateUndoEntries()
{
    ui->MenuItemUndo->setEnabled(history_->CanUndo());
    ui->MenuItemRedo->setEnabled(history_->CanRedo());
}

void TFormMain::MenuItemUndoClick()
{
    if (history_->CanUndo())
        Restore(history_->Undo());
}

void TFormMain::MenuItemRedoClick()
{
    if (history_->CanRedo())
        Restore(history_->Redo());
}

// The station ID of the page's plan and the plan file, at the right of the
// header bar; the window's caption stays as it is.
void TFormMain::ShowWhatIsOpen()
{
    QLabel *label = ui->LabelPlanOpen;
    const std::string station = estimators_->plan().stationId;
    QStringList lines;
    if (!station.empty())
        lines << QString::fromUtf8(Translated(*FindLanguageText("LabelStationID"), LanguageEN)) +
                     QLatin1Char(' ') + QString::fromLatin1(station);
    if (!planFile_.isEmpty())
        lines << ReadableFileName(QFileInfo(planFile_).fileName());
    const QFontMetrics metrics(label->font());
    for (QString &line : lines)
        line = metrics.elidedText(line, Qt::ElideMiddle, label->width());
    label->setText(lines.join(QLatin1Char('\n')));
    label->setToolTip(planFile_.isEmpty() ? QString() : ReadableFileName(planFile_));
}

QString TFormMain::ChoosePlanFile(const Message &title, bool save)
{
    Dialogs::FileRequest request;
    request.title = Text(title);
    request.folder = FileNameFromNative(QByteArray::fromStdString(PlanDir));
    request.filters = QStringList{Text(PlanFileFilter).arg(QLatin1String(PlanFileExtension))};
    if (save) {
        const std::string station = estimators_->plan().stationId;
        request.proposedName = !planFile_.isEmpty() ? QFileInfo(planFile_).fileName()
                               : station.empty()    ? QString()
                                                    : FileNameOfStation(station, PlanFileExtension);
        // The extension without its dot.
        request.defaultSuffix = QLatin1String(PlanFileExtension).mid(1);
        request.confirmOverwrite = true;
    }
    const QString fileName =
        save ? Boxes().saveFileName(this, request) : Boxes().openFileName(this, request);
    if (!fileName.isEmpty())
        RememberPlanFolder(fileName);
    return fileName;
}

void TFormMain::RememberPlanFolder(const QString &fileName)
{
    // The bytes of the name, which need not be UTF-8.
    PlanDir =
        NativeFileName(QDir::toNativeSeparators(QFileInfo(fileName).absolutePath())).toStdString();
}

std::optional<StationPlan> TFormMain::ReadPlan(const QString &fileName, const Message &refused)
{
    PlanReadResult read = ReadPlanFile(NativePath(fileName));
    if (!read.plan)
        Boxes().showMessage(
            this, Dialogs::Kind::Error,
            Text(refused).arg(ReadableFileName(fileName),
                              QString::fromStdString(read.error.Text(!LanguageEN))));
    return std::move(read.plan);
}

// The command page follows the plan where it names the station or its
// measurements; the page's rows keep a plan's names through language
// switches, as after a dialog import.
void TFormMain::ShowPlan(const StationPlan &plan, const QString &fileName)
{
    if (const std::optional<SetupModel> model = CommandSetupOf(plan)) {
        Setup = *model;
        commands_->setSetup(Setup);
    }
    planFile_ = fileName;
    estimators_->ChangeChannelNames = !NamesAnyRow(plan);
    estimators_->setPlan(plan);
}

bool TFormMain::OpenPlanFile(const QString &fileName)
{
    const std::optional<StationPlan> plan = ReadPlan(fileName, PlanNotOpened);
    if (plan)
        ShowPlan(*plan, fileName);
    return plan.has_value();
}

void TFormMain::OpenGivenFile(const QString &fileName)
{
    if (HoldsPlan(fileName)) {
        RememberPlanFolder(fileName);
        OpenPlanFile(fileName);
    } else {
        import_->ImportChosenFile(fileName);
    }
}

void TFormMain::DropFiles(const QStringList &files)
{
    if (!files.isEmpty() && HoldsPlan(files.first()))
        OpenPlanFile(files.first());
    else
        import_->WMDropFiles(files);
}

void TFormMain::MenuItemNewPlanClick()
{
    planFile_.clear();
    estimators_->ChangeChannelNames = true;
    estimators_->setPlan(DefaultPlan());
}

void TFormMain::MenuItemOpenPlanClick()
{
    const QString fileName = ChoosePlanFile(OpenPlanTitle, false);
    if (!fileName.isEmpty())
        OpenPlanFile(fileName);
}

void TFormMain::MenuItemSavePlanClick()
{
    const QString fileName = ChoosePlanFile(SavePlanTitle, true);
    if (fileName.isEmpty())
        return;
    if (const FileFault fault = SavePlanFile(NativePath(fileName), estimators_->plan())) {
        Boxes().showMessage(this, Dialogs::Kind::Error,
                            Text(FileNotWritten)
                                .arg(ReadableFileName(fileName),
                                     QString::fromStdString(FileFaultReason(fault, !LanguageEN))));
        return;
    }
    planFile_ = fileName;
    history_->Replace(PageNow());
    ShowWhatIsOpen();
}

void TFormMain::MenuItemComparePlanClick()
{
    const QString fileName = ChoosePlanFile(ComparePlanTitle, false);
    if (fileName.isEmpty())
        return;
    if (const std::optional<StationPlan> plan = ReadPlan(fileName, PlanNotCompared))
        ShowComparison(
            ComparePlans(estimators_->plan(), *plan, !LanguageEN, environment_.DecimalSeparator()),
            ReadableFileName(QFileInfo(fileName).fileName()));
}
