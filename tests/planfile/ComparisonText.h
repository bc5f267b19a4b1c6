#pragma once

#include "planfile/PlanCompare.h"

#include <QStringList>

// The rows of a comparison as "caption | window | file | difference", so
// that a failed comparison shows the rows.
inline QStringList ComparisonLines(const std::vector<ComparisonRow> &rows)
{
    QStringList lines;
    for (const ComparisonRow &row : rows)
        lines << QString::fromStdString(row.caption + " | " + row.window + " | " + row.file +
                                        " | " + row.difference);
    return lines;
}
