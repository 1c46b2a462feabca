#pragma once

#include "core/chart/smithchart.h"

#include <QString>

struct ChartSvgOptions {
    double size = 360; // width and height of the drawing
    bool admittance = false;
    // A file of its own starts with the XML declaration; a chart inside an
    // HTML page goes without.
    bool document = true;
    QString title; // the drawing's title for readers and assistive technology
    int precision = 4;
};

// The chart as SVG in paper colours (chartframe.h): the impedance grid with
// its values, optionally the admittance grid, the centre marked, then the
// SWR circles, the element paths (the other solution dashed), the points
// (circles of class "point" centred where the point lies) and the labels.
QString ChartSvg(const SmithChart& chart, const ChartSvgOptions& options);
