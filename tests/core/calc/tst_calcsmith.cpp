#include "core/calc/smith.h"
#include "core/calc/solved.h"
#include "core/text/readingtexts.h"

#include <QtTest>

#include <cmath>
#include <complex>
#include <limits>

Q_DECLARE_METATYPE(Complex)

// The Smith chart's geometry against independent arithmetic (std::complex):
// reflection coefficients, the node chains of the networks and their traces,
// the element paths, the grid.
class TestCalcSmith : public QObject {
    Q_OBJECT

private slots:
    void reflection_data();
    void reflection();
    void readingText();
    void chain_data();
    void chain();
    void elementPath_data();
    void elementPath();
    void grid();
};

namespace {

using C = std::complex<double>;
const double Inf = std::numeric_limits<double>::infinity();

C Std(const Complex& z) {
    return C(z.re, z.im);
}

bool Near(const C& a, const C& b, double tolerance = 1e-12) {
    return std::abs(a - b) <= tolerance * std::max(1.0, std::abs(b));
}

QString Show(const Complex& z) {
    return QStringLiteral("%1 %2").arg(z.re, 0, 'g', 17).arg(z.im, 0, 'g', 17);
}

} // namespace

void TestCalcSmith::reflection_data() {
    QTest::addColumn<Complex>("z");
    QTest::addColumn<double>("z0");
    QTest::addColumn<Complex>("gamma");
    QTest::addColumn<double>("swr");

    const double third = 1.0 / 3;
    const double root = std::sqrt(0.2);
    QTest::newRow("matched") << Complex(50) << 50.0 << Complex() << 1.0;
    QTest::newRow("100 on 50") << Complex(100) << 50.0 << Complex(third) << 2.0;
    QTest::newRow("25 on 50") << Complex(25) << 50.0 << Complex(-third) << 2.0;
    QTest::newRow("25+j25 on 50") << Complex(25, 25) << 50.0 << Complex(-0.2, 0.4)
                                  << (1 + root) / (1 - root);
    QTest::newRow("short") << Complex() << 50.0 << Complex(-1) << Inf;
    QTest::newRow("j50, lossless") << Complex(0, 50) << 50.0 << Complex(0, 1) << Inf;
    QTest::newRow("open") << Complex(Inf) << 50.0 << Complex(1) << Inf;
    QTest::newRow("1e300 ohms does not overflow") << Complex(1e300) << 50.0 << Complex(1) << Inf;
    QTest::newRow("-Z0: the point at infinity") << Complex(-50) << 50.0 << Complex(Inf) << Inf;
    QTest::newRow("Z0 of 0 is no chart") << Complex(50) << 0.0 << Complex() << 1.0;
}

void TestCalcSmith::reflection() {
    QFETCH(Complex, z);
    QFETCH(double, z0);
    QFETCH(Complex, gamma);
    QFETCH(double, swr);

    const ChartReading reading = ChartReadingOf(z, z0);
    const bool infinite = gamma.re == Inf;
    QVERIFY2(infinite ? reading.gamma == gamma : Near(Std(reading.gamma), Std(gamma)),
             qPrintable(Show(reading.gamma)));
    const double magnitude = infinite ? Inf : std::abs(Std(gamma));
    QCOMPARE(reading.magnitude, magnitude);
    QVERIFY(std::abs(reading.angle - (infinite ? 0 : std::arg(Std(gamma)) * 180 / M_PI)) < 1e-9);
    QVERIFY(swr == Inf ? reading.swr == Inf : std::abs(reading.swr - swr) < 1e-9);
    const double returnLoss = infinite ? -Inf : -20 * std::log10(magnitude);
    QVERIFY(reading.returnLoss == returnLoss || std::abs(reading.returnLoss - returnLoss) < 1e-9);
    // Back from the chart: an open at Γ = 1, −Z0 at the point at infinity.
    const Complex back = ImpedanceOf(reading.gamma, z0);
    if (z0 > 0)
        QVERIFY2(gamma == Complex(1) ? back == Complex(Inf) : Near(Std(back), Std(z), 1e-9),
                 qPrintable(Show(back)));
    // An admittance is the same point of the chart.
    if (z0 > 0 && IsFinite(z) && std::norm(Std(z)) != 0 && !infinite)
        QVERIFY(Near(Std(ReflectionOfAdmittance(Complex(1) / z, z0)), Std(gamma)));
}

