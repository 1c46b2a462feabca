#include "ui/chart/chartpainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <cmath>

namespace {

QPen Pen(const QString& colour, qreal width, bool dashed = false) {
    QPen pen{QColor(colour), width};
    pen.setCapStyle(Qt::FlatCap);
    if (dashed)
        pen.setDashPattern({6.0 / width, 4.0 / width});
    return pen;
}

QPainterPath CurvePath(const ChartCurve& curve, const ChartFrame& frame) {
    QPainterPath path;
    const QPointF centre = frame.At(curve.centre);
    const qreal r = curve.radius * frame.radius;
    if (curve.radius > 0 && std::abs(curve.sweep) >= 360) {
        path.addEllipse(centre, r, r);
        return path;
    }
    path.moveTo(frame.At(curve.from));
    if (curve.radius == 0)
        path.lineTo(frame.At(curve.to));
    else
        path.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), curve.startAngle,
                   curve.sweep);
    return path;
}

QPolygonF Polyline(const QList<Complex>& gamma, const ChartFrame& frame) {
    QPolygonF polygon;
    polygon.reserve(gamma.size());
    for (const Complex& g : gamma)
        polygon << frame.At(g);
    return polygon;
}

void DrawText(QPainter& painter, const ChartText& label, const ChartColours& colours) {
    const QString pens[] = {colours.label, colours.point, colours.path, colours.circle};
    const QFontMetricsF metrics(painter.font());
    const qreal width = metrics.horizontalAdvance(label.text);
    const qreal shift[] = {0, width / 2, width};
    const QPointF baseline(label.at.x() - shift[int(label.anchor)],
                           label.at.y() + (metrics.ascent() - metrics.descent()) / 2);
    painter.setPen(QColor(pens[int(label.role)]));
    painter.drawText(baseline, label.text);
}

void DrawGrid(QPainter& painter, const ChartFrame& frame, const QList<double>& values,
              const ChartColours& colours, bool admittance) {
    if (admittance) {
        QPen pen = Pen(colours.admittance, 1);
        pen.setDashPattern({3, 2});
        painter.setPen(pen);
        for (const ChartCurve& curve : AdmittanceGrid(values))
            painter.drawPath(CurvePath(curve, frame));
    }
    const QList<ChartCurve> grid = ImpedanceGrid(values);
    painter.setPen(Pen(colours.grid, 1));
    for (const ChartCurve& curve : grid) {
        if (curve.value != 0)
            painter.drawPath(CurvePath(curve, frame));
    }
    painter.setPen(Pen(colours.rim, 1));
    for (const ChartCurve& curve : grid) {
        if (curve.value == 0)
            painter.drawPath(CurvePath(curve, frame));
    }
    const QPointF c = frame.centre;
    painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    painter.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
}

void DrawContent(QPainter& painter, const SmithChart& chart, const ChartFrame& frame,
                 const ChartColours& colours) {
    painter.setBrush(Qt::NoBrush);
    for (const ChartCircle& circle : chart.circles) {
        painter.setPen(Pen(colours.circle, 1.25, circle.dashed));
        painter.drawPath(CurvePath(circle.curve, frame));
    }
    // The other solution first, so that the shown one lies on top.
    for (bool dashed : {true, false}) {
        painter.setPen(Pen(colours.path, 2, dashed));
        for (const ChartPath& path : chart.paths) {
            if (path.dashed == dashed)
                painter.drawPolyline(Polyline(path.gamma, frame));
        }
    }
    painter.setPen(Pen(colours.point, 1.25));
    for (const ChartPoint& point : chart.points) {
        painter.setBrush(QColor(point.secondary ? colours.background : colours.point));
        painter.drawEllipse(frame.At(point.reading.gamma), 3.5, 3.5);
    }
}

// A colour of the given hue that stands out on the background.
QString Accent(int hue, const QColor& background) {
    const bool dark = background.lightnessF() < 0.5;
    return QColor::fromHslF(hue / 360.0, 0.7, dark ? 0.68 : 0.42).name();
}

QString Mix(const QColor& a, const QColor& b, qreal share) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share,
                            a.greenF() + (b.greenF() - a.greenF()) * share,
                            a.blueF() + (b.blueF() - a.blueF()) * share)
        .name();
}

} // namespace

void PaintSmithChart(QPainter& painter, const QRectF& area, const SmithChart& chart,
                     const ChartColours& colours, bool admittance) {
    PaintChartGrid(painter, area, colours, admittance);
    PaintChartContent(painter, area, chart, colours);
}

void PaintChartGrid(QPainter& painter, const QRectF& area, const ChartColours& colours,
                    bool admittance) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, QColor(colours.background));
    const ChartFrame frame = FrameFor(area);
    const QList<double> values = GridValuesFor(frame.radius);
    DrawGrid(painter, frame, values, colours, admittance);
    for (const ChartText& label : GridLabels(frame, values))
        DrawText(painter, label, colours);
    painter.restore();
}

void PaintChartContent(QPainter& painter, const QRectF& area, const SmithChart& chart,
                       const ChartColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const ChartFrame frame = FrameFor(area);
    const ChartText reference = ReferenceLabel(chart, area);
    if (!reference.text.isEmpty())
        DrawText(painter, reference, colours);
    DrawContent(painter, chart, frame, colours);
    for (const ChartText& label : ContentLabels(chart, frame))
        DrawText(painter, label, colours);
    painter.restore();
}

ChartColours ScreenColours(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    return ChartColours{base.name(),           Mix(base, text, 0.25), Mix(base, text, 0.6),
                        Mix(base, text, 0.18), Mix(base, text, 0.7),  text.name(),
                        Accent(4, base),       Accent(212, base)};
}

QImage ChartImage(const SmithChart& chart, int size, qreal ratio, bool admittance) {
    const int pixels = int(std::lround(size * ratio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    painter.setFont(font);
    PaintSmithChart(painter, QRectF(0, 0, size, size), chart, PaperColours(), admittance);
    return image;
}
