#include "core/calc/smith.h"

#include "core/calc/numbertext.h"
#include "core/calc/pi.h"
#include "core/calc/solved.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double DegreesPerRadian = 180 / Pi;
// The spacing of a path's points: at most this angle of the arc's own
// circle and this length of arc on the chart (the rim's radius is 1).
constexpr double MaxArcStep = TwoPi / 128;
constexpr double MaxChord = 0.05;

const Complex PointAtInfinity(Infinity, 0);

// a / b, scaled so that b's squared parts neither overflow nor vanish (the
// plain quotient turns 1e200 ohms into 0 siemens).
Complex ScaledQuotient(const Complex& a, const Complex& b) {
    if (std::abs(b.re) >= std::abs(b.im)) {
        const double r = b.im / b.re;
        const double d = b.re + b.im * r;
        return Complex((a.re + a.im * r) / d, (a.im - a.re * r) / d);
    }
    const double r = b.re / b.im;
    const double d = b.re * r + b.im;
    return Complex((a.re * r + a.im) / d, (a.im * r - a.re) / d);
}

// 1 / z: an open for a short and a short for an open.
Complex Inverse(const Complex& z) {
    if (!IsFinite(z))
        return Complex();
    if (z.re == 0 && z.im == 0)
        return PointAtInfinity;
    return ScaledQuotient(Complex(1), z);
}

// (p − q) / (p + q) for a real q > 0, the map from either plane onto the
// chart: 1 for a p that is not finite, the point at infinity for p = −q.
Complex Moebius(const Complex& p, double q) {
    if (!IsFinite(p))
        return Complex(1);
    const Complex sum = p + Complex(q);
    if (sum.re == 0 && sum.im == 0)
        return PointAtInfinity;
    const Complex gamma = ScaledQuotient(p - Complex(q), sum);
    return IsFinite(gamma) ? gamma : PointAtInfinity;
}

Complex Polar(double radius, double degrees) {
    const double radians = degrees / DegreesPerRadian;
    return Complex(radius * std::cos(radians), radius * std::sin(radians));
}

double AngleOf(const Complex& v) {
    return std::atan2(v.im, v.re) * DegreesPerRadian;
}

void AppendFinite(QList<Complex>& points, const Complex& point) {
    if (IsFinite(point))
        points.append(point);
}

// The line start + t·direction, 0 ≤ t ≤ 1, in the impedance plane (series)
// or the admittance plane (shunt), on the chart. Sampling evenly in the
// angle under which the line is seen from the plane's pole (−Z0 or −1/Z0)
// spaces the points evenly along the image circle, which is swept at twice
// that angle.
// Appends the points between the ends.
void AppendLine(QList<Complex>& points, const Complex& start, const Complex& direction,
                bool admittance, double z0) {
    const double pole = admittance ? 1 / z0 : z0;
    const double length = std::hypot(direction.re, direction.im);
    const Complex unit(direction.re / length, direction.im / length);
    // The start relative to the pole, along the line (s0) and across it (h).
    const Complex w0 = start + Complex(pole);
    const double s0 = w0.re * unit.re + w0.im * unit.im;
    const double h = w0.im * unit.re - w0.re * unit.im;
    if (h != 0 && std::isfinite(s0) && std::isfinite(length)) {
        const double phi0 = std::atan2(h, s0);
        const double sweep = std::atan2(h, s0 + length) - phi0;
        // The image circle has the radius pole / |h|.
        const double turned = 2 * std::abs(sweep);
        const double byAngle = std::ceil(turned / MaxArcStep);
        const double byLength = std::ceil(turned * pole / std::abs(h) / MaxChord);
        const int segments = int(std::clamp(std::max(byAngle, byLength), 1.0, 1000.0));
        double t = 0;
        for (int k = 1; k < segments; ++k) {
            const double phi = phi0 + sweep * k / segments;
            const double s = h * std::cos(phi) / std::sin(phi);
            t = std::clamp((s - s0) / length, t, 1.0);
            const Complex point = start + Complex(t * direction.re, t * direction.im);
            AppendFinite(points,
                         admittance ? ReflectionOfAdmittance(point, z0) : ReflectionOf(point, z0));
        }
    }
}

ChartCurve Circle(CurveKind kind, double value, const Complex& centre, double radius) {
    ChartCurve curve;
    curve.kind = kind;
    curve.value = value;
    curve.centre = centre;
    curve.radius = radius;
    curve.sweep = 360;
    curve.from = curve.to = centre + Complex(radius);
    return curve;
}

// The arc of reactance x from the open circuit to the rim; for 0 the real axis.
ChartCurve ReactanceArc(double x) {
    ChartCurve arc;
    arc.kind = CurveKind::Reactance;
    arc.value = x;
    arc.from = Complex(1);
    arc.to = ReflectionOf(Complex(0, x), 1);
    arc.label = arc.to;
    if (x == 0) {
        arc.from = Complex(-1);
        arc.to = Complex(1);
        return arc;
    }
    arc.centre = Complex(1, 1 / x);
    arc.radius = 1 / std::abs(x);
    arc.startAngle = AngleOf(arc.from - arc.centre);
    const double end = AngleOf(arc.to - arc.centre);
    // Inside the disc the arc turns clockwise for +x, counter-clockwise for −x.
    double sweep = std::fmod(end - arc.startAngle, 360.0);
    if (x > 0 && sweep > 0)
        sweep -= 360;
    if (x < 0 && sweep < 0)
        sweep += 360;
    arc.sweep = sweep;
    return arc;
}

