#pragma once

#include "common/Message.h"

#include <array>
#include <cstddef>

// What tool tips and screen readers say of the controls whose caption does
// not say all, in English and German, UTF-8: tool tips say what a control
// does and in which unit; names are given where no caption names a control.
enum class ControlHelp
{
    // Names.
    MenuImage,
    BatteryDisclaimer,
    VolumeDisclaimer,
    CommandList,
    DatePart, // of a date field and a time field that share a caption
    TimePart,
    // Tool tips of the estimator page: the rows ("%1" is "TX1" or "TX2") ...
    RowInTransmission,
    RowSampling,
    RowStorage,
    // ... and the transmission settings.
    TransmissionOn,
    TransmissionInterval,
    DataFormat,
    PrimaryServer,
    Compression,
    StationEvents,
    ChannelEvents,
    EventsNumber,
    SecondaryMode,
    SecondaryServer,
    BackupRate,
    // Tool tips of the command page's fields ("%1" is the limit's number).
    StationId,
    MeasurementId,
    MeasurementIds,
    ConfigurationFile,
    FirmwareFile,
    NewSampling,
    AveragingOn,
    NewAveraging,
    Slope,
    Offset,
    LimitIndex,
    LimitDirection,
    LimitValue,
    GradientIndex,
    GradientDirection,
    GradientValue,
    TransmissionIndex,
    ScheduledInterval,
    StartTimeOn,
    StartTime,
    LimitIntervalOn,
    LimitInterval,
    GetConfiguration,
    GetDiagnostics,
    QueryStartDate,
    QueryStartTime,
    QueryEndDate,
    QueryEndTime,
    QueryFormat,
    QueryStationEvents,
    QueryChannelEvents,
    Count
};

inline constexpr std::size_t ControlHelpCount = static_cast<std::size_t>(ControlHelp::Count);
extern const std::array<Message, ControlHelpCount> ControlHelpTexts;

const char *Text(ControlHelp help, bool german);
