#include "common/IntervalTables.h"

#include "common/TableLookup.h"

int IntervalIndexOf(double seconds)
{
    return IndexOf(IntervalSeconds, seconds);
}

int TxIntervalIndexOf(double seconds)
{
    if (seconds >= CmdTxIntervalSeconds[CmdTxLastWeekday])
        return CmdTxLastWeekday;
    return IndexOf(CmdTxIntervalSeconds, seconds);
}

int VTXIntervalIndexOf(double seconds)
{
    if (seconds >= SecondsPerWeek)
        return TxWeeklyIndex;
    return IndexOf(TXIntervalSeconds, seconds);
}
