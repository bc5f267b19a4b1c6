#include "commandfile/CommandPage.h"

#include "commandfile/ListText.h"
#include "commandfile/Messages.h"
#include "commandfile/PageTexts.h"
#include "commandfile/PlanEntries.h"
#include "common/IdLengths.h"
#include "common/IntervalTables.h"
#include "common/TimeUnits.h"
#include "ui/ComboItems.h"
#include "ui/Expander.h"
#include "ui/LanguageTexts.h"
#include "ui/Look.h"
#include "ui/TabWidget.h"
#include "ui_CommandPage.h"

namespace {

constexpr std::array<const char *, CommandPage::PanelCount> CommandExpanderNames = {
    "ExpanderCfg",  "ExpanderFW",   "ExpanderMIntSInt", "ExpanderLimit", "ExpanderGrad",
    "ExpanderSkal", "ExpanderTInt", "ExpanderCfgDiag",  "ExpanderQuery"};

// A position the drop-down has, else none: a model value outside the list
// never shows an item that stands for another value.
void Choose(QComboBox *combo, int position)
{
    combo->setCurrentIndex(position < combo->count() ? position : -1);
}

} // namespace

CommandPage::CommandPage(Environment environment, bool english, QWidget *parent)
    : QWidget(parent), environment_(std::move(environment)), english_(english),
      random_(SeededRandomSource(environment_.RandomSeed))
{
    setObjectName(QStringLiteral("TabItemXMLCmd"));
}

CommandPage::~CommandPage() = default;

void CommandPage::showEvent(QShowEvent *event)
{
    Form();
    QWidget::showEvent(event);
}

Ui::CommandPage &CommandPage::Form()
{
    if (!form_)
        CreateForm();
    return *form_;
}

// The page's controls cost start-up time and memory; they are made when the
// page is first shown or used, in the state the program's start-up leaves
// them: panels closed, the query window from yesterday to today, the editor
// filled from the setup model, and the texts of the current language.
void CommandPage::CreateForm()
{
    form_ = std::make_unique<Ui::CommandPage>();
    form_->setupUi(this);
    KeepContentReachable(this);
    for (std::size_t i = 0; i < PanelCount; ++i)
        panels_[i] = findChild<Expander *>(QLatin1String(CommandExpanderNames[i]));
    ConnectHandlers();
    UseCommandListFont(form_->MemoCmdList);

    CollapseAtStart();
    SetQueryWindow(environment_.Today());
    FillFrom(startupFill_ ? *startupFill_ : setup_);
    SetDefaultIntervals();
    ApplyLanguageTexts(this, english_, false);
    ApplyOwnTexts();
    if (filledSinceStart_)
        FillFrom(setup_);
    startupFill_.reset();
    filledSinceStart_ = false;
    // Made while the page may already be on screen, so shown here, except
    // what the start-up state hides.
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide))
            child->show();
    }
}

void CommandPage::setSetup(const SetupModel &model)
{
    setup_ = model;
    FillCommandPanels();
}

void CommandPage::applyLanguage(bool english)
{
    english_ = english;
    if (form_) {
        ApplyLanguageTexts(this, english_, false);
        ApplyOwnTexts();
    }
}

void CommandPage::ApplyOwnTexts()
{
    form_->CornerButtonCmdFromPlan->setText(Text(CommandsFromPlanCaption));
    form_->CornerButtonExportStations->setText(Text(ExportStationsCaption));
    DescribeControls();
}

void CommandPage::setPlanProvider(PlanProvider provider)
{
    planProvider_ = std::move(provider);
    if (form_)
        UpdateAddButton();
}

// The measurement drop-downs start on the hourly entry, the transmission and
// alarm ones on the daily entry; the alarm list is defined once, on the first.
void CommandPage::SetDefaultIntervals()
{
    auto &ui = *form_;
    const QStringList measurementItems = MeasurementIntervalItems();
    const int hourly = IntervalIndexOf(SecondsPerHour);
    SetItems(ui.ComboBoxMInt2, measurementItems, hourly);
    SetItems(ui.ComboBoxSInt2, measurementItems, hourly);
    const int daily = TxIntervalIndexOf(SecondsPerDay);
    ui.ComboBoxTIInterval->setCurrentIndex(daily);
    ui.ComboBoxTIAlarmInt1->setCurrentIndex(daily);
    const QStringList alarmItems = ItemsOf(ui.ComboBoxTIAlarmInt1);
    SetItems(ui.ComboBoxTIAlarmInt2, alarmItems, daily);
    SetItems(ui.ComboBoxTIAlarmInt3, alarmItems, daily);
}