ChartCurve Turned(ChartCurve curve, CurveKind kind) {
    curve.kind = kind;
    curve.centre = -curve.centre;
    curve.from = -curve.from;
    curve.to = -curve.to;
    curve.label = -curve.label;
    curve.startAngle = std::fmod(curve.startAngle + 180, 360.0);
    return curve;
}

} // namespace

bool IsChartReference(double z0) {
    return z0 > 0 && std::isfinite(z0);
}

Complex ReflectionOf(const Complex& z, double z0) {
    return IsChartReference(z0) ? Moebius(z, z0) : Complex();
}

Complex ReflectionOfAdmittance(const Complex& y, double z0) {
    if (!IsChartReference(z0))
        return Complex();
    const Complex gamma = Moebius(y, 1 / z0);
    return IsFinite(gamma) ? -gamma : gamma;
}

Complex ImpedanceOf(const Complex& gamma, double z0) {
    if (!IsFinite(gamma))
        return Complex(-z0);
    if (gamma == Complex(1))
        return PointAtInfinity;
    const Complex z = ScaledQuotient(Complex(z0) * (Complex(1) + gamma), Complex(1) - gamma);
    return IsFinite(z) ? z : PointAtInfinity;
}

double ReflectionMagnitude(const Complex& gamma) {
    return IsFinite(gamma) ? std::hypot(gamma.re, gamma.im) : Infinity;
}

double ReflectionAngle(const Complex& gamma) {
    return IsFinite(gamma) ? AngleOf(gamma) : 0.0;
}

double SwrOfReflection(double magnitude) {
    return magnitude < 1 ? (1 + magnitude) / (1 - magnitude) : Infinity;
}

double ReturnLossOf(double magnitude) {
    if (magnitude == 0)
        return Infinity;
    return std::isfinite(magnitude) ? -20 * std::log10(magnitude) : -Infinity;
}

ChartReading ChartReadingOf(const Complex& z, double z0) {
    const Complex gamma = ReflectionOf(z, z0);
    const double magnitude = ReflectionMagnitude(gamma);
    return ChartReading{IsFinite(z) ? z : PointAtInfinity,
                        gamma,
                        magnitude,
                        ReflectionAngle(gamma),
                        SwrOfReflection(magnitude),
                        ReturnLossOf(magnitude)};
}

QList<Complex> ElementPath(const Complex& before, const LadderStep& step, double z0) {
    const Complex first = ReflectionOf(before, z0);
    const bool series = step.placement == ElementPlacement::Series;
    const Complex start = series ? before : Inverse(before);
    const Complex direction = series ? step.z : Inverse(step.z);
    const bool still = direction.re == 0 && direction.im == 0;
    QList<Complex> points;
    AppendFinite(points, first);
    if (!IsChartReference(z0) || !IsFinite(start) || still)
        return points;
    if (IsFinite(direction))
        AppendLine(points, start, direction, !series, z0);
    AppendFinite(points, ReflectionOf(NodeAfter(before, step), z0));
    return points;
}

ChainTrace TraceChain(const NodeChain& chain, double z0) {
    ChainTrace trace;
    if (!chain.ok)
        return trace;
    for (const Complex& node : chain.nodes)
        trace.nodes.append(ReflectionOf(node, z0));
    for (int i = 0; i < chain.steps.size(); ++i)
        trace.paths.append(ElementPath(chain.nodes[i], chain.steps[i], z0));
    return trace;
}

const QList<double>& ChartGridValues() {
    static const QList<double> values{0, 0.2, 0.5, 1, 2, 5, 10, 20};
    return values;
}

QList<ChartCurve> ImpedanceGrid(const QList<double>& values) {
    QList<ChartCurve> grid;
    for (double r : values) {
        ChartCurve circle = Circle(CurveKind::Resistance, r, Complex(r / (1 + r)), 1 / (1 + r));
        circle.label = Complex((r - 1) / (r + 1));
        grid.append(circle);
    }
    for (double x : values) {
        grid.append(ReactanceArc(x));
        if (x != 0)
            grid.append(ReactanceArc(-x));
    }
    return grid;
}

QList<ChartCurve> AdmittanceGrid(const QList<double>& values) {
    QList<ChartCurve> grid;
    for (const ChartCurve& curve : ImpedanceGrid(values)) {
        if (curve.value == 0)
            continue;
        const bool circle = curve.kind == CurveKind::Resistance;
        grid.append(Turned(curve, circle ? CurveKind::Conductance : CurveKind::Susceptance));
    }
    return grid;
}

ChartCurve SwrCircle(const Complex& z, double z0) {
    const double magnitude = ReflectionMagnitude(ReflectionOf(z, z0));
    const double radius = std::min(magnitude, 1.0);
    ChartCurve circle = Circle(CurveKind::Swr, SwrOfReflection(magnitude), Complex(), radius);
    circle.label = Polar(radius, 45);
    return circle;
}

QList<Complex> CurvePoints(const ChartCurve& curve, int perTurn) {
    if (curve.radius == 0)
        return {curve.from, curve.to};
    const int segments = std::max(1, int(std::ceil(std::abs(curve.sweep) / 360 * perTurn)));
    QList<Complex> points{curve.from};
    for (int k = 1; k < segments; ++k)
        points.append(curve.centre +
                      Polar(curve.radius, curve.startAngle + curve.sweep * k / segments));
    points.append(curve.to);
    return points;
}
