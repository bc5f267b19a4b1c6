#include "commandfile/CommandPage.h"

#include "ui/ControlNames.h"
#include "ui_CommandPage.h"

#include <array>
#include <string>
#include <tuple>
#include <utility>

// A field beside its label is named by it through the label's buddy; the
// others here by the captions that stand for them. The tool tips say what
// each field of the panels does and in which unit.
void CommandPage::DescribeControls()
{
    auto &ui = *form_;
    const bool german = !english_;
    const auto help = [german](ControlHelp text) { return HelpText(text, german); };
    NameControl(ui.ComboBoxSInt2, {CaptionOf(ui.CheckBoxSint)});
    NameControl(ui.TimeEditTIOffset, {CaptionOf(ui.CheckBoxTIOffset)});
    NameControl(ui.ListBoxMeasurementID, {CaptionOf(ui.LabelMeasurementID)});
    NameControl(ui.MemoCmdList, {help(ControlHelp::CommandList)});
    // A date and a time field share each caption of the query window.
    const std::tuple<QWidget *, const QLabel *, ControlHelp> whenParts[] = {
        {ui.DateEditQueryStart, ui.LabelQueryStart, ControlHelp::DatePart},
        {ui.TimeEditQueryStart, ui.LabelQueryStart, ControlHelp::TimePart},
        {ui.DateEditQueryEnd, ui.LabelQueryEnd, ControlHelp::DatePart},
        {ui.TimeEditQueryEnd, ui.LabelQueryEnd, ControlHelp::TimePart},
    };
    for (const auto &[field, label, part] : whenParts)
        NameControl(field, {CaptionOf(label), help(part)});
    const std::array<std::pair<QCheckBox *, QComboBox *>, 3> alarms = {{
        {ui.CheckBoxTIAlarmInt1, ui.ComboBoxTIAlarmInt1},
        {ui.CheckBoxTIAlarmInt2, ui.ComboBoxTIAlarmInt2},
        {ui.CheckBoxTIAlarmInt3, ui.ComboBoxTIAlarmInt3},
    }};
    for (std::size_t k = 0; k < alarms.size(); ++k) {
        const auto &[box, interval] = alarms[k];
        const std::string limit = std::to_string(k + 1);
        for (QWidget *control : {static_cast<QWidget *>(box), static_cast<QWidget *>(interval)})
            NameControl(control, {CaptionOf(ui.LabelTILimitInt), CaptionOf(box)});
        SetToolTip(box, HelpText(ControlHelp::LimitIntervalOn, german, {limit}));
        SetToolTip(interval, HelpText(ControlHelp::LimitInterval, german, {limit}));
    }

    const std::pair<QWidget *, ControlHelp> tips[] = {
        {ui.EditStationID, ControlHelp::StationId},
        {ui.ComboEditMeasurementID, ControlHelp::MeasurementId},
        {ui.ListBoxMeasurementID, ControlHelp::MeasurementIds},
        {ui.EditCfg, ControlHelp::ConfigurationFile},
        {ui.EditFW, ControlHelp::FirmwareFile},
        {ui.ComboBoxMInt2, ControlHelp::NewSampling},
        {ui.CheckBoxSint, ControlHelp::AveragingOn},
        {ui.ComboBoxSInt2, ControlHelp::NewAveraging},
        {ui.EditSkalFactor, ControlHelp::Slope},
        {ui.EditSkalOffset, ControlHelp::Offset},
        {ui.SpinBoxLimitIndex, ControlHelp::LimitIndex},
        {ui.ComboBoxLimitDir, ControlHelp::LimitDirection},
        {ui.EditLimitValue, ControlHelp::LimitValue},
        {ui.SpinBoxGradIndex, ControlHelp::GradientIndex},
        {ui.ComboBoxGradDir, ControlHelp::GradientDirection},
        {ui.EditGradValue, ControlHelp::GradientValue},
        {ui.SpinBoxTIIndex, ControlHelp::TransmissionIndex},
        {ui.ComboBoxTIInterval, ControlHelp::ScheduledInterval},
        {ui.CheckBoxTIOffset, ControlHelp::StartTimeOn},
        {ui.TimeEditTIOffset, ControlHelp::StartTime},
        {ui.CheckBoxGetCfg, ControlHelp::GetConfiguration},
        {ui.CheckBoxGetDiag, ControlHelp::GetDiagnostics},
        {ui.DateEditQueryStart, ControlHelp::QueryStartDate},
        {ui.TimeEditQueryStart, ControlHelp::QueryStartTime},
        {ui.DateEditQueryEnd, ControlHelp::QueryEndDate},
        {ui.TimeEditQueryEnd, ControlHelp::QueryEndTime},
        {ui.ComboBoxQueryFormat, ControlHelp::QueryFormat},
        {ui.CheckBoxQueryEventsStation, ControlHelp::QueryStationEvents},
        {ui.CheckBoxQueryEventsChannels, ControlHelp::QueryChannelEvents},
    };
    for (const auto &[control, tip] : tips)
        SetToolTip(control, help(tip));
}
