#include "estimators/EstimatorPage.h"

#include "app/FormMain.h"
#include "estimators/ResultDetails.h"
#include "estimators/VolumeModel.h"
#include "ui/ClickLabel.h"
#include "ui/Dialogs.h"
#include "ui/ToggleSwitch.h"
#include "ui_FormMain.h"

EstimatorPage::EstimatorPage(TFormMain &form) : w(form)
{
    AttachIntervalHandlers();
    ConnectPanel();
    connect(&w.TimerMain, &QTimer::timeout, this, &EstimatorPage::TimerMainTimer);
    connect(w.ui->LabelMResult, &ClickLabel::clicked, this, &EstimatorPage::LabelMResultClick);
    connect(w.ui->LabelVResult, &ClickLabel::clicked, this, &EstimatorPage::LabelVResultClick);
    connect(w.ui->LabelMDisclaimer, &ClickLabel::clicked, this,
            &EstimatorPage::LabelMDisclaimerClick);
    connect(w.ui->LabelVDisclaimer, &ClickLabel::clicked, this,
            &EstimatorPage::LabelVDisclaimerClick);
}

EstimatorPage::TransmissionColumn EstimatorPage::Column(int t) const
{
    const auto &ui = *w.ui;
    if (t == 1)
        return {ui.SwitchVTX1,
                ui.ComboBoxVTX1Interval,
                ui.ComboBoxVFormat1,
                ui.ComboBoxVServerType11,
                ui.SwitchVCompression1,
                ui.SpinBoxVCompression1,
                ui.SwitchVStationEvents1,
                ui.SwitchVChannelEvents1,
                ui.SpinBoxVEventsNumber1,
                ui.ComboBoxVServer2ndMode1,
                ui.ComboBoxVServerType12,
                ui.SpinBoxVServerBackupProzent1};
    return {ui.SwitchVTX2,
            ui.ComboBoxVTX2Interval,
            ui.ComboBoxVFormat2,
            ui.ComboBoxVServerType21,
            ui.SwitchVCompression2,
            ui.SpinBoxVCompression2,
            ui.SwitchVStationEvents2,
            ui.SwitchVChannelEvents2,
            ui.SpinBoxVEventsNumber2,
            ui.ComboBoxVServer2ndMode2,
            ui.ComboBoxVServerType22,
            ui.SpinBoxVServerBackupProzent2};
}

ToggleSwitch *EstimatorPage::InTXSwitch(int t, int row) const
{
    return t == 1 ? w.InTX1Switches[row] : w.InTX2Switches[row];
}

void EstimatorPage::CalcDataVolume()
{
    if (w.CalcDisabled)
        return;
    const auto &ui = *w.ui;
    VolumeInputs inputs;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        inputs.rows[i] = {w.InTX1Switches[i]->isChecked(), w.InTX2Switches[i]->isChecked(),
                          w.StorageIntervalComboBoxes[i]->currentIndex()};
    inputs.conductivity = ui.ConductivityCheckBox->isChecked();
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionColumn c = Column(t);
        TransmissionInputs &tx = inputs.transmissions[t];
        tx.on = c.on->isChecked();
        tx.intervalIndex = c.interval->currentIndex();
        tx.format = c.format->currentIndex();
        tx.primaryServerType = c.primaryServer->currentIndex();
        tx.compression = c.compression->isChecked();
        tx.compressionLevel = c.compressionLevel->value();
        tx.stationEvents = c.stationEvents->isChecked();
        tx.channelEvents = c.channelEvents->isChecked();
        tx.eventsNumber = c.eventsNumber->value();
        tx.secondaryMode = c.secondaryMode->currentIndex();
        tx.secondaryServerType = c.secondaryServer->currentIndex();
        tx.backupPercent = c.backupPercent->value();
    }
    const VolumeResult result = EstimateVolume(inputs);
    w.VolTX1Netto = result.VolTX1Netto;
    w.VolTX2Netto = result.VolTX2Netto;

    const char sep = w.Platform().DecimalSeparator();
    const auto show = [sep](QLabel *label, double bytes) {
        label->setText(QString::fromStdString(FormatVolume(bytes, sep)));
    };
    show(ui.LabelVolTrans1, result.perTX1);
    show(ui.LabelVolMonth1, result.month1);
    if (ui.SwitchVTX2->isChecked()) {
        show(ui.LabelVolTrans2, result.perTX2);
        show(ui.LabelVolMonth2, result.month2);
    } else {
        const QString off = QStringLiteral("---");
        ui.LabelVolTrans2->setText(off);
        ui.LabelVolMonth2->setText(off);
    }
    show(ui.LabelVolTransTotal, result.perTX1 + result.perTX2);
    show(ui.LabelVolMonthTotal, result.month1 + result.month2);
    ++dataVolumeRuns_;
    CalcBattLife();
}

