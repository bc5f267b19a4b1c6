#pragma once

#include <QList>

class QObject;

// Sets the texts of the language table on the controls below root, found by
// their names, in the table's order. The standard row names only when
// rowNames is set. Nothing below the objects of leftOut is set (pages that
// set their own texts); those objects themselves are.
void ApplyLanguageTexts(const QObject *root, bool english, bool rowNames,
                        const QList<const QObject *> &leftOut = {});
