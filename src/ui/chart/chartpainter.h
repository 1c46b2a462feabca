#pragma once

#include "core/chart/chartframe.h"

#include <QImage>

class QPainter;
class QPalette;

// Draws a chart into the area with the painter's font: the same drawing as
// the SVG writer's (chartsvg.h), for the window, PNG files and paper.
void PaintSmithChart(QPainter& painter, const QRectF& area, const SmithChart& chart,
                     const ChartColours& colours, bool admittance);
// The two layers of that drawing: the grid with its values, which depends
// only on the size, and what the chart plots on it, Z0 included.
void PaintChartGrid(QPainter& painter, const QRectF& area, const ChartColours& colours,
                    bool admittance);
void PaintChartContent(QPainter& painter, const QRectF& area, const SmithChart& chart,
                       const ChartColours& colours);

// Colours for the screen from the palette, so that the chart reads on a
// light and on a dark desktop alike.
ChartColours ScreenColours(const QPalette& palette);

// The chart in paper colours as an image of size × size pixels at the
// device pixel ratio (its pixels are size × ratio), with a 10 pixel font.
QImage ChartImage(const SmithChart& chart, int size, qreal ratio, bool admittance);