void TestCalcSmith::readingText() {
    QCOMPARE(
        ChartReadingText(ChartReadingOf(Complex(25, 25), 50), 4),
        QStringLiteral("Z = 25 + j25 \u03A9, \u0393 = 0.4472 \u2220 116.6\u00B0, SWR = 2.618"));
    QCOMPARE(ChartReadingText(ChartReadingOf(Complex(Inf), 50), 4),
             QStringLiteral("Z = \u221E, \u0393 = 1 \u2220 0\u00B0, SWR = \u221E"));
    QCOMPARE(ChartReadingText(ChartReadingOf(Complex(100, -50), 50), 3),
             QStringLiteral("Z = 100 - j50 \u03A9, \u0393 = 0.447 \u2220 -26.6\u00B0, SWR = 2.62"));
}

void TestCalcSmith::chain_data() {
    QTest::addColumn<QString>("network"); // "L series", "L parallel", "Pi", "T"
    QTest::addColumn<int>("towards");
    QTest::addColumn<Complex>("termination");
    QTest::addColumn<QString>("steps"); // s or p (series, shunt) and the element, in order
    QTest::addColumn<QString>("message");

    const auto row = [](const char* name, const char* network, NetworkPort towards,
                        const Complex& termination, const char* steps, const char* message) {
        QTest::newRow(name) << QString(network) << int(towards) << termination << QString(steps)
                            << QString(message);
    };
    const auto in = NetworkPort::Input;
    const auto out = NetworkPort::Output;
    row("L series to the input", "L series", in, Complex(200, 100), "p2 s1", "");
    row("L series to the output", "L series", out, Complex(50), "s1 p2", "");
    row("L parallel to the input", "L parallel", in, Complex(50), "s2 p1", "");
    row("L parallel to the output", "L parallel", out, Complex(75), "p1 s2", "");
    row("Pi to the input", "Pi", in, Complex(50, -20), "p3 s2 p1", "");
    row("Pi to the output", "Pi", out, Complex(50), "p1 s2 p3", "");
    row("T to the input", "T", in, Complex(50), "s3 p2 s1", "");
    row("T to the output", "T", out, Complex(10, 5), "s1 p2 s3", "");
    row("Pi fails as its calculator does", "Pi", in, Complex(0, 200), "",
        "Error: Zout and Z3 are both zero.");
    row("T overflow", "T", out, Complex(1e308), "", "Error: No solution.");
}

