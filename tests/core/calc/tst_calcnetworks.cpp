#include "support/closeto.h"

#include "core/calc/networks.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(Complex)

// The matching networks' arithmetic: the L network's port impedances and its
// design, the Pi and T networks' port impedances.
class TestCalcNetworks : public QObject {
    Q_OBJECT

private slots:
    void lNetwork_data();
    void lNetwork();
    void lNetworkDesign_data();
    void lNetworkDesign();
    void threeElements_data();
    void threeElements();
};

namespace {

const QString None;
const QString NoSolution = QStringLiteral("Error: No solution.");
const QString NotFound = QStringLiteral("Error: No solution found.");

const int InSeries = int(LNetworkType::Z1InSeries);
const int InParallel = int(LNetworkType::Z1InParallel);

// The design of 50 ohms to 200 ohms, Z1 in series: X1 = -+50 sqrt 3, X2 = +-200 / sqrt 3.
const double Root3 = std::sqrt(3.0);

enum Port { Zout, Zin };

} // namespace

void TestCalcNetworks::lNetwork_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("port");      // solved for
    QTest::addColumn<Complex>("known"); // the other port
    QTest::addColumn<Complex>("z1");
    QTest::addColumn<Complex>("z2");
    QTest::addColumn<Complex>("expected");
    QTest::addColumn<QString>("message");

    QTest::newRow("series: Zout of 50 through j100 and -j50")
        << InSeries << int(Zout) << Complex(50) << Complex(0, 100) << Complex(0, -50)
        << Complex(25, -75) << None;
    QTest::newRow("series: solution 1 back to Zin 50")
        << InSeries << int(Zin) << Complex(200) << Complex(0, -50 * Root3)
        << Complex(0, 200 / Root3) << Complex(50) << None;
    QTest::newRow("series: solution 2 back to Zin 50")
        << InSeries << int(Zin) << Complex(200) << Complex(0, 50 * Root3)
        << Complex(0, -200 / Root3) << Complex(50) << None;
    QTest::newRow("series: 200+j100 design back to Zin 50")
        << InSeries << int(Zin) << Complex(200, 100) << Complex(0, -100) << Complex(0, 500.0 / 3)
        << Complex(50) << None;
    QTest::newRow("parallel: solution 1 back to Zin 200")
        << InParallel << int(Zin) << Complex(50) << Complex(0, 200 / Root3)
        << Complex(0, -50 * Root3) << Complex(200) << None;
    QTest::newRow("parallel: Zout from 200 is the load's conjugate")
        << InParallel << int(Zout) << Complex(200) << Complex(0, 200 / Root3)
        << Complex(0, -50 * Root3) << Complex(50) << None;
    QTest::newRow("parallel: Zout of 50 | j50 plus 10")
        << InParallel << int(Zout) << Complex(50) << Complex(0, 50) << Complex(10)
        << Complex(35, 25) << None;

    QTest::newRow("series Zout: all empty")
        << InSeries << int(Zout) << Complex() << Complex() << Complex() << Complex()
        << QStringLiteral("Error: Z1, Z2, and Zin are all zero.");
    QTest::newRow("series Zout: Zin + Z1 + Z2 cancels")
        << InSeries << int(Zout) << Complex(0, 10) << Complex(0, 30) << Complex(0, -40) << Complex()
        << QStringLiteral("Error: Z1, Z2, and Zin are all zero.");
    QTest::newRow("series Zin: Z2 + Zout cancels")
        << InSeries << int(Zin) << Complex(0, -50) << Complex(10) << Complex(0, 50) << Complex()
        << QStringLiteral("Error: Z2, and Zout are both zero.");
    QTest::newRow("parallel Zout: Z1 + Zin zero")
        << InParallel << int(Zout) << Complex() << Complex() << Complex(10) << Complex()
        << QStringLiteral("Error: Z1, and Zin are both zero.");
    QTest::newRow("parallel Zin: Z1 + Z2 + Zout zero")
        << InParallel << int(Zin) << Complex() << Complex() << Complex() << Complex()
        << QStringLiteral("Error: Z1, Z2, and Zout are all zero.");
    QTest::newRow("series Zin: overflow is no solution")
        << InSeries << int(Zin) << Complex(1e308) << Complex(1e308) << Complex(1e308) << Complex()
        << NoSolution;
}

void TestCalcNetworks::lNetwork() {
    QFETCH(int, type);
    QFETCH(int, port);
    QFETCH(Complex, known);
    QFETCH(Complex, z1);
    QFETCH(Complex, z2);
    QFETCH(Complex, expected);
    QFETCH(QString, message);

    const auto network = LNetworkType(type);
    const Solved solved =
        port == Zout ? LNetworkZout(network, known, z1, z2) : LNetworkZin(network, known, z1, z2);
    QCOMPARE(solved.message, message);
    QCOMPARE(solved.ok, message.isEmpty());
    if (solved.ok)
        QVERIFY_CLOSE(solved.value, expected, 1e-9, 1e-9);
}

