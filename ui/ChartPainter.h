#pragma once

#include "ui/ChartData.h"
#include "ui/ChartGeometry.h"

#include <QColor>
#include <QString>

class QPainter;
class QRectF;

// Draws the planning chart into any painter: a widget, an image or a
// printed page. The painter's font sets the size of everything.
void paintChart(QPainter &painter, const QRectF &rect, const ChartData &data,
                const ChartTexts &texts);

// What hovering a point names: the transmission's interval, its years at
// both temperatures and the month's volume.
QString ChartToolTip(const ChartData &data, const ChartTexts &texts, const ChartPointRef &point);

// The colour of a temperature row, 20 °C first: the chart's lines and the
// report's bars share it.
QColor TemperatureColor(int row);
