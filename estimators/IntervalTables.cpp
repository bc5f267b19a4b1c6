#include "estimators/IntervalTables.h"

#include <algorithm>
#include <iterator>

namespace {

template <typename Table> int ExactIndexOf(const Table &table, double seconds)
{
    const auto it = std::find(table.begin(), table.end(), seconds);
    return it == table.end() ? -1 : static_cast<int>(std::distance(table.begin(), it));
}

} // namespace

int IntervalIndexOf(double seconds)
{
    return ExactIndexOf(IntervalSeconds, seconds);
}

int TxIntervalIndexOf(double seconds)
{
    if (seconds >= CmdTxIntervalSeconds[CmdTxLastWeekday])
        return CmdTxLastWeekday;
    return ExactIndexOf(CmdTxIntervalSeconds, seconds);
}

int VTXIntervalIndexOf(double seconds)
{
    if (seconds >= SecondsPerWeek)
        return TxWeeklyIndex;
    return ExactIndexOf(TXIntervalSeconds, seconds);
}
