#include "core/chart/chartsvg.h"

#include "core/chart/chartframe.h"

#include <cmath>

namespace {

QString N(double value) {
    // Two decimals are a hundredth of a pixel; "-0" reads as 0.
    const double rounded = std::round(value * 100) / 100;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

QString XY(const QPointF& point) {
    return N(point.x()) + u' ' + N(point.y());
}

// Text for XML: escaped, and without the control characters XML forbids
// (a name from a damaged file may hold them).
QString Escaped(const QString& text) {
    QString clean;
    clean.reserve(text.size());
    for (QChar c : text)
        clean += c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' ? QChar(u' ') : c;
    return clean.toHtmlEscaped();
}

QString Attribute(const char* name, const QString& value) {
    return u' ' + QLatin1String(name) + QStringLiteral("=\"") + value + u'"';
}

// A grid curve: a full circle, an arc or a straight segment.
QString Curve(const ChartCurve& curve, const ChartFrame& frame, const QString& extra = QString()) {
    if (curve.radius > 0 && std::abs(curve.sweep) >= 360) {
        return QStringLiteral("<circle") + Attribute("cx", N(frame.At(curve.centre).x())) +
               Attribute("cy", N(frame.At(curve.centre).y())) +
               Attribute("r", N(curve.radius * frame.radius)) + extra + QStringLiteral("/>\n");
    }
    QString d = u'M' + XY(frame.At(curve.from));
    if (curve.radius == 0) {
        d += u'L' + XY(frame.At(curve.to));
    } else {
        // y grows downwards here: a counter-clockwise sweep of the chart is
        // SVG's negative direction, sweep-flag 0.
        const QString r = N(curve.radius * frame.radius);
        d += u'A' + r + u' ' + r + QStringLiteral(" 0 ") +
             (std::abs(curve.sweep) > 180 ? u'1' : u'0') + u' ' + (curve.sweep < 0 ? u'1' : u'0') +
             u' ' + XY(frame.At(curve.to));
    }
    return QStringLiteral("<path") + Attribute("d", d) + extra + QStringLiteral("/>\n");
}

QString Group(const QString& attributes, const QString& content) {
    if (content.isEmpty())
        return QString();
    return QStringLiteral("<g") + attributes + QStringLiteral(">\n") + content +
           QStringLiteral("</g>\n");
}

QString Stroke(const QString& colour, const char* width) {
    return QStringLiteral(" fill=\"none\"") + Attribute("stroke", colour) +
           Attribute("stroke-width", QLatin1String(width));
}

QString Text(const ChartText& label, const ChartColours& colours) {
    static const char* const anchors[] = {"start", "middle", "end"};
    const QString fills[] = {colours.label, colours.point, colours.path, colours.circle};
    return QStringLiteral("<text") + Attribute("x", N(label.at.x())) +
           Attribute("y", N(label.at.y())) + QStringLiteral(" dy=\"0.35em\"") +
           Attribute("text-anchor", QLatin1String(anchors[int(label.anchor)])) +
           Attribute("fill", fills[int(label.role)]) + u'>' + Escaped(label.text) +
           QStringLiteral("</text>\n");
}

QString Grid(const ChartFrame& frame, const QList<double>& values, bool admittance,
             const ChartColours& colours) {
    QString fine;
    QString bold;
    QString turned;
    for (const ChartCurve& curve : ImpedanceGrid(values))
        (curve.value == 0 ? bold : fine) += Curve(curve, frame);
    if (admittance) {
        for (const ChartCurve& curve : AdmittanceGrid(values))
            turned += Curve(curve, frame);
    }
    const QPointF c = frame.centre;
    const QString mark =
        QStringLiteral("<path") +
        Attribute("d", u'M' + XY(c + QPointF(-5, -5)) + u'L' + XY(c + QPointF(5, 5)) + u'M' +
                           XY(c + QPointF(-5, 5)) + u'L' + XY(c + QPointF(5, -5))) +
        QStringLiteral("/>\n");
    return Group(Stroke(colours.admittance, "0.75") + QStringLiteral(" stroke-dasharray=\"3 2\""),
                 turned) +
           Group(Stroke(colours.grid, "0.75"), fine) + Group(Stroke(colours.rim, "1"), bold + mark);
}

QString Polyline(const QList<Complex>& gamma, const ChartFrame& frame) {
    QString points;
    for (const Complex& g : gamma)
        points += (points.isEmpty() ? QString() : QStringLiteral(" ")) + XY(frame.At(g));
    return Attribute("points", points);
}

QString Content(const SmithChart& chart, const ChartFrame& frame, const ChartColours& colours,
                int precision) {
    const QString dashes = QStringLiteral(" stroke-dasharray=\"6 4\"");
    QString circles;
    for (const ChartCircle& circle : chart.circles)
        circles += Curve(circle.curve, frame, circle.dashed ? dashes : QString());
    QString paths;
    // The other solution first, so that the shown one lies on top.
    for (bool dashed : {true, false}) {
        for (const ChartPath& path : chart.paths) {
            if (path.dashed == dashed)
                paths += QStringLiteral("<polyline class=\"path\"") + Polyline(path.gamma, frame) +
                         (dashed ? dashes : QString()) + QStringLiteral("/>\n");
        }
    }
    QString points;
    for (const ChartPoint& point : chart.points) {
        const QPointF at = frame.At(point.reading.gamma);
        points += QStringLiteral("<circle class=\"point\"") + Attribute("cx", N(at.x())) +
                  Attribute("cy", N(at.y())) + QStringLiteral(" r=\"3.5\"") +
                  Attribute("fill", point.secondary ? colours.background : colours.point) +
                  Attribute("stroke", colours.point) + QStringLiteral(" stroke-width=\"1.25\">") +
                  QStringLiteral("<title>") + Escaped(PointText(point, precision)) +
                  QStringLiteral("</title></circle>\n");
    }
    QString labels;
    for (const ChartText& label : ContentLabels(chart, frame))
        labels += Text(label, colours);
    return Group(Stroke(colours.circle, "1.25"), circles) +
           Group(Stroke(colours.path, "2"), paths) + Group(QString(), points) +
           Group(QString(), labels);
}

} // namespace

QString ChartSvg(const SmithChart& chart, const ChartSvgOptions& options) {
    const ChartColours colours = PaperColours();
    const QString size = N(options.size);
    const QRectF area(0, 0, options.size, options.size);
    const ChartFrame frame = FrameFor(area);
    const QList<double> values = GridValuesFor(frame.radius);
    QString svg;
    if (options.document)
        svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"") +
           Attribute("width", size) + Attribute("height", size) +
           Attribute("viewBox", QStringLiteral("0 0 ") + size + u' ' + size) +
           QStringLiteral(" role=\"img\" font-family=\"sans-serif\" font-size=\"10\">\n") +
           QStringLiteral("<title>") + Escaped(options.title) + QStringLiteral("</title>\n") +
           QStringLiteral("<rect") + Attribute("width", size) + Attribute("height", size) +
           Attribute("fill", colours.background) + QStringLiteral("/>\n");
    svg += Grid(frame, values, options.admittance, colours);
    QString labels;
    for (const ChartText& label : GridLabels(frame, values))
        labels += Text(label, colours);
    const ChartText reference = ReferenceLabel(chart, area);
    if (!reference.text.isEmpty())
        labels += Text(reference, colours);
    svg += Group(QString(), labels);
    svg += Content(chart, frame, colours, options.precision);
    svg += QStringLiteral("</svg>\n");
    return svg;
}
