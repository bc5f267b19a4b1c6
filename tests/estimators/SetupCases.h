#pragma once

#include "common/TimeUnits.h"
#include "estimators/StationPlan.h"
#include "setup/SetupModel.h"

#include <functional>
#include <vector>

// Setups as a read leaves them, each with what applying it does to the
// estimator page. The plan tests and the window's apply tests share them.
namespace SetupCases {

using SetupChange = std::function<void(SetupModel &)>;
using PlanChange = std::function<void(StationPlan &)>;

struct Case
{
    const char *name;
    SetupChange setup;
    // Applied to Applied(base), the page after any setup.
    PlanChange expected;
};

inline SetupModel ReadModel(const SetupChange &change)
{
    SetupModel model;
    ResetSetupForRead(model);
    change(model);
    return model;
}

// What applying a read model with an empty directory leaves: every row
// named "M1  " and so on, without ID or transmission; both transmissions
// off in "Vesk-ML" without compression, servers "HTTP", no secondary
// server. Every interval and everything the setup does not name stays.
inline StationPlan Applied(const StationPlan &base)
{
    StationPlan plan = base;
    for (StationPlan::Row &row : plan.rows) {
        row.name = std::string();
        row.id.clear();
        row.inTX1 = false;
        row.inTX2 = false;
    }
    for (StationPlan::Transmission &tx : plan.transmissions) {
        tx.on = false;
        tx.format = StationPlan::Format::VeskMl;
        tx.server = StationPlan::Server::Http;
        tx.compression = false;
        tx.secondaryMode = StationPlan::SecondaryMode::None;
        tx.secondaryServer = StationPlan::Server::Http;
    }
    plan.stationId.clear();
    return plan;
}

inline void StoredChannel(SetupModel &m, int i, const char *nr, const char *name,
                          std::int32_t sampling, std::int32_t storage)
{
    ChannelRec &channel = m.Channels[i];
    channel.Active = true;
    channel.Store = true;
    channel.Nr = nr;
    channel.Name = name;
    channel.MInterval = sampling;
    channel.AvgInterval = storage;
}

// Server instances 1 to 4: an FTP, an HTTPS, an unknown and an MQTT server.
inline void FourInstances(SetupModel &m)
{
    m.ServerInstTypes[1] = 1;
    m.ServerInstTypes[2] = 3;
    m.ServerInstTypes[3] = -1;
    m.ServerInstTypes[4] = 6;
}

inline std::vector<Case> All()
{
    using F = StationPlan::Format;
    using S = StationPlan::Server;
    using M = StationPlan::SecondaryMode;
    const PlanChange nothingMore = [](StationPlan &) {};
    return {
        {"empty directory", [](SetupModel &) {}, nothingMore},
        {"Level, 900 and 3600",
         [](SetupModel &m) { StoredChannel(m, 1, "0001", "Level", 900, 3600); },
         [](StationPlan &p) {
             p.rows[1].name = "Level";
             p.rows[1].id = "0001";
             p.rows[1].samplingSeconds = 900;
             p.rows[1].storageSeconds = 3600;
         }},
        {"sampling interval 0 keeps the selection",
         [](SetupModel &m) { StoredChannel(m, 2, "0002", "Temp", 0, 7200); },
         [](StationPlan &p) {
             p.rows[2].name = "Temp";
             p.rows[2].id = "0002";
             p.rows[2].storageSeconds = 7200;
         }},
        {"intervals outside the list leave no selection",
         [](SetupModel &m) {
             StoredChannel(m, 1, "0001", "", 45, 3600);
             StoredChannel(m, 3, "UBAT", "", 600, 0);
         },
         [](StationPlan &p) {
             p.rows[1].id = "0001";
             p.rows[1].samplingSeconds = std::nullopt;
             p.rows[1].storageSeconds = 3600;
             p.rows[3].id = "UBAT";
             p.rows[3].samplingSeconds = 600;
             p.rows[3].storageSeconds = std::nullopt;
         }},
        {"a channel not stored keeps its storage interval",
         [](SetupModel &m) {
             StoredChannel(m, 2, "0002", "Temp", 60, 60);
             m.Channels[2].Store = false;
         },
         [](StationPlan &p) {
             p.rows[2].name = "Temp";
             p.rows[2].id = "0002";
             p.rows[2].samplingSeconds = 60;
         }},
        {"channel list 00010003",
         [](SetupModel &m) {
             StoredChannel(m, 1, "0001", "A", 3600, 3600);
             StoredChannel(m, 2, "0002", "B", 3600, 3600);
             StoredChannel(m, 3, "0003", "C", 3600, 3600);
             StoredChannel(m, 4, "0003", "D", 3600, 3600);
             m.Channels[4].Store = false;
             m.Transmissions[1].Interval = SecondsPerDay;
             m.Transmissions[1].ChannelList = "000100030";
         },
         [](StationPlan &p) {
             const char *names[] = {"A", "B", "C", "D"};
             const char *ids[] = {"0001", "0002", "0003", "0003"};
             for (int i = 1; i <= 3; ++i) {
                 p.rows[i].samplingSeconds = SecondsPerHour;
                 p.rows[i].storageSeconds = SecondsPerHour;
             }
             p.rows[4].samplingSeconds = SecondsPerHour;
             for (int i = 1; i <= 4; ++i) {
                 p.rows[i].name = names[i - 1];
                 p.rows[i].id = ids[i - 1];
             }
             p.rows[1].inTX1 = true;
             p.rows[3].inTX1 = true;
             p.transmissions[1].on = true;
             p.transmissions[1].intervalSeconds = SecondsPerDay;
         }},
        {"interval 0 with a channel list",
         [](SetupModel &m) {
             StoredChannel(m, 1, "0001", "A", 3600, 3600);
             m.Transmissions[2].ChannelList = "0001";
         },
         [](StationPlan &p) {
             p.rows[1].name = "A";
             p.rows[1].id = "0001";
             p.rows[1].samplingSeconds = SecondsPerHour;
             p.rows[1].storageSeconds = SecondsPerHour;
         }},
        // The row switch asks for an interval other than 0, the transmission
        // switch for one above 0.
        {"negative interval with a channel list",
         [](SetupModel &m) {
             StoredChannel(m, 1, "0001", "A", 3600, 3600);
             m.Transmissions[1].Interval = -60;
             m.Transmissions[1].ChannelList = "0001";
         },
         [](StationPlan &p) {
             p.rows[1].name = "A";
             p.rows[1].id = "0001";
             p.rows[1].samplingSeconds = SecondsPerHour;
             p.rows[1].storageSeconds = SecondsPerHour;
             p.rows[1].inTX1 = true;
         }},
        {"weekly on Wednesday and 100 s",
         [](SetupModel &m) {
             m.Transmissions[1].Interval = 604803;
             m.Transmissions[2].Interval = 100;
         },
         [](StationPlan &p) {
             p.transmissions[1].on = true;
             p.transmissions[1].intervalSeconds = SecondsPerWeek;
             p.transmissions[2].on = true;
             p.transmissions[2].intervalSeconds = std::nullopt;
         }},
        {"weekly and daily",
         [](SetupModel &m) {
             m.Transmissions[1].Interval = SecondsPerWeek;
             m.Transmissions[2].Interval = SecondsPerDay;
         },
         [](StationPlan &p) {
             p.transmissions[1].on = true;
             p.transmissions[1].intervalSeconds = SecondsPerWeek;
             p.transmissions[2].on = true;
             p.transmissions[2].intervalSeconds = SecondsPerDay;
         }},
        {"data formats 3 and 9",
         [](SetupModel &m) {
             m.Transmissions[1].DataFormat = 3;
             m.Transmissions[2].DataFormat = 9;
         },
         [](StationPlan &p) {
             p.transmissions[1].format = F::Zrxp;
             p.transmissions[2].format = F::VeskMl;
         }},
        {"data formats 4 and 8, compressed",
         [](SetupModel &m) {
             m.Transmissions[1].DataFormat = 4;
             m.Transmissions[2].DataFormat = 8;
             m.Transmissions[1].Compression = true;
             m.Transmissions[2].Compression = true;
         },
         [](StationPlan &p) {
             p.transmissions[1].format = F::VeskQdx;
             p.transmissions[2].format = F::CsvColumn;
             p.transmissions[1].compression = true;
             p.transmissions[2].compression = true;
         }},
        {"server types of the instances",
         [](SetupModel &m) {
             FourInstances(m);
             m.Transmissions[1].Server1Inst = 2;
             m.Transmissions[1].Server2Inst = 4;
             m.Transmissions[2].Server1Inst = 1;
             m.Transmissions[2].Server2Inst = 0;
         },
         [](StationPlan &p) {
             p.transmissions[1].server = S::Https;
             p.transmissions[1].secondaryMode = M::Backup;
             p.transmissions[1].secondaryServer = S::Mqtt;
             p.transmissions[2].server = S::Ftp;
         }},
        {"both servers, and mode 7 as backup",
         [](SetupModel &m) {
             FourInstances(m);
             m.Transmissions[1].Server2Inst = 3;
             m.Transmissions[1].Server2Mode = 1;
             m.Transmissions[2].Server2Inst = 4;
             m.Transmissions[2].Server2Mode = 7;
         },
         [](StationPlan &p) {
             p.transmissions[1].secondaryMode = M::BothServers;
             p.transmissions[2].secondaryMode = M::Backup;
             p.transmissions[2].secondaryServer = S::Mqtt;
         }},
        {"instances out of range",
         [](SetupModel &m) {
             FourInstances(m);
             m.Transmissions[1].Server1Inst = 5;
             m.Transmissions[1].Server2Inst = -1;
             m.Transmissions[1].Server2Mode = 1;
         },
         nothingMore},
        {"station ID and measurement IDs",
         [](SetupModel &m) {
             m.StationID = "0000000042";
             for (int i = 1; i <= ChannelCount; ++i)
                 m.Channels[i].Nr = "A00" + std::to_string(i % 10);
         },
         [](StationPlan &p) {
             p.stationId = "0000000042";
             for (int i = 1; i <= EstimatorRowCount; ++i)
                 p.rows[i].id = "A00" + std::to_string(i);
         }},
        {"8-bit names",
         [](SetupModel &m) {
             m.Channels[1].Name = "Pegel \xE4";
             m.Channels[8].Name = "TDS \xB5S";
         },
         [](StationPlan &p) {
             p.rows[1].name = "Pegel \xE4";
             p.rows[8].name = "TDS \xB5S";
         }},
    };
}

// Every drop-down of the plan without a chosen item.
inline void WithoutChoices(StationPlan &plan)
{
    for (StationPlan::Row &row : plan.rows) {
        row.samplingSeconds = std::nullopt;
        row.storageSeconds = std::nullopt;
    }
    plan.observer = std::nullopt;
    plan.network = std::nullopt;
    for (StationPlan::Transmission &tx : plan.transmissions) {
        tx.intervalSeconds = std::nullopt;
        tx.format = std::nullopt;
        tx.server = std::nullopt;
        tx.secondaryMode = std::nullopt;
        tx.secondaryServer = std::nullopt;
    }
}

// A page far from the start-up state: every value a setup may leave alone
// differs from what a setup would set.
inline StationPlan ChangedPage()
{
    StationPlan plan = DefaultPlan();
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        StationPlan::Row &row = plan.rows[i];
        row.name = "Old " + std::to_string(i);
        row.id = "OLD" + std::to_string(i);
        row.samplingSeconds = 60;
        row.storageSeconds = 120;
    }
    plan.rows[2].samplingSeconds = std::nullopt;
    plan.rows[2].storageSeconds = std::nullopt;
    plan.conductivity = true;
    plan.observer = StationPlan::Observer::Every6Months;
    plan.network = StationPlan::Network::CatM1;
    for (StationPlan::Transmission &tx : plan.transmissions) {
        tx.on = true;
        tx.intervalSeconds = SecondsPerHour;
        tx.format = StationPlan::Format::Csv;
        tx.server = StationPlan::Server::Ftps;
        tx.compressionLevel = 2;
        tx.stationEvents = false;
        tx.measurementEvents = false;
        tx.eventsNumber = 5;
        tx.secondaryMode = StationPlan::SecondaryMode::BothServers;
        tx.secondaryServer = StationPlan::Server::Ftps;
        tx.backupPercent = 55;
    }
    plan.transmissions[2].intervalSeconds = std::nullopt;
    plan.stationId = "0000000007";
    return plan;
}

} // namespace SetupCases
