#pragma once

#include <QStringList>

class QComboBox;

// Item lists defined once on one drop-down and copied to others.
QStringList ItemsOf(const QComboBox *combo);
void SetItems(QComboBox *combo, const QStringList &items, int selected);
