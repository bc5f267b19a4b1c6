#include "ui/ComboItems.h"

#include "common/IntervalTables.h"

#include <QComboBox>

QStringList ItemsOf(const QComboBox *combo)
{
    QStringList items;
    items.reserve(combo->count());
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

void SetItems(QComboBox *combo, const QStringList &items, int selected)
{
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(selected);
}

QStringList MeasurementIntervalItems()
{
    QStringList items;
    items.reserve(MeasurementIntervalCount);
    for (const std::int32_t seconds : IntervalSeconds)
        items << QStringLiteral("%1:%2:%3")
                     .arg(seconds / SecondsPerHour, 2, 10, QLatin1Char('0'))
                     .arg(seconds % SecondsPerHour / SecondsPerMinute, 2, 10, QLatin1Char('0'))
                     .arg(seconds % SecondsPerMinute, 2, 10, QLatin1Char('0'));
    return items;
}