void CommandPage::ConnectHandlers()
{
    const auto &ui = Form();
    for (Expander *panel : panels_) {
        connect(panel, &Expander::headerClicked, this, [this, panel] { AllExpanderClick(panel); });
        connect(panel, &Expander::expandedChanged, this,
                [this, panel] { ExpanderExpandedChanged(panel); });
    }
    connect(ui.CheckBoxSint, &QCheckBox::toggled, this, &CommandPage::CheckBoxSintChange);
    connect(ui.CheckBoxTIOffset, &QCheckBox::toggled, this, &CommandPage::CheckBoxTIOffsetChange);
    const std::array<QCheckBox *, 3> alarms = {ui.CheckBoxTIAlarmInt1, ui.CheckBoxTIAlarmInt2,
                                               ui.CheckBoxTIAlarmInt3};
    for (int k = 1; k <= 3; ++k)
        connect(alarms[k - 1], &QCheckBox::toggled, this,
                [this, k] { CheckBoxTIAlarmIntChange(k); });
    connect(ui.CheckBoxGetCfg, &QCheckBox::toggled, this, &CommandPage::CheckBoxGetCfgChange);
    connect(ui.CheckBoxGetDiag, &QCheckBox::toggled, this, &CommandPage::CheckBoxGetDiagChange);

    ui.ComboEditMeasurementID->setInsertPolicy(QComboBox::NoInsert);
    // Completing a typed ID would load another channel over the values the
    // user typed, and leave an ID the user never typed (001 becoming 0010).
    ui.ComboEditMeasurementID->setCompleter(nullptr);
    connect(ui.ComboEditMeasurementID, &QComboBox::currentTextChanged, this,
            &CommandPage::ComboEditMeasurementIDChange);
    // Picking an item whose ID repeats the shown one changes no text.
    connect(ui.ComboEditMeasurementID, &QComboBox::currentIndexChanged, this,
            &CommandPage::ComboEditMeasurementIDChange);
    connect(ui.ComboEditMeasurementID->lineEdit(), &QLineEdit::editingFinished, this,
            &CommandPage::ComboEditMeasurementIDExit);
    connect(ui.EditStationID, &QLineEdit::editingFinished, this, &CommandPage::EditStationIDExit);
    connect(ui.SpinBoxLimitIndex, &QSpinBox::valueChanged, this,
            &CommandPage::SpinBoxLimitIndexChange);
    connect(ui.SpinBoxGradIndex, &QSpinBox::valueChanged, this,
            &CommandPage::SpinBoxGradIndexChange);
    connect(ui.SpinBoxTIIndex, &QSpinBox::valueChanged, this, &CommandPage::SpinBoxTIIndexChange);

    connect(ui.CornerButtonAddCmd, &QPushButton::clicked, this,
            &CommandPage::CornerButtonAddCmdClick);
    connect(ui.CornerButtonCmdFromPlan, &QPushButton::clicked, this,
            &CommandPage::CornerButtonCmdFromPlanClick);
    connect(ui.CornerButtonExportFTPFile, &QPushButton::clicked, this,
            &CommandPage::CornerButtonExportFTPFileClick);
    connect(ui.CornerButtonExportStations, &QPushButton::clicked, this,
            &CommandPage::CornerButtonExportStationsClick);
    connect(ui.CornerButtonClearList, &QPushButton::clicked, this,
            &CommandPage::CornerButtonClearListClick);
}

void CommandPage::AllExpanderClick(QObject *sender)
{
    if (auto *panel = qobject_cast<Expander *>(sender))
        panel->setExpanded(!panel->isExpanded());
}

void CommandPage::ExpanderExpandedChanged(Expander *panel)
{
    if (panel) {
        if (panel->isExpanded()) {
            panel->setHeaderBold(true);
            for (Expander *other : panels_) {
                if (other == panel)
                    continue;
                other->setExpanded(false);
                other->setHeaderBold(false);
            }
        } else {
            panel->setHeaderBold(false);
        }
        ShowSelectorOf(panel);
    }
    UpdateAddButton();
}

// The measurement selector that belongs to the panel last clicked, whether it
// opened or closed.
void CommandPage::ShowSelectorOf(const Expander *panel)
{
    auto &ui = Form();
    ui.LabelMeasurementID->hide();
    ui.ComboEditMeasurementID->hide();
    ui.ListBoxMeasurementID->hide();
    const bool channelPanel = panel == ui.ExpanderMIntSInt || panel == ui.ExpanderLimit ||
                              panel == ui.ExpanderGrad || panel == ui.ExpanderSkal;
    if (channelPanel) {
        ui.LabelMeasurementID->show();
        ui.ComboEditMeasurementID->show();
    } else if (panel == ui.ExpanderQuery) {
        ui.LabelMeasurementID->show();
        ui.ListBoxMeasurementID->show();
    }
}

Expander *CommandPage::OpenPanel() const
{
    for (Expander *panel : panels_) {
        if (panel->isExpanded())
            return panel;
    }
    return nullptr;
}