void TestCalcSmith::chain() {
    QFETCH(QString, network);
    QFETCH(int, towards);
    QFETCH(Complex, termination);
    QFETCH(QString, steps);
    QFETCH(QString, message);

    const bool overflow = termination.re == 1e308;
    const Complex z[4] = {Complex(), overflow ? Complex(1e308) : Complex(0, 100),
                          overflow ? Complex(1e308) : Complex(20, -60), Complex(0, -200)};
    const auto port = NetworkPort(towards);
    const bool in = port == NetworkPort::Input;
    NodeChain found;
    Solved solve;
    if (network.startsWith('L')) {
        const auto type =
            network == "L series" ? LNetworkType::Z1InSeries : LNetworkType::Z1InParallel;
        found = LNetworkChain(type, port, termination, z[1], z[2]);
        solve = in ? LNetworkZin(type, termination, z[1], z[2])
                   : LNetworkZout(type, termination, z[1], z[2]);
    } else if (network == "Pi") {
        found = PiNetworkChain(port, termination, z[1], z[2], z[3]);
        solve = in ? PiNetworkZin(termination, z[1], z[2], z[3])
                   : PiNetworkZout(termination, z[1], z[2], z[3]);
    } else {
        found = TNetworkChain(port, termination, z[1], z[2], z[3]);
        solve = in ? TNetworkZin(termination, z[1], z[2], z[3])
                   : TNetworkZout(termination, z[1], z[2], z[3]);
    }
    QCOMPARE(found.message, message);
    QCOMPARE(found.ok, message.isEmpty());
    if (!found.ok)
        return;
    // The topology, node by node, in independent arithmetic; the last node
    // is bit for bit the calculator's result.
    C node = Std(termination);
    QCOMPARE(found.nodes.size(), found.steps.size() + 1);
    QStringList met;
    for (int i = 0; i < found.steps.size(); ++i) {
        const LadderStep& step = found.steps[i];
        const bool series = step.placement == ElementPlacement::Series;
        met << QStringLiteral("%1%2").arg(series ? 's' : 'p').arg(step.element);
        QCOMPARE(step.z, z[step.element]);
        const C element = Std(z[step.element]);
        node = series ? node + element : 1.0 / (1.0 / node + 1.0 / element);
        QVERIFY2(Near(Std(found.nodes[i + 1]), node, 1e-12), qPrintable(Show(found.nodes[i + 1])));
    }
    QCOMPARE(met.join(' '), steps);
    QCOMPARE(found.nodes.last(), solve.value);
    // Traced on the chart, each element's path runs from its node to the next.
    const ChainTrace trace = TraceChain(found, 50);
    QCOMPARE(trace.paths.size(), found.steps.size());
    for (int i = 0; i < trace.paths.size(); ++i) {
        QCOMPARE(trace.nodes[i], ReflectionOf(found.nodes[i], 50));
        QCOMPARE(trace.paths[i].first(), trace.nodes[i]);
        QCOMPARE(trace.paths[i].last(), trace.nodes[i + 1]);
    }
}

void TestCalcSmith::elementPath_data() {
    QTest::addColumn<Complex>("before");
    QTest::addColumn<bool>("shunt");
    QTest::addColumn<Complex>("element");
    QTest::addColumn<int>("points"); // 0: a smooth curve of many points

    QTest::newRow("series coil from 50") << Complex(50) << false << Complex(0, 100) << 0;
    QTest::newRow("series capacitor") << Complex(10, 5) << false << Complex(0, -25) << 0;
    QTest::newRow("series coil of 1 Mohm") << Complex(50) << false << Complex(0, 1e6) << 0;
    QTest::newRow("shunt capacitor") << Complex(50) << true << Complex(0, -100) << 0;
    QTest::newRow("shunt coil") << Complex(200, -40) << true << Complex(0, 30) << 0;
    QTest::newRow("series resistor on a reactive node")
        << Complex(5, 80) << false << Complex(400) << 0;
    QTest::newRow("lossy series") << Complex(30) << false << Complex(20, 40) << 0;
    QTest::newRow("lossy shunt") << Complex(50, 50) << true << Complex(100, -100) << 0;
    QTest::newRow("shunt resonance opens the node")
        << Complex(0, 50) << true << Complex(0, -50) << 0;
    QTest::newRow("series resistor on the real axis") << Complex(25) << false << Complex(50) << 2;
    QTest::newRow("series zero") << Complex(50) << false << Complex() << 1;
    QTest::newRow("shunt at a short") << Complex() << true << Complex(0, 30) << 1;
    QTest::newRow("series at an open") << Complex(Inf) << false << Complex(0, 30) << 1;
    QTest::newRow("shunt short") << Complex(50, 10) << true << Complex() << 2;
}

