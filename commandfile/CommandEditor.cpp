#include "commandfile/CommandEditor.h"

#include "app/FormMain.h"
#include "commandfile/Messages.h"
#include "common/IdLengths.h"
#include "common/IntervalTables.h"
#include "common/TimeUnits.h"
#include "ui/ComboItems.h"
#include "ui/Expander.h"
#include "ui/Look.h"
#include "ui_CommandPage.h"
#include "ui_FormMain.h"

namespace {

constexpr std::array<const char *, CommandEditor::PanelCount> CommandExpanderNames = {
    "ExpanderCfg",  "ExpanderFW",   "ExpanderMIntSInt", "ExpanderLimit", "ExpanderGrad",
    "ExpanderSkal", "ExpanderTInt", "ExpanderCfgDiag",  "ExpanderQuery"};

// A position the drop-down has, else none: a model value outside the list
// never shows an item that stands for another value.
void Choose(QComboBox *combo, int position)
{
    combo->setCurrentIndex(position < combo->count() ? position : -1);
}

} // namespace

CommandEditor::CommandEditor(TFormMain &form)
    : w(form), random_(SeededRandomSource(form.Platform().RandomSeed))
{
    w.ui->TabItemXMLCmd->installEventFilter(this);
}

CommandEditor::~CommandEditor() = default;

bool CommandEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w.ui->TabItemXMLCmd && event->type() == QEvent::Show)
        Page();
    return QObject::eventFilter(watched, event);
}

Ui::CommandPage &CommandEditor::Page()
{
    if (!page_)
        CreatePage();
    return *page_;
}

// The page's controls cost start-up time and memory; they are made when the
// page is first shown or used, in the state the window's start-up leaves them:
// panels closed, the query window from yesterday to today, the editor filled
// from the setup model, and the texts of the current language.
void CommandEditor::CreatePage()
{
    QWidget *tab = w.ui->TabItemXMLCmd;
    tab->removeEventFilter(this);
    page_ = std::make_unique<Ui::CommandPage>();
    page_->setupUi(tab);
    for (std::size_t i = 0; i < PanelCount; ++i)
        panels_[i] = tab->findChild<Expander *>(QLatin1String(CommandExpanderNames[i]));
    ConnectHandlers();
    UseCommandListFont(page_->MemoCmdList);

    CollapseAtStart();
    SetQueryWindow(w.Platform().Today);
    FillFrom(startupFill_ ? *startupFill_ : w.Setup);
    SetDefaultIntervals();
    w.ApplyLanguage(w.LanguageEN, tab);
    if (latestFill_)
        FillFrom(*latestFill_);
    startupFill_.reset();
    latestFill_.reset();
    // Made while its page may already be on screen, so shown here, except
    // what the start-up state hides.
    for (QWidget *child : tab->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide))
            child->show();
    }
}