bool CommandPage::AnyPanelOpen() const
{
    return OpenPanel() != nullptr;
}

// The plan's entries need no open panel; while the list has room, the plan
// gives at least one entry or names why it gives none.
void CommandPage::UpdateAddButton()
{
    const bool room = CmdCounter < MaxListEntries;
    Form().CornerButtonAddCmd->setEnabled(AnyPanelOpen() && room);
    Form().CornerButtonCmdFromPlan->setEnabled(planProvider_ && room);
}

void CommandPage::CollapseAtStart()
{
    Expander *first = Form().ExpanderCfg;
    first->setExpanded(false);
    first->setExpanded(true);
    first->setExpanded(false);
}

void CommandPage::SetQueryWindow(const QDate &today)
{
    auto &ui = Form();
    ui.DateEditQueryEnd->setDate(today);
    ui.TimeEditQueryEnd->setTime(QTime(23, 59, 59));
    ui.DateEditQueryStart->setDate(ui.DateEditQueryEnd->date().addDays(-1));
    ui.TimeEditQueryStart->setTime(QTime(0, 0, 0));
}

void CommandPage::CheckBoxSintChange()
{
    Form().ComboBoxSInt2->setEnabled(Form().CheckBoxSint->isChecked());
}

void CommandPage::CheckBoxTIOffsetChange()
{
    Form().TimeEditTIOffset->setEnabled(Form().CheckBoxTIOffset->isChecked());
}

void CommandPage::CheckBoxTIAlarmIntChange(int k)
{
    const auto &ui = Form();
    const std::array<std::pair<QCheckBox *, QComboBox *>, 3> alarms = {
        {{ui.CheckBoxTIAlarmInt1, ui.ComboBoxTIAlarmInt1},
         {ui.CheckBoxTIAlarmInt2, ui.ComboBoxTIAlarmInt2},
         {ui.CheckBoxTIAlarmInt3, ui.ComboBoxTIAlarmInt3}}};
    const auto &[box, combo] = alarms[static_cast<std::size_t>(k - 1)];
    combo->setEnabled(box->isChecked());
}

// At least one of the two boxes stays ticked.
void CommandPage::CheckBoxGetCfgChange()
{
    if (!Form().CheckBoxGetCfg->isChecked())
        Form().CheckBoxGetDiag->setChecked(true);
}

void CommandPage::CheckBoxGetDiagChange()
{
    if (!Form().CheckBoxGetDiag->isChecked())
        Form().CheckBoxGetCfg->setChecked(true);
}

// The channel of the listed ID the drop-down shows; none for a typed ID
// that is not listed.
const ChannelRec *CommandPage::ChosenChannel(const SetupModel &model) const
{
    const QComboBox *combo = Form().ComboEditMeasurementID;
    const QString text = combo->currentText();
    // The chosen item itself, so that a repeated ID finds its own channel;
    // else a typed ID that is listed.
    int p = combo->currentIndex();
    if (p < 0 || combo->itemText(p) != text)
        p = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (p < 0 || !OneBasedArray<ChannelRec, ChannelCount>::contains(p + 1))
        return nullptr;
    return &model.Channels[p + 1];
}

void CommandPage::ComboEditMeasurementIDChange()
{
    LoadChannel(setup_);
}

void CommandPage::SpinBoxLimitIndexChange()
{
    LoadLimitSlot(setup_);
}

void CommandPage::SpinBoxGradIndexChange()
{
    LoadGradientSlot(setup_);
}

void CommandPage::SpinBoxTIIndexChange()
{
    LoadTransmission(setup_);
}

void CommandPage::LoadChannel(const SetupModel &model)
{
    const ChannelRec *channel = ChosenChannel(model);
    if (!channel)
        return;
    auto &ui = Form();
    const char sep = environment_.DecimalSeparator();
    Choose(ui.ComboBoxMInt2, IntervalIndexOf(channel->MInterval));
    Choose(ui.ComboBoxSInt2, IntervalIndexOf(channel->AvgInterval));
    ui.EditSkalFactor->setText(QString::fromStdString(FormatPanelNumber(channel->SkalFactor, sep)));
    ui.EditSkalOffset->setText(QString::fromStdString(FormatPanelNumber(channel->SkalOffset, sep)));
    LoadLimitSlot(model);
    LoadGradientSlot(model);
}

void CommandPage::LoadLimitSlot(const SetupModel &model)
{
    const ChannelRec *channel = ChosenChannel(model);
    if (!channel)
        return;
    auto &ui = Form();
    const LimitRec &slot = channel->Limits[ui.SpinBoxLimitIndex->value()];
    Choose(ui.ComboBoxLimitDir, slot.LimitDir);
    ui.EditLimitValue->setText(QString::fromStdString(
        FormatPanelNumber(slot.LimitValue, environment_.DecimalSeparator())));
}

