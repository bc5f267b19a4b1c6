#pragma once

#include "common/ListItems.h"
#include "common/OneBasedArray.h"
#include "common/TimeUnits.h"
#include "estimators/BatteryModel.h"
#include "estimators/PlanningTargets.h"
#include "estimators/VolumeModel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct SetupModel;

// Every input of the estimator page as a value, by meaning. An empty optional
// is a drop-down without a chosen item, which the page shows when an import
// names a value its list does not hold.
struct StationPlan
{
    // Each choice in the order of its drop-down.
    enum class Observer
    {
        OnceADay,
        OnceAWeek,
        OnceAMonth,
        Every2Months,
        Every3Months,
        Every6Months,
        Every12Months,
    };
    enum class Network
    {
        FourGTwoG = RadioNetwork::FourGTwoG,
        CatM1 = RadioNetwork::CatM1,
    };
    enum class Format
    {
        VeskQdx = DataFormat::VeskQdx,
        VeskMl = DataFormat::VeskMl,
        Csv = DataFormat::Csv,
        ZrxpV3 = DataFormat::ZrxpV3,
        CsvColumn = DataFormat::CsvColumn,
        Zrxp = DataFormat::Zrxp,
    };
    enum class Server
    {
        Http = ServerType::Http,
        Ftp = ServerType::Ftp,
        Https = ServerType::Https,
        Mqtt = ServerType::Mqtt,
        Mqtts = ServerType::Mqtts,
        Ftps = ServerType::Ftps,
    };
    enum class SecondaryMode
    {
        None = SecondaryModeNone,
        Backup = SecondaryModeBackup,
        BothServers = SecondaryModeBothServers,
    };

    // One measurement row, M1 to M8.
    struct Row
    {
        // The name an import gave (8-bit text); empty: the row's standard
        // name in the language shown.
        std::optional<std::string> name;
        // The measurement ID an import gave; empty when none is known.
        std::string id;
        // Values of IntervalSeconds.
        std::optional<std::int32_t> samplingSeconds;
        std::optional<std::int32_t> storageSeconds;
        bool inTX1 = false;
        bool inTX2 = false;

        bool operator==(const Row &other) const;
        bool operator!=(const Row &other) const { return !(*this == other); }
    };

    // One scheduled transmission, TX1 or TX2.
    struct Transmission
    {
        bool on = false;
        // A value of TXIntervalSeconds; SecondsPerWeek is "weekly".
        std::optional<std::int32_t> intervalSeconds;
        std::optional<Format> format;
        std::optional<Server> server;
        bool compression = false;
        int compressionLevel = CompressionLevel;
        bool stationEvents = false;
        bool measurementEvents = false;
        int eventsNumber = 0;
        std::optional<SecondaryMode> secondaryMode;
        std::optional<Server> secondaryServer;
        int backupPercent = 0;

        bool operator==(const Transmission &other) const;
        bool operator!=(const Transmission &other) const { return !(*this == other); }
    };

    OneBasedArray<Row, EstimatorRowCount> rows;
    bool conductivity = false;
    std::optional<Observer> observer;
    std::optional<Network> network;
    OneBasedArray<Transmission, EstimatorTransmissionCount> transmissions;
    // The station ID an import gave; empty when none is known.
    std::string stationId;
    // None at start; an import keeps them.
    PlanningTargets targets;

    bool operator==(const StationPlan &other) const;
    bool operator!=(const StationPlan &other) const { return !(*this == other); }
};

// The whole numbers the page's spin boxes take: min to max; their arrows move by step.
struct SpinRange
{
    int min;
    int max;
    int step;

    constexpr bool Holds(int value) const
    {
        // The arrows step; a typed value in the range is taken as it is.
        return value >= min && value <= max;
    }
};
inline constexpr SpinRange CompressionLevelRange = {2, 9, 1};
inline constexpr SpinRange EventsNumberRange = {1, 99, 1};
inline constexpr SpinRange BackupPercentRange = {5, 100, 5};

// Intervals chosen at start-up for both the sampling and the storage
// drop-downs, M1 first: hourly, except daily for M3 to M5.
inline constexpr std::array<std::int32_t, EstimatorRowCount> DefaultIntervalSeconds = {
    SecondsPerHour, SecondsPerHour, SecondsPerDay,  SecondsPerDay,
    SecondsPerDay,  SecondsPerHour, SecondsPerHour, SecondsPerHour};
// Both transmissions start once a day.
inline constexpr std::int32_t DefaultTxIntervalSeconds = SecondsPerDay;

// The page as the program starts.
StationPlan DefaultPlan();

// The model inputs of the plan, item positions in place of seconds.
BatteryInputs BatteryInputsOf(const StationPlan &plan);
VolumeInputs VolumeInputsOf(const StationPlan &plan);

// The figures the page shows for the plan: the daily charge, and the bytes
// per transmission and per month.
BatteryShares EstimateBattery(const StationPlan &plan);
VolumeResult EstimateVolume(const StationPlan &plan);

// What applying the setup leaves on a page that showed base. The setup's
// codes are corrected on a copy first. Every row gets the channel's name and
// measurement ID; an interval the setup does not give (a sampling interval of
// 0 or less, the storage interval of a channel that is not stored, a
// transmission interval of 0 or less) keeps base's, one the list does not
// hold leaves no selection. Conductivity, BLE readings, radio network,
// events, compression level and backup percentage stay as in base.
StationPlan PlanFromSetup(const SetupModel &model, const StationPlan &base = DefaultPlan());

// The label of a row with a name from an import: "M3  " and the name.
std::string ImportedRowLabel(int row, const std::string &name);

// The dialog import's rule for the variant: conductivity when the label of
// row 8 that the import gives contains "TDS".
bool NamesConductivity(const SetupModel &model);

// Choosing the variant as its check box does: turning it on gives rows M6 to
// M8 their standard names.
void ChooseConductivity(StationPlan &plan, bool on);
