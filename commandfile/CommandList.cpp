#include "commandfile/CommandPage.h"

#include "commandfile/ExportFile.h"
#include "commandfile/ListText.h"
#include "commandfile/Messages.h"
#include "commandfile/PlanEntries.h"
#include "commandfile/PlanMessage.h"
#include "commandfile/StationExportDialog.h"
#include "common/AtomicFile.h"
#include "common/Text.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "ui/Expander.h"
#include "ui_CommandPage.h"

#include <QFile>
#include <QScrollBar>
#include <QTextDocument>

#include <cerrno>

namespace {

const char *const KcfFilter = "FTP command files (*.kcf)";

QueryDateTime QueryMoment(const QDateEdit *date, const QTimeEdit *time)
{
    return {date->date().year(), date->date().month(), date->date().day(), time->time().hour(),
            time->time().minute()};
}

// The text as the box holds it, lines broken by "\n". The box's own plain
// text turns no-break spaces into spaces, which would change file names.
QString MemoText(const QPlainTextEdit *memo)
{
    QString text = memo->document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    }
    return text;
}

// A drop-down named as the user sees it: by the label or box in front of it.
QString FieldCaption(const Ui::CommandPage &ui, PanelField field)
{
    switch (field) {
    case PanelField::SamplingInterval:
        return ui.LabelMInt2->text();
    case PanelField::AveragingInterval:
        return ui.CheckBoxSint->text();
    case PanelField::TransmissionInterval:
        break;
    case PanelField::AlarmInterval1:
    case PanelField::AlarmInterval2:
    case PanelField::AlarmInterval3: {
        const int alarm =
            static_cast<int>(field) - static_cast<int>(PanelField::AlarmInterval1) + 1;
        return ui.LabelTILimitInt->text() + QLatin1Char(' ') + QString::number(alarm) +
               QLatin1Char(':');
    }
    }
    return ui.LabelTIInterval->text();
}

} // namespace

QString CommandPage::Text(const Message &message) const
{
    return QString::fromUtf8(message.In(!english_));
}

void CommandPage::Tell(Dialogs::Kind kind, const QString &text, QMessageBox::StandardButton button)
{
    environment_.Boxes->showMessage(window(), kind, text, button);
}

std::string CommandPage::ListText() const
{
    return MemoText(Form().MemoCmdList)
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
        .toStdString();
}

