#pragma once

#include "estimators/StationPlan.h"

#include <QByteArray>
#include <QString>

// The start-up plan after an import that named every measurement.
inline StationPlan KnownPlan()
{
    const char *const ids[] = {"0001", "0002", "UBAT", "PBAT", "RSSI", "0006", "0007", "0008"};
    StationPlan plan = DefaultPlan();
    for (int i = 1; i <= EstimatorRowCount; ++i)
        plan.rows[i].id = ids[i - 1];
    return plan;
}

// The file's templates of the entries a plan gives, written out: "Change
// Sampling and Averaging interval" with its averaging box ticked, and "Change
// Transmission interval" without time or alarm intervals. ack is the ackId's
// text, so that a test may write one it cannot know as "#".

inline QByteArray TemplateLine(const QString &line)
{
    return line.toUtf8() + "\r\n";
}

inline QByteArray StationCommands(const QString &station, const QByteArray &lines)
{
    return TemplateLine(QString(" <StationCommands stationId=\"%1\">").arg(station)) + lines +
           TemplateLine(" </StationCommands>");
}

inline QByteArray LoggingEntry(const QString &station, const QString &ack, const QString &channel,
                               int sampling, int storage)
{
    return StationCommands(
        station,
        TemplateLine(QString("  <ChannelCommands channelId=\"%1\">").arg(channel)) +
            TemplateLine(
                QString(
                    "   <Logging ackId=\"%1\" samplingInterval=\"%2\" storageInterval=\"%3\" />")
                    .arg(ack)
                    .arg(sampling)
                    .arg(storage)) +
            TemplateLine("  </ChannelCommands>"));
}

inline QByteArray TimingEntry(const QString &station, const QString &ack, int index, int interval)
{
    return StationCommands(
        station,
        TemplateLine(
            QString("  <SetIPDataTransmission ackId=\"%1\" index=\"%2\">").arg(ack).arg(index)) +
            TemplateLine(QString("   <Timing interval=\"%1\" />").arg(interval)) +
            TemplateLine("  </SetIPDataTransmission>"));
}
