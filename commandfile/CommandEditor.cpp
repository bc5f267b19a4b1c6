#include "commandfile/CommandEditor.h"

#include "app/FormMain.h"
#include "ui/Expander.h"
#include "ui_FormMain.h"

#include <array>

namespace {

constexpr int MaxEntries = 10;

constexpr std::array<const char *, CommandEditor::PanelCount> CommandExpanderNames = {
    "ExpanderCfg",  "ExpanderFW",   "ExpanderMIntSInt", "ExpanderLimit",  "ExpanderGrad",
    "ExpanderSkal", "ExpanderTInt", "ExpanderCfgDiag",  "ExpanderQuery"};

QString CounterText(int count)
{
    return QStringLiteral("%1 / %2").arg(count).arg(MaxEntries);
}

} // namespace

CommandEditor::CommandEditor(TFormMain &form) : w(form)
{
    for (std::size_t i = 0; i < PanelCount; ++i)
        panels_[i] = w.findChild<Expander *>(QLatin1String(CommandExpanderNames[i]));
    for (Expander *panel : panels_) {
        connect(panel, &Expander::headerClicked, this, [this, panel] { AllExpanderClick(panel); });
        connect(panel, &Expander::expandedChanged, this,
                [this, panel] { ExpanderExpandedChanged(panel); });
    }
    connect(w.ui->CornerButtonClearList, &QPushButton::clicked, this,
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
    auto &ui = *w.ui;
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

bool CommandEditor::AnyPanelOpen() const
{
    for (const Expander *panel : panels_) {
        if (panel->isExpanded())
            return true;
    }
    return false;
}

void CommandEditor::UpdateAddButton()
{
    w.ui->CornerButtonAddCmd->setEnabled(AnyPanelOpen() && w.CmdCounter < MaxEntries);
}

void CommandEditor::CollapseAtStart()
{
    Expander *first = w.ui->ExpanderCfg;
    first->setExpanded(false);
    first->setExpanded(true);
    first->setExpanded(false);
}

void CommandEditor::SetQueryWindow(const QDate &today)
{
    auto &ui = *w.ui;
    ui.DateEditQueryEnd->setDate(today);
    ui.TimeEditQueryEnd->setTime(QTime(23, 59, 59));
    ui.DateEditQueryStart->setDate(ui.DateEditQueryEnd->date().addDays(-1));
    ui.TimeEditQueryStart->setTime(QTime(0, 0, 0));
}

void CommandEditor::FillCommandPanels()
{
    auto &ui = *w.ui;
    ui.EditStationID->setText(QString::fromLatin1(w.Setup.StationID));
    ui.ComboEditMeasurementID->clear();
    ui.ListBoxMeasurementID->clear();
    for (const ChannelRec &channel : w.Setup.Channels) {
        if (channel.Nr.empty())
            break;
        const QString nr = QString::fromLatin1(channel.Nr);
        ui.ComboEditMeasurementID->addItem(nr);
        auto *item = new QListWidgetItem(nr, ui.ListBoxMeasurementID);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    ui.ComboEditMeasurementID->setCurrentIndex(0);
    CornerButtonClearListClick();
}

void CommandEditor::CornerButtonClearListClick()
{
    auto &ui = *w.ui;
    ui.MemoCmdList->clear();
    w.CmdCounter = 0;
    ui.LabelCmdCounter->setText(CounterText(w.CmdCounter));
    ui.CornerButtonExportFTPFile->setEnabled(false);
    ui.EditStationID->setEnabled(true);
    ExpanderExpandedChanged(nullptr);
}
