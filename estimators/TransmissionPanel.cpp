#include "estimators/EstimatorPage.h"

#include "app/FormMain.h"
#include "estimators/BatteryModel.h"
#include "texts/LanguageTable.h"
#include "ui/ToggleSwitch.h"
#include "ui_FormMain.h"

// Which estimate each control of the panel starts.
void EstimatorPage::ConnectPanel()
{
    const auto &ui = *w.ui;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionColumn c = Column(t);
        connect(c.on, &ToggleSwitch::clicked, this, [this, t] { SwitchVTXClick(t); });
        connect(c.format, &QComboBox::currentIndexChanged, this,
                [this, t, c] { FormatChange(t, c.format); });
        connect(c.secondaryMode, &QComboBox::currentIndexChanged, this,
                [this, t, c] { SecondaryModeChange(t, c.secondaryMode); });
        for (ToggleSwitch *toggle : {c.compression, c.stationEvents, c.channelEvents})
            connect(toggle, &ToggleSwitch::clicked, this, &EstimatorPage::CalcDataVolume);
        for (QComboBox *combo : {c.interval, c.primaryServer, c.secondaryServer})
            connect(combo, &QComboBox::currentIndexChanged, this, &EstimatorPage::CalcDataVolume);
        for (QSpinBox *spin : {c.eventsNumber, c.backupPercent})
            connect(spin, &QSpinBox::valueChanged, this, &EstimatorPage::CalcDataVolume);
        for (int i = 1; i <= EstimatorRowCount; ++i)
            connect(InTXSwitch(t, i), &ToggleSwitch::clicked, this, &EstimatorPage::CalcDataVolume);
    }
    for (QComboBox *combo : {ui.ComboBoxModemType, ui.ComboBoxObserverInt})
        connect(combo, &QComboBox::currentIndexChanged, this, &EstimatorPage::CalcBattLife);
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

// The whole column follows its switch; the switch itself stays as it is.
void EstimatorPage::SwitchVTXClick(int t)
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
    CalcDataVolume();
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
        connect(w.ui->ConductivityCheckBox, &QCheckBox::toggled, this,
                &EstimatorPage::conductivityToggled, Qt::UniqueConnection);
    else
        disconnect(w.ui->ConductivityCheckBox, &QCheckBox::toggled, this,
                   &EstimatorPage::conductivityToggled);
}

void EstimatorPage::conductivityToggled()
{
    ConductivityCheckBoxChange(sender());
}

void EstimatorPage::ConductivityCheckBoxChange(QObject *sender)
{
    QCheckBox *box = w.ui->ConductivityCheckBox;
    const auto *source = qobject_cast<const QAbstractButton *>(sender);
    const bool v = source ? source->isChecked() : box->isChecked();
    ConnectConductivityHandler(false);
    box->setChecked(v);
    ConnectConductivityHandler(true);

    for (int i = FirstConductivityRow; i <= EstimatorRowCount; ++i) {
        w.MeasurementLabel[i]->setVisible(v);
        w.SamplingIntervalComboBoxes[i]->setVisible(v);
        w.StorageIntervalComboBoxes[i]->setVisible(v);
        w.SamplingIntervalComboBoxes[i]->setEnabled(v);
        w.StorageIntervalComboBoxes[i]->setEnabled(v);
        w.InTX1Switches[i]->setVisible(v);
        w.InTX2Switches[i]->setVisible(v);
        if (v) {
            const QString name = w.MeasurementLabel[i]->objectName();
            const LanguageText *row = FindLanguageText(name.toLatin1().constData());
            w.MeasurementLabel[i]->setText(QString::fromUtf8(Translated(*row, w.LanguageEN)));
        }
    }
    CalcDataVolume();
}