void CommandPage::LoadGradientSlot(const SetupModel &model)
{
    const ChannelRec *channel = ChosenChannel(model);
    if (!channel)
        return;
    auto &ui = Form();
    const LimitRec &slot = channel->Limits[ui.SpinBoxGradIndex->value()];
    Choose(ui.ComboBoxGradDir, slot.GradDir);
    ui.EditGradValue->setText(
        QString::fromStdString(FormatPanelNumber(slot.GradValue, environment_.DecimalSeparator())));
}

void CommandPage::LoadTransmission(const SetupModel &model)
{
    auto &ui = Form();
    const TransRec &tx = model.Transmissions[ui.SpinBoxTIIndex->value()];
    if (tx.Interval < 1)
        return;
    Choose(ui.ComboBoxTIInterval, TxIntervalIndexOf(tx.Interval));
    const auto seconds = static_cast<int>(SecondOfDay(tx.Offset));
    ui.TimeEditTIOffset->setTime(QTime::fromMSecsSinceStartOfDay(seconds * 1000));
    Choose(ui.ComboBoxTIAlarmInt1, TxIntervalIndexOf(tx.AlarmInt1));
    Choose(ui.ComboBoxTIAlarmInt2, TxIntervalIndexOf(tx.AlarmInt2));
    Choose(ui.ComboBoxTIAlarmInt3, TxIntervalIndexOf(tx.AlarmInt3));
}

// The sampling and transmission panels show the values of the plan's last
// entry of each, over what the setup model loaded for the chosen channel or
// transmission.
void CommandPage::ShowPlanPanels(const PlanEntries &added)
{
    auto &ui = Form();
    if (const auto &panel = added.samplingPanel) {
        QComboBox *combo = ui.ComboEditMeasurementID;
        const QString id = QString::fromStdString(
            NormalizeId(panel->measurementId, MeasurementIdLength, Context().upperCase));
        const int listed = combo->findText(id, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (listed >= 0)
            combo->setCurrentIndex(listed);
        else
            combo->setEditText(id);
        Choose(ui.ComboBoxMInt2, panel->input.samplingItem);
        ui.CheckBoxSint->setChecked(panel->input.averaging);
        Choose(ui.ComboBoxSInt2, panel->input.averagingItem);
    }
    if (const auto &panel = added.transmissionPanel) {
        ui.SpinBoxTIIndex->setValue(panel->index);
        Choose(ui.ComboBoxTIInterval, panel->intervalItem);
        ui.CheckBoxTIOffset->setChecked(panel->offsetTicked);
        const std::array<QCheckBox *, AlarmIntervalCount> alarms = {
            ui.CheckBoxTIAlarmInt1, ui.CheckBoxTIAlarmInt2, ui.CheckBoxTIAlarmInt3};
        for (std::size_t k = 0; k < alarms.size(); ++k)
            alarms[k]->setChecked(panel->alarmTicked[k]);
    }
}

// Until the form is made, the models it is to be filled from are kept: the
// one of start-up and the latest, so that it shows what it would have shown
// had it been there all along.
void CommandPage::FillCommandPanels()
{
    if (!form_) {
        if (startupFill_)
            filledSinceStart_ = true;
        else
            startupFill_ = setup_;
        return;
    }
    FillFrom(setup_);
}

void CommandPage::FillFrom(const SetupModel &model)
{
    auto &ui = *form_;
    ui.EditStationID->setText(QString::fromLatin1(model.StationID));
    {
        // Filling the list loads nothing; the chosen channel is loaded once below.
        const QSignalBlocker blocker(ui.ComboEditMeasurementID);
        ui.ComboEditMeasurementID->clear();
        ui.ListBoxMeasurementID->clear();
        for (const ChannelRec &channel : model.Channels) {
            if (channel.Nr.empty())
                break;
            const QString nr = QString::fromLatin1(channel.Nr);
            ui.ComboEditMeasurementID->addItem(nr);
            auto *item = new QListWidgetItem(nr, ui.ListBoxMeasurementID);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        ui.ComboEditMeasurementID->setCurrentIndex(0);
    }
    LoadChannel(model);
    LoadTransmission(model);
    CornerButtonClearListClick();
}

void CommandPage::EditStationIDExit()
{
    QLineEdit *edit = Form().EditStationID;
    edit->setText(QString::fromStdString(
        NormalizeId(edit->text().toStdString(), StationIdLength, Context().upperCase)));
}

void CommandPage::ComboEditMeasurementIDExit()
{
    QComboBox *combo = Form().ComboEditMeasurementID;
    combo->setEditText(QString::fromStdString(
        NormalizeId(combo->currentText().toStdString(), MeasurementIdLength, Context().upperCase)));
}
