#pragma once

#include "common/TimeUnits.h"
#include "estimators/StationPlan.h"
#include "report/ReportData.h"

#include <string>
#include <vector>

// Plans a report must show whole, each one way the page can be: as started,
// imported with 8-bit names, in the conductivity variant, with two
// transmissions and secondary servers, with drop-downs left without a
// choice, with targets met and missed, and with the longest texts a setup
// file holds.
namespace ReportPlans {

// The setup reader takes texts up to this many bytes.
inline constexpr std::size_t LongestText = 256;

inline ReportData Data(const StationPlan &plan, bool german, PlanningTargets targets = {})
{
    ReportData data;
    data.plan = plan;
    data.plan.targets = targets;
    data.german = german;
    data.decimalSeparator = german ? ',' : '.';
    data.date = {2026, 3, 1};
    data.version = "9.8.7";
    return data;
}

// Latin-1 bytes, as an import gives them.
inline StationPlan Imported()
{
    StationPlan plan = DefaultPlan();
    plan.stationId = "Br\xFC"
                     "cke S\xFC"
                     "d <7> & Co";
    const std::vector<std::string> names = {"F\xFCllstand", "Wassertemperatur", "Batterie",
                                            "Stromverbrauch \xE4\xF6\xFC\xDF", "Signal"};
    for (int i = 1; i <= static_cast<int>(names.size()); ++i) {
        plan.rows[i].name = names[static_cast<std::size_t>(i - 1)];
        plan.rows[i].id = "000" + std::to_string(i);
    }
    plan.rows[2].samplingSeconds = 900;
    plan.rows[2].storageSeconds = 1800;
    plan.rows[4].inTX1 = false;
    return plan;
}

inline StationPlan Conductivity()
{
    StationPlan plan = DefaultPlan();
    ChooseConductivity(plan, true);
    plan.rows[6].samplingSeconds = 5;
    plan.rows[6].storageSeconds = 60;
    plan.rows[7].samplingSeconds = 600;
    plan.rows[7].storageSeconds = 43200;
    plan.rows[8].inTX1 = false;
    plan.network = StationPlan::Network::CatM1;
    plan.observer = StationPlan::Observer::Every12Months;
    return plan;
}

inline StationPlan TwoTransmissions()
{
    StationPlan plan = DefaultPlan();
    StationPlan::Transmission &tx1 = plan.transmissions[1];
    tx1.intervalSeconds = 900;
    tx1.server = StationPlan::Server::Mqtts;
    tx1.secondaryMode = StationPlan::SecondaryMode::BothServers;
    tx1.secondaryServer = StationPlan::Server::Ftp;
    tx1.eventsNumber = 42;
    StationPlan::Transmission &tx2 = plan.transmissions[2];
    tx2.on = true;
    tx2.intervalSeconds = SecondsPerWeek;
    tx2.format = StationPlan::Format::CsvColumn;
    tx2.server = StationPlan::Server::Https;
    tx2.compression = false;
    tx2.secondaryMode = StationPlan::SecondaryMode::Backup;
    tx2.secondaryServer = StationPlan::Server::Ftps;
    tx2.backupPercent = 35;
    plan.rows[3].inTX2 = false;
    return plan;
}

// What an import leaves when the setup names values no list holds.
inline StationPlan WithoutChoices()
{
    StationPlan plan = TwoTransmissions();
    plan.rows[2].samplingSeconds.reset();
    plan.rows[3].storageSeconds.reset();
    plan.transmissions[1].intervalSeconds.reset();
    plan.transmissions[1].format.reset();
    plan.transmissions[2].server.reset();
    plan.transmissions[2].secondaryMode.reset();
    plan.transmissions[2].secondaryServer.reset();
    plan.observer.reset();
    plan.network.reset();
    return plan;
}

// Every row and the station ID as long as a setup file lets them be, in
// wide letters, with both transmissions on: the most a page has to hold.
inline StationPlan Longest()
{
    StationPlan plan = TwoTransmissions();
    ChooseConductivity(plan, true);
    plan.stationId = std::string(LongestText, 'W');
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        std::string name;
        while (name.size() < LongestText)
            name += "Messwert\xC4\xD6\xDC " + std::to_string(i) + ' ';
        plan.rows[i].name = name.substr(0, LongestText);
    }
    return plan;
}

} // namespace ReportPlans
