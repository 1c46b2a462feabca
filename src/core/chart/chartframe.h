#pragma once

#include "core/chart/smithchart.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// Where a Smith chart lies on a drawing and where its texts go, for every
// drawing alike: the window, a PNG, an SVG, a printed page. Coordinates are
// the drawing's own (pixels or points), y growing downwards.
struct ChartFrame {
    QPointF centre;
    double radius = 1; // of the unit disc

    QPointF At(const Complex& gamma) const {
        return QPointF(centre.x() + radius * gamma.re, centre.y() - radius * gamma.im);
    }
    Complex GammaAt(const QPointF& point) const {
        return Complex((point.x() - centre.x()) / radius, (centre.y() - point.y()) / radius);
    }
};

// The disc centred in the area with room around it for the rim's labels;
// the centre sits in the middle of a pixel, so that the axis and the rim
// are drawn crisp.
ChartFrame FrameFor(const QRectF& area);

// The grid values a chart of this radius draws and labels: 10 and 20 only
// where there is room for them.
QList<double> GridValuesFor(double radius);

// A text of the drawing: `at` is the middle of the text's height, and the
// anchor says whether the text starts, is centred or ends there.
// Its role says its colour.
struct ChartText {
    enum class Anchor { Start, Middle, End };
    enum class Role { Grid, Point, Path, Circle };
    QString text;
    QPointF at;
    Anchor anchor = Anchor::Start;
    Role role = Role::Grid;
};

// The values of the impedance grid: resistances along the real axis,
// reactances ("j0.5", "−j0.5") outside the rim.
QList<ChartText> GridLabels(const ChartFrame& frame, const QList<double>& values);
// The labels of the chart's points, paths and circles, in that order.
QList<ChartText> ContentLabels(const SmithChart& chart, const ChartFrame& frame);
// "Z0 = 50 Ω" in the area's top left corner; empty without a usable Z0.
ChartText ReferenceLabel(const SmithChart& chart, const QRectF& area);

// The colours of a chart as "#rrggbb" names.
struct ChartColours {
    QString background;
    QString grid;       // impedance grid
    QString rim;        // the rim and the real axis
    QString admittance; // admittance grid
    QString label;      // grid values
    QString point;      // points and their labels
    QString path;       // element paths and their labels
    QString circle;     // SWR circles and their labels
};
// On paper and in files: dark on white.
ChartColours PaperColours();

// What lies under a place of the drawing: the nearest point within the
// tolerance, else the nearest path, else the nearest circle; with the text
// of its tooltip (for a path or circle, the reading at that place of it).
struct ChartHit {
    enum class Kind { None, Point, Path, Circle };
    Kind kind = Kind::None;
    int index = -1;
    QString text;
};
ChartHit HitTest(const SmithChart& chart, const ChartFrame& frame, const QPointF& at,
                 double tolerance, int precision);