void EstimatorPage::CalcBattLife()
{
    if (w.CalcDisabled)
        return;
    const auto &ui = *w.ui;
    BatteryInputs inputs;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        inputs.samplingIndex[i] = w.SamplingIntervalComboBoxes[i]->currentIndex();
    inputs.conductivity = ui.ConductivityCheckBox->isChecked();
    inputs.radioNetwork = ui.ComboBoxModemType->currentIndex();
    inputs.observer = ui.ComboBoxObserverInt->currentIndex();
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionColumn c = Column(t);
        inputs.transmissions[t] = {c.on->isChecked(),
                                   c.interval->currentIndex(),
                                   c.primaryServer->currentIndex(),
                                   c.secondaryMode->currentIndex(),
                                   c.secondaryServer->currentIndex(),
                                   c.backupPercent->value()};
    }
    w.Charges = EstimateBatteryShares(inputs);
    ShowBatteryLife(CapacityAt20C, ui.LabelBLTdays1, ui.LabelBLTyears1, ui.Rectangle20A,
                    ui.Rectangle20B);
    ShowBatteryLife(CapacityAtMinus20C, ui.LabelBLTdays2, ui.LabelBLTyears2, ui.Rectangle_20A,
                    ui.Rectangle_20B);
}

void EstimatorPage::ShowBatteryLife(double capacity, QLabel *days, QLabel *years,
                                    const QFrame *background, QFrame *bar)
{
    const BatteryLifeRow row =
        BatteryLife(capacity, w.Charges.mAhTotal, w.Platform().DecimalSeparator());
    days->setText(QString::fromStdString(row.days));
    years->setText(QString::fromStdString(row.years));
    // The bar starts where its background starts; only the width follows the result.
    bar->resize(qRound(background->width() * row.barFraction), bar->height());
}

void EstimatorPage::TimerMainTimer()
{
    if (w.CalcVolumeNew) {
        w.CalcVolumeNew = false;
        CalcDataVolume();
    }
    if (w.CalcBattLifetimeNew) {
        w.CalcBattLifetimeNew = false;
        CalcBattLife();
    }
}

void EstimatorPage::ShowText(const std::string &text, bool information)
{
    w.Boxes().showMessage(&w, information ? Dialogs::Kind::Information : Dialogs::Kind::Plain,
                          QString::fromStdString(text));
}

void EstimatorPage::LabelMResultClick()
{
    ShowText(BatteryBreakdown(w.Charges, w.Platform().DecimalSeparator()), false);
}

void EstimatorPage::LabelVResultClick()
{
    ShowText(VolumeBreakdown(w.VolTX1Netto, w.VolTX2Netto), false);
}

void EstimatorPage::LabelMDisclaimerClick()
{
    ShowText(BatteryDisclaimer(w.ui->MenuItemDE->isChecked()), true);
}

void EstimatorPage::LabelVDisclaimerClick()
{
    ShowText(VolumeDisclaimer(w.ui->MenuItemDE->isChecked()), true);
}
