#include "ui/ComboItems.h"

#include "texts/ItemTexts.h"

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
    for (const char *item : IntervalItems)
        items << QString::fromLatin1(item);
    return items;
}
