#include "estimators/EstimatorPage.h"

#include "texts/PlanningTexts.h"
#include "ui/ControlNames.h"
#include "ui/ToggleSwitch.h"
#include "ui_EstimatorPage.h"

// Every control is named by the captions it stands under and beside, so its
// name follows the language and a row's name; the tool tips say what the
// rows' and the transmissions' controls do.
void EstimatorPage::DescribeControls()
{
    const bool german = !english_;
    for (int row = 1; row <= EstimatorRowCount; ++row)
        DescribeRow(row);
    for (QCheckBox *all : {ui->CheckBoxMAll, ui->CheckBoxSAll}) {
        const QLabel *column = all == ui->CheckBoxMAll ? ui->LabelMeasInt : ui->LabelStoreInt;
        NameControl(all, {CaptionOf(column), CaptionOf(all)});
    }
    NameControl(ui->ComboBoxObserverInt, {CaptionOf(ui->LabelMBLE), CaptionOf(ui->LabelMBLE2)});
    NameControl(ui->LabelMDisclaimer, {HelpText(ControlHelp::BatteryDisclaimer, german)});
    NameControl(ui->LabelVDisclaimer, {HelpText(ControlHelp::VolumeDisclaimer, german)});

    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionColumn c = Column(t);
        const QString column = CaptionOf(t == 1 ? ui->LabelVTX1 : ui->LabelVTX2);
        const auto describe = [german, &column](QWidget *control, const QLabel *row,
                                                ControlHelp tip) {
            NameControl(control, {CaptionOf(row), column});
            SetToolTip(control, HelpText(tip, german));
        };
        describe(c.on, ui->LabelVTransm, ControlHelp::TransmissionOn);
        describe(c.interval, ui->LabelVTXInterval, ControlHelp::TransmissionInterval);
        describe(c.format, ui->LabelVTXFormat, ControlHelp::DataFormat);
        describe(c.primaryServer, ui->LabelVTXSType, ControlHelp::PrimaryServer);
        describe(c.compression, ui->LabelVCompression, ControlHelp::Compression);
        describe(c.stationEvents, ui->LabelVStationEvents, ControlHelp::StationEvents);
        describe(c.channelEvents, ui->LabelVChannelEvents, ControlHelp::ChannelEvents);
        describe(c.eventsNumber, ui->LabelVChannelEvents, ControlHelp::EventsNumber);
        describe(c.secondaryMode, ui->LabelVTXS2Mode, ControlHelp::SecondaryMode);
        describe(c.secondaryServer, ui->LabelVTXS2Type, ControlHelp::SecondaryServer);
        describe(c.backupPercent, ui->LabelVTXS2Backuprate, ControlHelp::BackupRate);
    }
}

// A row's controls by its name, which an import or a plan may change alone.
void EstimatorPage::DescribeRow(int row)
{
    const bool german = !english_;
    const QString name = CaptionOf(MeasurementLabel[row]);
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        ToggleSwitch *in = InTXSwitch(t, row);
        NameControl(in, {name, CaptionOf(t == 1 ? ui->LabelInTX1 : ui->LabelInTX2)});
        SetToolTip(in, HelpText(ControlHelp::RowInTransmission, german, {TransmissionName(t)}));
    }
    NameControl(SamplingIntervalComboBoxes[row], {name, CaptionOf(ui->LabelMeasInt)});
    SetToolTip(SamplingIntervalComboBoxes[row], HelpText(ControlHelp::RowSampling, german));
    NameControl(StorageIntervalComboBoxes[row], {name, CaptionOf(ui->LabelStoreInt)});
    SetToolTip(StorageIntervalComboBoxes[row], HelpText(ControlHelp::RowStorage, german));
}
