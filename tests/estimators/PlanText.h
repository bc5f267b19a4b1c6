#pragma once

#include "estimators/PlanIds.h"
#include "estimators/StationPlan.h"

#include <QString>
#include <QStringList>

// A station plan as lines "field=value", so that a comparison that fails
// names the fields that differ. Empty optionals show as "<none>".
namespace PlanText {

inline QString Shown(const std::optional<std::string> &text)
{
    return text ? QLatin1Char('\'') + QString::fromLatin1(*text) + QLatin1Char('\'')
                : QStringLiteral("<none>");
}

inline QString Shown(const std::optional<std::int32_t> &seconds)
{
    return seconds ? QString::number(*seconds) : QStringLiteral("<none>");
}

template <typename Choice> QString Shown(const std::optional<Choice> &choice)
{
    return choice ? QString::fromLatin1(IdOf(*choice).data(), IdOf(*choice).size())
                  : QStringLiteral("<none>");
}

inline QStringList Lines(const StationPlan &plan)
{
    QStringList lines;
    const auto add = [&lines](const QString &field, const QString &value) {
        lines << field + QLatin1Char('=') + value;
    };
    const auto flag = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const StationPlan::Row &row = plan.rows[i];
        const QString m = QStringLiteral("M%1.").arg(i);
        add(m + "name", Shown(row.name));
        add(m + "id", QString::fromLatin1(row.id));
        add(m + "sampling", Shown(row.samplingSeconds));
        add(m + "storage", Shown(row.storageSeconds));
        add(m + "inTX1", flag(row.inTX1));
        add(m + "inTX2", flag(row.inTX2));
    }
    add("conductivity", flag(plan.conductivity));
    add("observer", Shown(plan.observer));
    add("network", Shown(plan.network));
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const StationPlan::Transmission &tx = plan.transmissions[t];
        const QString x = QStringLiteral("TX%1.").arg(t);
        add(x + "on", flag(tx.on));
        add(x + "interval", Shown(tx.intervalSeconds));
        add(x + "format", Shown(tx.format));
        add(x + "server", Shown(tx.server));
        add(x + "compression", flag(tx.compression));
        add(x + "compressionLevel", QString::number(tx.compressionLevel));
        add(x + "stationEvents", flag(tx.stationEvents));
        add(x + "measurementEvents", flag(tx.measurementEvents));
        add(x + "eventsNumber", QString::number(tx.eventsNumber));
        add(x + "secondaryMode", Shown(tx.secondaryMode));
        add(x + "secondaryServer", Shown(tx.secondaryServer));
        add(x + "backupPercent", QString::number(tx.backupPercent));
    }
    add("stationId", QString::fromLatin1(plan.stationId));
    add("targetYears", QString::number(plan.targets.years, 'g', 17));
    add("dataPlanMB", QString::number(plan.targets.dataPlanMB, 'g', 17));
    return lines;
}

// Estimates with every digit, so that only equal figures compare equal.
inline QStringList Figures(const BatteryShares &s)
{
    QStringList lines;
    for (const double share : {s.mAhTotal, s.mAhMeas, s.mAhIdle, s.mAhBLE, s.mAhTrans11,
                               s.mAhTrans12, s.mAhTrans21, s.mAhTrans22})
        lines << QString::number(share, 'g', 17);
    return lines;
}

inline QStringList Figures(const VolumeResult &v)
{
    QStringList lines;
    for (const double volume :
         {v.perTX1, v.month1, v.VolTX1Netto, v.perTX2, v.month2, v.VolTX2Netto})
        lines << QString::number(volume, 'g', 17);
    return lines;
}

} // namespace PlanText
