#include "core/chart/chartframe.h"

#include "core/calc/numbertext.h"

#include <algorithm>
#include <cmath>

namespace {

// Room beside the rim for "−j0.2" and above and below it for one line.
constexpr double SideMargin = 34;
constexpr double EndMargin = 20;
// From these radii on the chart has room for the values 10 and 20, whose
// circles and labels crowd towards the open circuit.
constexpr double RadiusForTen = 140;
constexpr double RadiusForTwenty = 220;
// How far a label stands off what it names.
constexpr double LabelGap = 5;

QString Value(double value) {
    return FormatGeneral(value, 3, 2);
}

ChartText::Anchor AnchorForDirection(double dx) {
    if (dx > 0.3)
        return ChartText::Anchor::Start;
    if (dx < -0.3)
        return ChartText::Anchor::End;
    return ChartText::Anchor::Middle;
}

// A label beside a point of the drawing, up and to the right of it.
ChartText Beside(const QString& text, const QPointF& at, ChartText::Role role) {
    return ChartText{text, at + QPointF(LabelGap, -LabelGap - 2), ChartText::Anchor::Start, role};
}

double Distance(const QPointF& a, const QPointF& b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// The point of the segment a-b nearest to p.
QPointF Nearest(const QPointF& a, const QPointF& b, const QPointF& p) {
    const QPointF d = b - a;
    const double length2 = d.x() * d.x() + d.y() * d.y();
    if (length2 == 0)
        return a;
    const double t = std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0);
    return a + t * d;
}

} // namespace

ChartFrame FrameFor(const QRectF& area) {
    ChartFrame frame;
    const double radius =
        std::min(area.width() - 2 * SideMargin, area.height() - 2 * EndMargin) / 2;
    frame.radius = std::max(4.0, std::floor(radius));
    frame.centre =
        QPointF(std::floor(area.center().x()) + 0.5, std::floor(area.center().y()) + 0.5);
    return frame;
}

QList<double> GridValuesFor(double radius) {
    QList<double> values = ChartGridValues();
    values.removeIf([radius](double v) {
        return (v > 5 && radius < RadiusForTen) || (v > 10 && radius < RadiusForTwenty);
    });
    return values;
}

QList<ChartText> GridLabels(const ChartFrame& frame, const QList<double>& values) {
    QList<ChartText> labels;
    for (double r : values) {
        const QPointF at = frame.At(Complex((r - 1) / (r + 1)));
        labels << ChartText{Value(r), at + QPointF(2, -LabelGap - 1), ChartText::Anchor::Start};
    }
    for (double x : values) {
        if (x == 0)
            continue;
        for (double sign : {1.0, -1.0}) {
            const Complex gamma = ReflectionOf(Complex(0, sign * x), 1);
            const QPointF at = frame.At(gamma);
            const QPointF outward(gamma.re * (LabelGap + 3), -gamma.im * (LabelGap + 5));
            const QString text =
                (sign < 0 ? QStringLiteral("\u2212j") : QStringLiteral("j")) + Value(x);
            labels << ChartText{text, at + outward, AnchorForDirection(gamma.re)};
        }
    }
    return labels;
}

QList<ChartText> ContentLabels(const SmithChart& chart, const ChartFrame& frame) {
    QList<ChartText> labels;
    for (const ChartPoint& point : chart.points) {
        if (!point.label.isEmpty())
            labels << Beside(point.label, frame.At(point.reading.gamma), ChartText::Role::Point);
    }
    for (const ChartPath& path : chart.paths)
        labels << Beside(path.label, frame.At(path.gamma[path.gamma.size() / 2]),
                         ChartText::Role::Path);
    for (const ChartCircle& circle : chart.circles)
        labels << Beside(circle.label, frame.At(circle.curve.label), ChartText::Role::Circle);
    return labels;
}

ChartText ReferenceLabel(const SmithChart& chart, const QRectF& area) {
    ChartText label;
    label.at = area.topLeft() + QPointF(4, 9);
    if (IsChartReference(chart.z0))
        label.text =
            QStringLiteral("Z0 = ") + FormatGeneral(chart.z0, 6, 2) + QStringLiteral(" \u03A9");
    return label;
}

ChartColours PaperColours() {
    return ChartColours{QStringLiteral("#ffffff"), QStringLiteral("#c4c4c4"),
                        QStringLiteral("#7a7a7a"), QStringLiteral("#e6b3b3"),
                        QStringLiteral("#5a5a5a"), QStringLiteral("#000000"),
                        QStringLiteral("#c0392b"), QStringLiteral("#1f66b3")};
}

ChartHit HitTest(const SmithChart& chart, const ChartFrame& frame, const QPointF& at,
                 double tolerance, int precision) {
    ChartHit hit;
    double best = tolerance;
    for (int i = 0; i < chart.points.size(); ++i) {
        const double d = Distance(frame.At(chart.points[i].reading.gamma), at);
        if (d <= best) {
            best = d;
            hit = ChartHit{ChartHit::Kind::Point, i, PointText(chart.points[i], precision)};
        }
    }
    if (hit.kind != ChartHit::Kind::None)
        return hit;
    QPointF where;
    for (int i = 0; i < chart.paths.size(); ++i) {
        const QList<Complex>& gamma = chart.paths[i].gamma;
        for (int k = 1; k < gamma.size(); ++k) {
            const QPointF near = Nearest(frame.At(gamma[k - 1]), frame.At(gamma[k]), at);
            const double d = Distance(near, at);
            if (d <= best) {
                best = d;
                where = near;
                hit.kind = ChartHit::Kind::Path;
                hit.index = i;
            }
        }
    }
    for (int i = 0; i < chart.circles.size(); ++i) {
        const ChartCurve& curve = chart.circles[i].curve;
        const QPointF centre = frame.At(curve.centre);
        const double fromCentre = Distance(centre, at);
        const double d = std::abs(fromCentre - curve.radius * frame.radius);
        if (hit.kind != ChartHit::Kind::Path && d <= best && fromCentre > 0) {
            best = d;
            where = centre + (at - centre) * (curve.radius * frame.radius / fromCentre);
            hit.kind = ChartHit::Kind::Circle;
            hit.index = i;
        }
    }
    if (hit.kind == ChartHit::Kind::Path)
        hit.text = ReadingAtText(chart.paths[hit.index].description, frame.GammaAt(where), chart.z0,
                                 precision);
    else if (hit.kind == ChartHit::Kind::Circle)
        hit.text = ReadingAtText(chart.circles[hit.index].label, frame.GammaAt(where), chart.z0,
                                 precision);
    return hit;
}