void TestCalcNetworks::lNetworkDesign_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<Complex>("zin");
    QTest::addColumn<Complex>("zout");
    QTest::addColumn<QList<double>>("reactances"); // X1, X2 of Solution 1, then of Solution 2
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("empties"); // a failure that empties Z1 and Z2

    using X = QList<double>;
    const X none;
    QTest::newRow("series 50 to 200")
        << InSeries << Complex(50) << Complex(200)
        << X{-50 * Root3, 200 / Root3, 50 * Root3, -200 / Root3} << None << false;
    QTest::newRow("series 50 to 200+j100") << InSeries << Complex(50) << Complex(200, 100)
                                           << X{-100, 500.0 / 3, 100, -100} << None << false;
    QTest::newRow("parallel 200 to 50")
        << InParallel << Complex(200) << Complex(50)
        << X{200 / Root3, -50 * Root3, -200 / Root3, 50 * Root3} << None << false;
    QTest::newRow("parallel 50 to 25")
        << InParallel << Complex(50) << Complex(25) << X{50, -25, -50, 25} << None << false;
    QTest::newRow("series 50 to 10+j20: one double root")
        << InSeries << Complex(50) << Complex(10, 20) << X{0, -25, 0, -25} << None << false;
    QTest::newRow("parallel to a pure reactance")
        << InParallel << Complex(50) << Complex(0, 30) << X{0, -30, 0, -30} << None << false;

    QTest::newRow("series 200 to 50: D < 0")
        << InSeries << Complex(200) << Complex(50) << none << NotFound << true;
    QTest::newRow("parallel 50 to 200: t < 0")
        << InParallel << Complex(50) << Complex(200) << none << NotFound << true;
    QTest::newRow("series 50 to 50: d = 0")
        << InSeries << Complex(50) << Complex(50) << none << NoSolution << false;
    QTest::newRow("parallel 50 to 50: d = 0")
        << InParallel << Complex(50) << Complex(50) << none << NotFound << true;
    QTest::newRow("series: reactive Zin")
        << InSeries << Complex(50, 1) << Complex(200) << none
        << QStringLiteral("Error: Imaginary component of Zin must be 0.") << true;
    QTest::newRow("parallel: reactive Zin")
        << InParallel << Complex(200, -1) << Complex(50) << none
        << QStringLiteral("Error: Imaginary component of Zin must be 0.") << true;
    QTest::newRow("series: load without resistance, e = 0")
        << InSeries << Complex(50) << Complex(0, 30) << none << NoSolution << false;
    QTest::newRow("parallel: e underflows to 0")
        << InParallel << Complex(1e-200) << Complex(5e-201) << none << NoSolution << false;
    QTest::newRow("series: D not a number")
        << InSeries << Complex(1e200) << Complex(1e200) << none << NotFound << true;
    QTest::newRow("parallel: overflow to a reactance that is no number")
        << InParallel << Complex(1e300) << Complex(1) << none << NoSolution << false;
    QTest::newRow("all empty") << InSeries << Complex() << Complex() << none << NoSolution << false;
}

void TestCalcNetworks::lNetworkDesign() {
    QFETCH(int, type);
    QFETCH(Complex, zin);
    QFETCH(Complex, zout);
    QFETCH(QList<double>, reactances);
    QFETCH(QString, message);
    QFETCH(bool, empties);

    const LNetworkDesign design = DesignLNetwork(LNetworkType(type), zin, zout);
    QCOMPARE(design.message, message);
    QCOMPARE(design.ok, message.isEmpty());
    QCOMPARE(design.emptiesElements, empties);
    if (!design.ok)
        return;
    const double found[4] = {design.x1[0], design.x2[0], design.x1[1], design.x2[1]};
    for (int i = 0; i < 4; ++i)
        QVERIFY_CLOSE(found[i], reactances[i], 1e-9, 1e-9);

    // Either design, solved back, shows the resistive Zin at the input.
    for (int solution = 0; solution < 2; ++solution) {
        const Solved back = LNetworkZin(LNetworkType(type), zout, Complex(0, design.x1[solution]),
                                        Complex(0, design.x2[solution]));
        if (LNetworkType(type) == LNetworkType::Z1InSeries) {
            QVERIFY(back.ok);
            QVERIFY_CLOSE(back.value, Complex(zin.re, 0), 1e-9, 1e-9);
        }
    }
}

