#include "estimators/EstimatorPage.h"

#include "estimators/PlanItems.h"
#include "ui/ToggleSwitch.h"
#include "ui_EstimatorPage.h"

namespace {

template <typename Choice> std::optional<Choice> ChoiceShown(const QComboBox *combo)
{
    return ChoiceAt<Choice>(combo->currentIndex(), combo->count());
}

} // namespace

StationPlan EstimatorPage::plan() const
{
    StationPlan plan;
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        StationPlan::Row &row = plan.rows[i];
        row.name = names_[i];
        row.id = ids_[i];
        row.samplingSeconds = IntervalAt(SamplingIntervalComboBoxes[i]->currentIndex());
        row.storageSeconds = IntervalAt(StorageIntervalComboBoxes[i]->currentIndex());
        row.inTX1 = InTX1Switches[i]->isChecked();
        row.inTX2 = InTX2Switches[i]->isChecked();
    }
    plan.conductivity = ui->ConductivityCheckBox->isChecked();
    plan.observer = ChoiceShown<StationPlan::Observer>(ui->ComboBoxObserverInt);
    plan.network = ChoiceShown<StationPlan::Network>(ui->ComboBoxModemType);
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionColumn c = Column(t);
        StationPlan::Transmission &tx = plan.transmissions[t];
        tx.on = c.on->isChecked();
        tx.intervalSeconds = TransmissionIntervalAt(c.interval->currentIndex());
        tx.format = ChoiceShown<StationPlan::Format>(c.format);
        tx.server = ChoiceShown<StationPlan::Server>(c.primaryServer);
        tx.compression = c.compression->isChecked();
        tx.compressionLevel = c.compressionLevel->value();
        tx.stationEvents = c.stationEvents->isChecked();
        tx.measurementEvents = c.channelEvents->isChecked();
        tx.eventsNumber = c.eventsNumber->value();
        tx.secondaryMode = ChoiceShown<StationPlan::SecondaryMode>(c.secondaryMode);
        tx.secondaryServer = ChoiceShown<StationPlan::Server>(c.secondaryServer);
        tx.backupPercent = c.backupPercent->value();
    }
    plan.stationId = stationId_;
    plan.targets = Targets();
    return plan;
}

void EstimatorPage::setPlan(const StationPlan &plan)
{
    AsOneChange([this, &plan] {
        {
            const DetachedIntervalHandlers detached(*this);
            CalcDisabled = true;
            try {
                KeepImportedIds(plan);
                for (int i = 1; i <= EstimatorRowCount; ++i) {
                    ApplyChannelRow(i, Pass::Sampling, plan);
                    ApplyChannelRow(i, Pass::Storage, plan);
                }
                if (plan.conductivity != ui->ConductivityCheckBox->isChecked())
                    ShowConductivity(plan.conductivity);
                ui->ComboBoxObserverInt->setCurrentIndex(ItemOf(plan.observer));
                ui->ComboBoxModemType->setCurrentIndex(ItemOf(plan.network));
                ApplyTransmissionControls(Pass::Storage, plan);
                for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
                    const TransmissionColumn c = Column(t);
                    const StationPlan::Transmission &tx = plan.transmissions[t];
                    c.compressionLevel->setValue(tx.compressionLevel);
                    c.stationEvents->setChecked(tx.stationEvents);
                    c.channelEvents->setChecked(tx.measurementEvents);
                    c.eventsNumber->setValue(tx.eventsNumber);
                    c.backupPercent->setValue(tx.backupPercent);
                }
                ShowTargets(plan.targets);
            } catch (...) {
                CalcDisabled = false;
                throw;
            }
            CalcDisabled = false;
        }
        for (int t = 1; t <= EstimatorTransmissionCount; ++t)
            EnableColumn(t);
        CalcDataVolume();
    });
}

void EstimatorPage::ClearTxChannelSwitches()
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        InTX1Switches[i]->setChecked(false);
        InTX2Switches[i]->setChecked(false);
    }
}

// The page shows no IDs; it keeps them for the plan it gives.
void EstimatorPage::KeepImportedIds(const StationPlan &plan)
{
    for (int i = 1; i <= EstimatorRowCount; ++i)
        ids_[i] = plan.rows[i].id;
    stationId_ = plan.stationId;
}

void EstimatorPage::ApplyChannelRow(int row, Pass pass, const StationPlan &plan)
{
    const StationPlan::Row &planned = plan.rows[row];
    if (pass == Pass::Sampling) {
        ShowRowName(row, planned.name);
        SamplingIntervalComboBoxes[row]->setCurrentIndex(SamplingItem(planned.samplingSeconds));
        return;
    }
    StorageIntervalComboBoxes[row]->setCurrentIndex(SamplingItem(planned.storageSeconds));
    InTX1Switches[row]->setChecked(planned.inTX1);
    InTX2Switches[row]->setChecked(planned.inTX2);
}

void EstimatorPage::ApplyTransmissionControls(Pass pass, const StationPlan &plan)
{
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionColumn c = Column(t);
        const StationPlan::Transmission &tx = plan.transmissions[t];
        c.on->setChecked(tx.on);
        c.interval->setCurrentIndex(TransmissionItem(tx.intervalSeconds));
        c.primaryServer->setCurrentIndex(ItemOf(tx.server));
        if (pass == Pass::Storage) {
            c.format->setCurrentIndex(ItemOf(tx.format));
            c.compression->setChecked(tx.compression);
        }
        c.secondaryMode->setCurrentIndex(ItemOf(tx.secondaryMode));
        c.secondaryServer->setCurrentIndex(ItemOf(tx.secondaryServer));
    }
}