void CommandPage::SetListText(const std::string &text)
{
    Form().MemoCmdList->setPlainText(
        QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

EntryContext CommandPage::Context() const
{
    const QLocale locale = environment_.Locale;
    EntryContext context;
    context.stationId = Form().EditStationID->text().toStdString();
    context.measurementId = Form().ComboEditMeasurementID->currentText().toStdString();
    context.decimalSeparator = environment_.DecimalSeparator();
    context.upperCase = [locale](const std::string &text) {
        return locale.toUpper(QString::fromStdString(text)).toStdString();
    };
    return context;
}

PanelInput CommandPage::InputOf(const Expander *panel) const
{
    const auto &ui = Form();
    if (panel == ui.ExpanderCfg)
        return ConfigurationInput{ui.EditCfg->text().toStdString()};
    if (panel == ui.ExpanderFW)
        return FirmwareInput{ui.EditFW->text().toStdString()};
    if (panel == ui.ExpanderMIntSInt)
        return SamplingInput{ui.ComboBoxMInt2->currentIndex(), ui.CheckBoxSint->isChecked(),
                             ui.ComboBoxSInt2->currentIndex()};
    if (panel == ui.ExpanderSkal)
        return ScalingInput{ui.EditSkalFactor->text().toStdString(),
                            ui.EditSkalOffset->text().toStdString()};
    if (panel == ui.ExpanderLimit)
        return LimitInput{ui.SpinBoxLimitIndex->value(), ui.ComboBoxLimitDir->currentIndex(),
                          ui.EditLimitValue->text().toStdString()};
    if (panel == ui.ExpanderGrad)
        return GradientInput{ui.SpinBoxGradIndex->value(), ui.ComboBoxGradDir->currentIndex(),
                             ui.EditGradValue->text().toStdString()};
    if (panel == ui.ExpanderTInt) {
        TransmissionInput input;
        input.index = ui.SpinBoxTIIndex->value();
        input.intervalItem = ui.ComboBoxTIInterval->currentIndex();
        input.offsetTicked = ui.CheckBoxTIOffset->isChecked();
        input.offsetMilliseconds = ui.TimeEditTIOffset->time().msecsSinceStartOfDay();
        input.alarmTicked = {ui.CheckBoxTIAlarmInt1->isChecked(),
                             ui.CheckBoxTIAlarmInt2->isChecked(),
                             ui.CheckBoxTIAlarmInt3->isChecked()};
        input.alarmItems = {ui.ComboBoxTIAlarmInt1->currentIndex(),
                            ui.ComboBoxTIAlarmInt2->currentIndex(),
                            ui.ComboBoxTIAlarmInt3->currentIndex()};
        return input;
    }
    if (panel == ui.ExpanderCfgDiag)
        return ConfigDiagnosticsInput{ui.CheckBoxGetCfg->isChecked(),
                                      ui.CheckBoxGetDiag->isChecked()};
    QueryInput query;
    query.start = QueryMoment(ui.DateEditQueryStart, ui.TimeEditQueryStart);
    query.end = QueryMoment(ui.DateEditQueryEnd, ui.TimeEditQueryEnd);
    query.format = ui.ComboBoxQueryFormat->currentText().toStdString();
    for (int i = 0; i < ui.ListBoxMeasurementID->count(); ++i) {
        const QListWidgetItem *item = ui.ListBoxMeasurementID->item(i);
        query.measurements.push_back(
            {item->text().toStdString(), item->checkState() == Qt::Checked});
    }
    query.stationEvents = ui.CheckBoxQueryEventsStation->isChecked();
    query.measurementEvents = ui.CheckBoxQueryEventsChannels->isChecked();
    return query;
}

void CommandPage::ShowPanelMessages(const Expander *panel, const PanelInput &input)
{
    const auto &ui = Form();
    if (const auto *cfg = std::get_if<ConfigurationInput>(&input)) {
        if (FileNameHasSpace(cfg->file))
            Tell(Dialogs::Kind::Warning, Text(NoSpacesInFileName));
        Tell(Dialogs::Kind::Information, Text(SaveConfigurationFile));
        Tell(Dialogs::Kind::Warning, Text(DataMemoryMayBeDeleted));
    } else if (const auto *fw = std::get_if<FirmwareInput>(&input)) {
        if (FileNameHasSpace(fw->file))
            Tell(Dialogs::Kind::Warning, Text(NoSpacesInFileName));
        Tell(Dialogs::Kind::Information, Text(SaveFirmwareFile));
    } else if (panel == ui.ExpanderMIntSInt) {
        Tell(Dialogs::Kind::Warning, Text(DataMemoryMayBeDeleted));
    }
}

void CommandPage::ShowCount()
{
    Form().LabelCmdCounter->setText(QStringLiteral("%1 / %2").arg(CmdCounter).arg(MaxListEntries));
}

void CommandPage::CornerButtonAddCmdClick()
{
    const Expander *panel = OpenPanel();
    if (!panel || CmdCounter >= MaxListEntries)
        return;
    const PanelInput input = InputOf(panel);
    if (const auto missing = MissingSelection(input)) {
        Tell(Dialogs::Kind::Warning, Text(NoItemChosen).arg(FieldCaption(Form(), *missing)));
        return;
    }
    const std::string entry = BuildEntry(input, Context(), random_);
    ShowPanelMessages(panel, input);
    SetListText(InsertEntry(ListText(), KindOf(input), entry));
    CountAdded(1);
}

// The list now holds entries for the station of the ID field: the field stays
// as it is until the list is cleared.
void CommandPage::CountAdded(int entries)
{
    auto &ui = Form();
    CmdCounter += entries;
    ShowCount();
    SetExportEnabled(true);
    UpdateAddButton();
    ui.EditStationID->setEnabled(false);
    ui.MemoCmdList->verticalScrollBar()->setValue(ui.MemoCmdList->verticalScrollBar()->maximum());
}

void CommandPage::SetExportEnabled(bool enabled)
{
    Form().CornerButtonExportFTPFile->setEnabled(enabled);
    Form().CornerButtonExportStations->setEnabled(enabled);
}

// The entries that bring the logger to the plan, added as their panels add
// them, all or, where the list has no room, none of one: what is left out is
// named in one message.
void CommandPage::CornerButtonCmdFromPlanClick()
{
    if (!planProvider_ || CmdCounter >= MaxListEntries)
        return;
    PlanEntryContext context;
    context.stationId = Form().EditStationID->text().toStdString();
    context.upperCase = Context().upperCase;
    context.entriesInList = CmdCounter;
    context.weekdayItems = WeekdayItemsOf(setup_);
    const PlanEntries added = EntriesFromPlan(planProvider_(), context, random_);

    std::string list = ListText();
    bool sampling = false;
    for (const PlanEntry &entry : added.entries) {
        list = InsertEntry(list, KindOf(entry.panel), entry.text);
        sampling = sampling || std::holds_alternative<SamplingInput>(entry.panel);
    }
    if (!added.entries.empty()) {
        SetListText(list);
        ShowPlanPanels(added);
        CountAdded(static_cast<int>(added.entries.size()));
    }
    if (sampling)
        Tell(Dialogs::Kind::Warning, Text(DataMemoryMayBeDeleted));
    if (!added.leftOut.empty())
        Tell(Dialogs::Kind::Warning,
             QString::fromStdString(PlanLeftOutMessage(added.leftOut, !english_)));
}

void CommandPage::CornerButtonExportFTPFileClick()
{
    const std::string list = ListText();
    if (!IsExportable(list))
        return;
    const auto &ui = Form();
    Dialogs::FileRequest request;
    request.title = ui.CornerButtonExportFTPFile->text();
    request.folder = QString::fromStdString(ExportDir);
    request.proposedName =
        QString::fromStdString(ProposedFileName(ui.EditStationID->text().toStdString()));
    request.filters = QStringList{QString::fromLatin1(KcfFilter)};
    const QString path = environment_.Boxes->saveFileName(window(), request);
    if (path.isEmpty())
        return;
    ExportDir = ExportFolderOf(path.toStdString());

    const Latin1Text encoded = ToLatin1(list);
    if (encoded.unencodable) {
        Tell(Dialogs::Kind::Error, Text(CharacterNotExportable)
                                       .arg(QString::fromStdString(encoded.unencodable->character))
                                       .arg(encoded.unencodable->line));
        return;
    }
    // Written aside and placed under its name only if that name is free, in
    // one step: a file that exists, or appears meanwhile, is never replaced,
    // and a failure leaves no partial file.
    const FileFault fault =
        WriteNewFileAtomically(QFile::encodeName(path).toStdString(), encoded.bytes);
    if (fault.kind == FileFault::Kind::System && fault.systemError == EEXIST)
        Tell(Dialogs::Kind::Error, Text(FileAlreadyExists).arg(path), QMessageBox::Cancel);
    else if (fault)
        Tell(Dialogs::Kind::Error,
             Text(FileNotWritten)
                 .arg(path, QString::fromStdString(FileFaultReason(fault, !english_))));
}

// The list for each station of a list of IDs, in a dialog of its own that
// takes the list as it is now.
void CommandPage::CornerButtonExportStationsClick()
{
    std::string list = ListText();
    if (!IsExportable(list))
        return;
    StationExportDialog::Job job{std::move(list), random_, Context().upperCase,
                                 QString::fromStdString(ExportDir)};
    auto *dialog = new StationExportDialog(environment_, english_, std::move(job), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &StationExportDialog::exported, this,
            [this](const QString &folder) { ExportDir = folder.toStdString(); });
    dialog->open();
}

void CommandPage::CornerButtonClearListClick()
{
    auto &ui = Form();
    ui.MemoCmdList->clear();
    CmdCounter = 0;
    ShowCount();
    SetExportEnabled(false);
    ui.EditStationID->setEnabled(true);
    ExpanderExpandedChanged(nullptr);
}