void TestCalcNetworks::threeElements_data() {
    QTest::addColumn<bool>("pi"); // else T
    QTest::addColumn<int>("port");
    QTest::addColumn<Complex>("known");
    QTest::addColumn<Complex>("z1");
    QTest::addColumn<Complex>("z2");
    QTest::addColumn<Complex>("z3");
    QTest::addColumn<Complex>("expected");
    QTest::addColumn<QString>("message");

    const QString piInput = QStringLiteral("Error: Zin and Z1 are both zero.");
    const QString piOutput = QStringLiteral("Error: Zout and Z3 are both zero.");
    const QString tInput = QStringLiteral("Error: Z1, Z2, and Zin are all zero.");
    const QString tOutput = QStringLiteral("Error: Z3, Z2, and Zout are all zero.");

    QTest::newRow("Pi: 50, -j100, j50, -j200")
        << true << int(Zout) << Complex(50) << Complex(0, -100) << Complex(0, 50)
        << Complex(0, -200) << Complex(1600000.0 / 30500, 700000.0 / 30500) << None;
    QTest::newRow("Pi: the mirror image for Zin")
        << true << int(Zin) << Complex(50) << Complex(0, -200) << Complex(0, 50) << Complex(0, -100)
        << Complex(1600000.0 / 30500, 700000.0 / 30500) << None;
    QTest::newRow("Pi: all empty, Zout") << true << int(Zout) << Complex() << Complex() << Complex()
                                         << Complex() << Complex() << piInput;
    QTest::newRow("Pi: all empty, Zin") << true << int(Zin) << Complex() << Complex() << Complex()
                                        << Complex() << Complex() << piOutput;
    QTest::newRow("Pi: j50 and -j50 sum to zero")
        << true << int(Zout) << Complex(0, 50) << Complex(0, -50) << Complex(10) << Complex(10)
        << Complex() << piInput;
    QTest::newRow("Pi: Z1 shorts the input")
        << true << int(Zout) << Complex(50) << Complex() << Complex(100, 20) << Complex(100, -20)
        << Complex(52, 0) << None;
    QTest::newRow("Pi: Z3 shorts the output")
        << true << int(Zout) << Complex(50) << Complex(0, -100) << Complex(0, 50) << Complex()
        << Complex() << None;
    QTest::newRow("Pi: Z2 = -a and Z3 = 0")
        << true << int(Zout) << Complex(0, 100) << Complex(0, 100) << Complex(0, -50) << Complex()
        << Complex() << NoSolution;
    QTest::newRow("Pi: Zin with a final sum of zero")
        << true << int(Zin) << Complex(0, 100) << Complex() << Complex(0, -50) << Complex(0, 100)
        << Complex() << NoSolution;
    QTest::newRow("Pi: overflow is no solution")
        << true << int(Zout) << Complex(1e308) << Complex(1e308) << Complex(1e308) << Complex(1e308)
        << Complex() << NoSolution;

    QTest::newRow("T: 50, j30, -j80, j20")
        << false << int(Zout) << Complex(50) << Complex(0, 30) << Complex(0, -80) << Complex(0, 20)
        << Complex(64, 4) << None;
    QTest::newRow("T: the mirror image for Zin")
        << false << int(Zin) << Complex(50) << Complex(0, 20) << Complex(0, -80) << Complex(0, 30)
        << Complex(64, 4) << None;
    QTest::newRow("T: all empty, Zout") << false << int(Zout) << Complex() << Complex() << Complex()
                                        << Complex() << Complex() << tInput;
    QTest::newRow("T: all empty, Zin") << false << int(Zin) << Complex() << Complex() << Complex()
                                       << Complex() << Complex() << tOutput;
    QTest::newRow("T: Zin + Z1 + Z2 cancels")
        << false << int(Zout) << Complex() << Complex(0, 40) << Complex(0, -40) << Complex(5)
        << Complex() << tInput;
    QTest::newRow("T: Z3 + Zout + Z2 cancels")
        << false << int(Zin) << Complex(0, 10) << Complex(5) << Complex(0, 20) << Complex(0, -30)
        << Complex() << tOutput;
    QTest::newRow("T: Z2 shorts to ground")
        << false << int(Zout) << Complex(50) << Complex(0, 30) << Complex() << Complex(7, 20)
        << Complex(7, 20) << None;
    QTest::newRow("T: overflow is no solution")
        << false << int(Zin) << Complex(1e308) << Complex(1e308) << Complex(1e308) << Complex(1e308)
        << Complex() << NoSolution;
}

void TestCalcNetworks::threeElements() {
    QFETCH(bool, pi);
    QFETCH(int, port);
    QFETCH(Complex, known);
    QFETCH(Complex, z1);
    QFETCH(Complex, z2);
    QFETCH(Complex, z3);
    QFETCH(Complex, expected);
    QFETCH(QString, message);

    Solved solved;
    if (pi)
        solved = port == Zout ? PiNetworkZout(known, z1, z2, z3) : PiNetworkZin(known, z1, z2, z3);
    else
        solved = port == Zout ? TNetworkZout(known, z1, z2, z3) : TNetworkZin(known, z1, z2, z3);
    QCOMPARE(solved.message, message);
    QCOMPARE(solved.ok, message.isEmpty());
    if (solved.ok)
        QVERIFY_CLOSE(solved.value, expected, 1e-9, 1e-9);
}

QTEST_GUILESS_MAIN(TestCalcNetworks)
#include "tst_calcnetworks.moc"
