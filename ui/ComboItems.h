#pragma once

#include <QStringList>

class QComboBox;

// Item lists defined once and copied to other drop-downs.
QStringList ItemsOf(const QComboBox *combo);
void SetItems(QComboBox *combo, const QStringList &items, int selected);

// The items of the measurement interval drop-downs of both pages: each entry
// of the interval table as hh:mm:ss.
QStringList MeasurementIntervalItems();
