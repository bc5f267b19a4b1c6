#include "estimators/EstimatorPage.h"

#include "estimators/BatteryModel.h"
#include "ui/ToggleSwitch.h"
#include "ui_EstimatorPage.h"

// A user's change of a control runs its handler as one change of the plan.
template <typename Control, typename Signal>
void EstimatorPage::OnUserChange(Control *control, Signal signal,
                                 const std::function<void()> &handler)
{
    connect(control, signal, this, [this, handler] { AsOneChange(handler); });
}

// Which estimate each control of the panel starts.
void EstimatorPage::ConnectPanel()
{
    const auto volume = [this] { CalcDataVolume(); };
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionColumn c = Column(t);
        OnUserChange(c.on, &ToggleSwitch::clicked, [this, t] { SwitchVTXClick(t); });
        OnUserChange(c.format, &QComboBox::currentIndexChanged,
                     [this, t, c] { FormatChange(t, c.format); });
        OnUserChange(c.secondaryMode, &QComboBox::currentIndexChanged,
                     [this, t, c] { SecondaryModeChange(t, c.secondaryMode); });
        for (ToggleSwitch *toggle : {c.compression, c.stationEvents, c.channelEvents})
            OnUserChange(toggle, &ToggleSwitch::clicked, volume);
        for (QComboBox *combo : {c.interval, c.primaryServer, c.secondaryServer})
            OnUserChange(combo, &QComboBox::currentIndexChanged, volume);
        for (QSpinBox *spin : {c.eventsNumber, c.backupPercent})
            OnUserChange(spin, &QSpinBox::valueChanged, volume);
        for (int i = 1; i <= EstimatorRowCount; ++i)
            OnUserChange(InTXSwitch(t, i), &ToggleSwitch::clicked, volume);
    }
    for (QComboBox *combo : {ui->ComboBoxModemType, ui->ComboBoxObserverInt})
        OnUserChange(combo, &QComboBox::currentIndexChanged, [this] { CalcBattLife(); });
    ConnectConductivityHandler(true);
}

void EstimatorPage::SwitchVTX1Click(QObject *)
{
    SwitchVTXClick(1);
}

void EstimatorPage::SwitchVTX2Click(QObject *)
{
    SwitchVTXClick(2);
}

void EstimatorPage::ComboBoxVFormat1Change(QObject *sender)
{
    FormatChange(1, sender);
}

void EstimatorPage::ComboBoxVFormat2Change(QObject *sender)
{
    FormatChange(2, sender);
}

void EstimatorPage::ComboBoxVServer2ndMode1Change(QObject *sender)
{
    SecondaryModeChange(1, sender);
}

void EstimatorPage::ComboBoxVServer2ndMode2Change(QObject *sender)
{
    SecondaryModeChange(2, sender);
}

void EstimatorPage::SwitchVTXClick(int t)
{
    EnableColumn(t);
    CalcDataVolume();
}

// The whole column follows its switch; the switch itself stays as it is.
void EstimatorPage::EnableColumn(int t)
{
    const TransmissionColumn c = Column(t);
    const bool on = c.on->isChecked();
    for (int i = 1; i <= EstimatorRowCount; ++i)
        InTXSwitch(t, i)->setEnabled(on);
    c.interval->setEnabled(on);
    c.format->setEnabled(on);
    FormatChange(t, nullptr);
    c.primaryServer->setEnabled(on);
    c.compression->setEnabled(on);
    c.secondaryMode->setEnabled(on);
    SecondaryModeChange(t, nullptr);
}

// Events count only in the Vesk-ML format.
void EstimatorPage::FormatChange(int t, QObject *sender)
{
    const TransmissionColumn c = Column(t);
    const bool events = c.on->isChecked() && c.format->currentIndex() == DataFormat::VeskMl;
    c.stationEvents->setEnabled(events);
    c.channelEvents->setEnabled(events);
    c.eventsNumber->setEnabled(events);
    if (sender)
        CalcDataVolume();
}

void EstimatorPage::SecondaryModeChange(int t, QObject *sender)
{
    const TransmissionColumn c = Column(t);
    const bool on = c.on->isChecked();
    const int mode = c.secondaryMode->currentIndex();
    c.secondaryServer->setEnabled(mode > SecondaryModeNone && on);
    c.backupPercent->setEnabled(mode == SecondaryModeBackup && on);
    if (sender)
        CalcDataVolume();
}

void EstimatorPage::ConnectConductivityHandler(bool attached)
{
    if (attached)
        connect(ui->ConductivityCheckBox, &QCheckBox::toggled, this,
                &EstimatorPage::conductivityToggled, Qt::UniqueConnection);
    else
        disconnect(ui->ConductivityCheckBox, &QCheckBox::toggled, this,
                   &EstimatorPage::conductivityToggled);
}

void EstimatorPage::conductivityToggled()
{
    QObject *box = sender();
    AsOneChange([this, box] { ConductivityCheckBoxChange(box); });
}

void EstimatorPage::CheckConductivity(bool on)
{
    ui->ConductivityCheckBox->setChecked(on);
}

void EstimatorPage::ShowConductivityRows(bool shown)
{
    for (int i = FirstConductivityRow; i <= EstimatorRowCount; ++i) {
        for (QWidget *control : RowControls(i))
            control->setVisible(shown);
    }
}

// The box, set without its handler, and rows M6 to M8 following it.
void EstimatorPage::ShowConductivity(bool on)
{
    ConnectConductivityHandler(false);
    ui->ConductivityCheckBox->setChecked(on);
    ConnectConductivityHandler(true);
    ShowConductivityRows(on);
    for (int i = FirstConductivityRow; i <= EstimatorRowCount; ++i) {
        SamplingIntervalComboBoxes[i]->setEnabled(on);
        StorageIntervalComboBoxes[i]->setEnabled(on);
    }
}

void EstimatorPage::ConductivityCheckBoxChange(QObject *sender)
{
    const auto *source = qobject_cast<const QAbstractButton *>(sender);
    const bool v = source ? source->isChecked() : ui->ConductivityCheckBox->isChecked();
    ShowConductivity(v);
    if (v) {
        for (int i = FirstConductivityRow; i <= EstimatorRowCount; ++i)
            ShowRowName(i, std::nullopt);
    }
    CalcDataVolume();
}