// The drop-downs' item lists come from those defined once on the window, and
// start on the hourly and the daily entry.
void CommandEditor::SetDefaultIntervals()
{
    auto &ui = *page_;
    const QStringList measurementItems = ItemsOf(w.ui->ComboBoxM1);
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

void CommandEditor::ConnectHandlers()
{
    const auto &ui = Page();
    for (Expander *panel : panels_) {
        connect(panel, &Expander::headerClicked, this, [this, panel] { AllExpanderClick(panel); });
        connect(panel, &Expander::expandedChanged, this,
                [this, panel] { ExpanderExpandedChanged(panel); });
    }
    connect(ui.CheckBoxSint, &QCheckBox::toggled, this, &CommandEditor::CheckBoxSintChange);
    connect(ui.CheckBoxTIOffset, &QCheckBox::toggled, this, &CommandEditor::CheckBoxTIOffsetChange);
    const std::array<QCheckBox *, 3> alarms = {ui.CheckBoxTIAlarmInt1, ui.CheckBoxTIAlarmInt2,
                                               ui.CheckBoxTIAlarmInt3};
    for (int k = 1; k <= 3; ++k)
        connect(alarms[k - 1], &QCheckBox::toggled, this,
                [this, k] { CheckBoxTIAlarmIntChange(k); });
    connect(ui.CheckBoxGetCfg, &QCheckBox::toggled, this, &CommandEditor::CheckBoxGetCfgChange);
    connect(ui.CheckBoxGetDiag, &QCheckBox::toggled, this, &CommandEditor::CheckBoxGetDiagChange);

    ui.ComboEditMeasurementID->setInsertPolicy(QComboBox::NoInsert);
    // Completing a typed ID would load another channel over the values the
    // user typed, and leave an ID the user never typed (001 becoming 0010).
    ui.ComboEditMeasurementID->setCompleter(nullptr);
    connect(ui.ComboEditMeasurementID, &QComboBox::currentTextChanged, this,
            &CommandEditor::ComboEditMeasurementIDChange);
    // Picking an item whose ID repeats the shown one changes no text.
    connect(ui.ComboEditMeasurementID, &QComboBox::currentIndexChanged, this,
            &CommandEditor::ComboEditMeasurementIDChange);
    connect(ui.ComboEditMeasurementID->lineEdit(), &QLineEdit::editingFinished, this,
            &CommandEditor::ComboEditMeasurementIDExit);
    connect(ui.EditStationID, &QLineEdit::editingFinished, this, &CommandEditor::EditStationIDExit);
    connect(ui.SpinBoxLimitIndex, &QSpinBox::valueChanged, this,
            &CommandEditor::SpinBoxLimitIndexChange);
    connect(ui.SpinBoxGradIndex, &QSpinBox::valueChanged, this,
            &CommandEditor::SpinBoxGradIndexChange);
    connect(ui.SpinBoxTIIndex, &QSpinBox::valueChanged, this, &CommandEditor::SpinBoxTIIndexChange);

    connect(ui.CornerButtonAddCmd, &QPushButton::clicked, this,
            &CommandEditor::CornerButtonAddCmdClick);
    connect(ui.CornerButtonExportFTPFile, &QPushButton::clicked, this,
            &CommandEditor::CornerButtonExportFTPFileClick);
    connect(ui.CornerButtonClearList, &QPushButton::clicked, this,
            &CommandEditor::CornerButtonClearListClick);
}

void CommandEditor::AllExpanderClick(QObject *sender)
{
    if (auto *panel = qobject_cast<Expander *>(sender))
        panel->setExpanded(!panel->isExpanded());
}

void CommandEditor::ExpanderExpandedChanged(Expander *panel)
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
void CommandEditor::ShowSelectorOf(const Expander *panel)
{
    auto &ui = Page();
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

Expander *CommandEditor::OpenPanel() const
{
    for (Expander *panel : panels_) {
        if (panel->isExpanded())
            return panel;
    }
    return nullptr;
}

bool CommandEditor::AnyPanelOpen() const
{
    return OpenPanel() != nullptr;
}

void CommandEditor::UpdateAddButton()
{
    Page().CornerButtonAddCmd->setEnabled(AnyPanelOpen() && w.CmdCounter < MaxEntries);
}

void CommandEditor::CollapseAtStart()
{
    Expander *first = Page().ExpanderCfg;
    first->setExpanded(false);
    first->setExpanded(true);
    first->setExpanded(false);
}

void CommandEditor::SetQueryWindow(const QDate &today)
{
    auto &ui = Page();
    ui.DateEditQueryEnd->setDate(today);
    ui.TimeEditQueryEnd->setTime(QTime(23, 59, 59));
    ui.DateEditQueryStart->setDate(ui.DateEditQueryEnd->date().addDays(-1));
    ui.TimeEditQueryStart->setTime(QTime(0, 0, 0));
}

void CommandEditor::CheckBoxSintChange()
{
    Page().ComboBoxSInt2->setEnabled(Page().CheckBoxSint->isChecked());
}

void CommandEditor::CheckBoxTIOffsetChange()
{
    Page().TimeEditTIOffset->setEnabled(Page().CheckBoxTIOffset->isChecked());
}

void CommandEditor::CheckBoxTIAlarmIntChange(int k)
{
    const auto &ui = Page();
    const std::array<std::pair<QCheckBox *, QComboBox *>, 3> alarms = {
        {{ui.CheckBoxTIAlarmInt1, ui.ComboBoxTIAlarmInt1},
         {ui.CheckBoxTIAlarmInt2, ui.ComboBoxTIAlarmInt2},
         {ui.CheckBoxTIAlarmInt3, ui.ComboBoxTIAlarmInt3}}};
    const auto &[box, combo] = alarms[static_cast<std::size_t>(k - 1)];
    combo->setEnabled(box->isChecked());
}

// At least one of the two boxes stays ticked.
void CommandEditor::CheckBoxGetCfgChange()
{
    if (!Page().CheckBoxGetCfg->isChecked())
        Page().CheckBoxGetDiag->setChecked(true);
}

void CommandEditor::CheckBoxGetDiagChange()
{
    if (!Page().CheckBoxGetDiag->isChecked())
        Page().CheckBoxGetCfg->setChecked(true);
}

// The channel of the listed ID the drop-down shows; none for a typed ID
// that is not listed.
const ChannelRec *CommandEditor::ChosenChannel(const SetupModel &model) const
{
    const QComboBox *combo = Page().ComboEditMeasurementID;
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

void CommandEditor::ComboEditMeasurementIDChange()
{
    LoadChannel(w.Setup);
}

void CommandEditor::SpinBoxLimitIndexChange()
{
    LoadLimitSlot(w.Setup);
}

void CommandEditor::SpinBoxGradIndexChange()
{
    LoadGradientSlot(w.Setup);
}

void CommandEditor::SpinBoxTIIndexChange()
{
    LoadTransmission(w.Setup);
}

void CommandEditor::LoadChannel(const SetupModel &model)
{
    const ChannelRec *channel = ChosenChannel(model);
    if (!channel)
        return;
    auto &ui = Page();
    const char sep = w.Platform().DecimalSeparator();
    Choose(ui.ComboBoxMInt2, IntervalIndexOf(channel->MInterval));
    Choose(ui.ComboBoxSInt2, IntervalIndexOf(channel->AvgInterval));
    ui.EditSkalFactor->setText(QString::fromStdString(FormatPanelNumber(channel->SkalFactor, sep)));
    ui.EditSkalOffset->setText(QString::fromStdString(FormatPanelNumber(channel->SkalOffset, sep)));
    LoadLimitSlot(model);
    LoadGradientSlot(model);
}

void CommandEditor::LoadLimitSlot(const SetupModel &model)
{
    const ChannelRec *channel = ChosenChannel(model);
    if (!channel)
        return;
    auto &ui = Page();
    const LimitRec &slot = channel->Limits[ui.SpinBoxLimitIndex->value()];
    Choose(ui.ComboBoxLimitDir, slot.LimitDir);
    ui.EditLimitValue->setText(QString::fromStdString(
        FormatPanelNumber(slot.LimitValue, w.Platform().DecimalSeparator())));
}

void CommandEditor::LoadGradientSlot(const SetupModel &model)
{
    const ChannelRec *channel = ChosenChannel(model);
    if (!channel)
        return;
    auto &ui = Page();
    const LimitRec &slot = channel->Limits[ui.SpinBoxGradIndex->value()];
    Choose(ui.ComboBoxGradDir, slot.GradDir);
    ui.EditGradValue->setText(
        QString::fromStdString(FormatPanelNumber(slot.GradValue, w.Platform().DecimalSeparator())));
}

void CommandEditor::LoadTransmission(const SetupModel &model)
{
    auto &ui = Page();
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

// Until the page is made, the models it is to be filled from are kept: the
// one of start-up and the one of the latest import, so that it shows what
// it would have shown had it been there all along.
void CommandEditor::FillCommandPanels()
{
    if (!page_) {
        (startupFill_ ? latestFill_ : startupFill_) = w.Setup;
        return;
    }
    FillFrom(w.Setup);
}

void CommandEditor::FillFrom(const SetupModel &model)
{
    auto &ui = *page_;
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

void CommandEditor::EditStationIDExit()
{
    QLineEdit *edit = Page().EditStationID;
    edit->setText(QString::fromStdString(
        NormalizeId(edit->text().toStdString(), StationIdLength, Context().upperCase)));
}

void CommandEditor::ComboEditMeasurementIDExit()
{
    QComboBox *combo = Page().ComboEditMeasurementID;
    combo->setEditText(QString::fromStdString(
        NormalizeId(combo->currentText().toStdString(), MeasurementIdLength, Context().upperCase)));
}
