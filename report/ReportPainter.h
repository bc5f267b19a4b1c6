#pragma once

#include "report/ReportData.h"

class QPainter;
class QRectF;

// The station report on one A4 portrait page: the same drawing for a PDF
// file and a printer. page is the paper in the painter's coordinates; a
// paper of another shape gets the A4 page as large as it fits, centred.
// Fonts, lines and the chart follow the page's size, not the device's
// resolution. Text is drawn as text, the bars and the chart as vectors.
// Needs a QGuiApplication (or QApplication) for its fonts.
void paintReport(QPainter &painter, const QRectF &page, const ReportData &data);