// Every point lies on the element's line in its plane (the impedance plane
// for a series element, so R stays constant for a reactance; the
// admittance plane for a shunt, so G stays constant for a susceptance), in
// order, evenly spaced; the ends are Γ of the two nodes exactly.
void TestCalcSmith::elementPath() {
    QFETCH(Complex, before);
    QFETCH(bool, shunt);
    QFETCH(Complex, element);
    QFETCH(int, points);

    const double z0 = 50;
    const LadderStep step{shunt ? ElementPlacement::Shunt : ElementPlacement::Series, element, 1};
    const QList<Complex> path = ElementPath(before, step, z0);
    const C zb = Std(before);
    const C ze = Std(element);
    const C after = std::isinf(before.re) ? zb
                    : shunt               ? (std::norm(zb + ze) == 0 ? C(Inf) : zb * ze / (zb + ze))
                                          : zb + ze;
    const auto gammaOf = [z0](const C& z) {
        return std::isinf(std::abs(z)) ? C(1) : (z - z0) / (z + z0);
    };
    QVERIFY2(Near(Std(path.first()), gammaOf(zb)), qPrintable(Show(path.first())));
    QVERIFY2(Near(Std(path.last()), gammaOf(after)), qPrintable(Show(path.last())));
    QCOMPARE(path.last(), ReflectionOf(NodeAfter(before, step), z0));
    if (points > 0) {
        QCOMPARE(path.size(), points);
        return;
    }
    QVERIFY(path.size() > 8);
    const C start = shunt ? 1.0 / zb : zb;
    const C direction = shunt ? 1.0 / ze : ze;
    double lastT = 0;
    for (int i = 1; i < path.size(); ++i) {
        QVERIFY(std::abs(Std(path[i]) - Std(path[i - 1])) <= 0.05 + 1e-12);
        if (i == path.size() - 1)
            break; // checked exactly above
        const C gamma = Std(path[i]);
        const C z = C(z0) * (1.0 + gamma) / (1.0 - gamma);
        const C offset = ((shunt ? 1.0 / z : z) - start) / direction; // t + j0
        QVERIFY2(std::abs(offset.imag()) < 1e-9 && offset.real() >= lastT - 1e-9 &&
                     offset.real() <= 1 + 1e-9,
                 qPrintable(Show(path[i])));
        lastT = offset.real();
    }
}

// Every point of every grid curve lies in the disc on the value it stands
// for; the SWR circle's radius is |Γ|.
void TestCalcSmith::grid() {
    const QList<ChartCurve> impedance = ImpedanceGrid();
    const QList<ChartCurve> admittance = AdmittanceGrid();
    QCOMPARE(impedance.size(), 8 + 15);
    QCOMPARE(admittance.size(), 7 + 14);
    for (const ChartCurve& curve : impedance + admittance) {
        const QList<Complex> points = CurvePoints(curve);
        QCOMPARE(points.first(), curve.from);
        QCOMPARE(points.last(), curve.to);
        for (const Complex& point : points) {
            QVERIFY(ReflectionMagnitude(point) <= 1 + 1e-12);
            const C gamma = Std(point);
            if (std::abs(gamma - 1.0) < 1e-6 || std::abs(gamma + 1.0) < 1e-6)
                continue; // where the circles touch
            const C z = (1.0 + gamma) / (1.0 - gamma);
            const C y = 1.0 / z;
            const double values[] = {z.real(), z.imag(), y.real(), y.imag()};
            const double found = values[int(curve.kind)];
            QVERIFY2(std::abs(found - curve.value) < 1e-9 * std::max(1.0, curve.value),
                     qPrintable(Show(point)));
        }
    }
    const ChartCurve swr = SwrCircle(Complex(25, 25), 50);
    QCOMPARE(swr.radius, ReflectionMagnitude(ReflectionOf(Complex(25, 25), 50)));
    QVERIFY(std::abs(swr.value - (1 + std::sqrt(0.2)) / (1 - std::sqrt(0.2))) < 1e-12);
    QCOMPARE(SwrCircle(Complex(0, 30), 50).radius, 1.0);
    QCOMPARE(SwrCircle(Complex(0, 30), 50).value, Inf);
}

QTEST_GUILESS_MAIN(TestCalcSmith)
#include "tst_calcsmith.moc"
