#include "core/calc/networkdesign.h"
#include "core/calc/networks.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(Complex)

// Pi and T networks designed from a loaded Q: the worked designs, every
// message, and a grid of designs that each give Rin back at the input.
class TestCalcNetworkDesign : public QObject {
    Q_OBJECT

private slots:
    void design_data();
    void design();
    void minimumQ();
    void designMatches();
};

namespace {

const QString NoSolution = QStringLiteral("Error: No solution.");

QString TooLow(const char* q) {
    return QStringLiteral("Error: Q must be greater than %1 for these resistances.").arg(q);
}

NetworkDesign Design(bool pi, const Complex& zin, const Complex& zout, double q) {
    return pi ? DesignPiNetwork(zin, zout, q) : DesignTNetwork(zin, zout, q);
}

} // namespace

void TestCalcNetworkDesign::design_data() {
    QTest::addColumn<bool>("pi"); // else T
    QTest::addColumn<Complex>("zin");
    QTest::addColumn<Complex>("zout");
    QTest::addColumn<double>("q");
    QTest::addColumn<QList<double>>("x"); // X1, X2, X3
    QTest::addColumn<QString>("message");

    const auto row = [](const char* name, bool pi, const Complex& zin, const Complex& zout,
                        double q, const QList<double>& x, const QString& message) {
        QTest::newRow(name) << pi << zin << zout << q << x << message;
    };
    const bool Pi = true, T = false;
    const QString ok;
    row("Pi 2000 to 50, Q 10: the amplifier tank", Pi, Complex(2000), Complex(50), 10,
        {200, 222.47344363411577, 40.488816508945796}, ok);
    row("Pi 50 to 2000, Q 10", Pi, Complex(50), Complex(2000), 10,
        {5, 36.41243929789238, 31.469733786453375}, ok);
    row("T 50 to 200, Q 2: all three 100 ohms", T, Complex(50), Complex(200), 2, {100, 100, 100},
        ok);
    row("T 200 to 50, Q 2", T, Complex(200), Complex(50), 2,
        {400, 157.25992956937822, 217.9449471770337}, ok);

    row("Pi: reactive Zin before reactive Zout", Pi, Complex(2000, 1), Complex(50, 1), 10, {},
        QStringLiteral("Error: Imaginary component of Zin must be 0."));
    row("T: reactive Zout", T, Complex(50), Complex(200, -3), 2, {},
        QStringLiteral("Error: Imaginary component of Zout must be 0."));
    row("Pi: Rin zero", Pi, Complex(), Complex(50), 10, {}, NoSolution);
    row("T: Rout zero", T, Complex(50), Complex(), 2, {}, NoSolution);
    row("Pi: Q zero", Pi, Complex(2000), Complex(50), 0, {}, NoSolution);
    row("T: Q zero beats a Q too low", T, Complex(50), Complex(200), 0, {}, NoSolution);
    row("Pi: Q below the minimum", Pi, Complex(2000), Complex(50), 6, {}, TooLow("6.245"));
    row("T: Q below the minimum, rounded up", T, Complex(50), Complex(200), 1.732, {},
        TooLow("1.733"));
    row("Pi: exactly the minimum is refused", Pi, Complex(500), Complex(50), 3, {}, TooLow("3"));
    row("T: exactly the minimum is refused", T, Complex(50), Complex(500), 3, {}, TooLow("3"));
    row("Pi: equal resistances, Q² vanishing beside 1", Pi, Complex(50), Complex(50), 1e-9, {},
        NoSolution);
    row("Pi: a minimum beyond a double", Pi, Complex(1e300), Complex(1e-300), 10, {}, NoSolution);
    row("T: overflow", T, Complex(1e300), Complex(50), 1e10, {}, NoSolution);
}

void TestCalcNetworkDesign::design() {
    QFETCH(bool, pi);
    QFETCH(Complex, zin);
    QFETCH(Complex, zout);
    QFETCH(double, q);
    QFETCH(QList<double>, x);
    QFETCH(QString, message);

    const NetworkDesign design = Design(pi, zin, zout, q);
    QCOMPARE(design.message, message);
    QCOMPARE(design.ok, message.isEmpty());
    // Z1 = −jX1, Z2 = +jX2, Z3 = −jX3.
    const Complex found[3] = {design.z1, -design.z2, design.z3};
    for (int i = 0; i < 3 && !x.isEmpty(); ++i)
        QVERIFY2(found[i].re == 0 && std::abs(found[i].im + x[i]) <= 1e-12 * x[i],
                 qPrintable(QString::number(found[i].im, 'g', 17)));
}

// The minimum Q of each network and its message, rounded up to 4 digits.
void TestCalcNetworkDesign::minimumQ() {
    QCOMPARE(PiMinimumQ(2000, 50), std::sqrt(39.0));
    QCOMPARE(TMinimumQ(50, 200), std::sqrt(3.0));
    QCOMPARE(PiMinimumQ(50, 200) + TMinimumQ(2000, 50), 0.0);
    QCOMPARE(QTooLowMessage(PiMinimumQ(1e5, 1)), TooLow("316.3"));
    QCOMPARE(QTooLowMessage(PiMinimumQ(1e9, 1)), TooLow("3.163E+04"));
}

// Every design from 1 ohm to 100 kohm in both directions, at Q from just
// above the minimum to 100, solved back through the network calculator's
// own Zin arithmetic, gives Rin + j0.
void TestCalcNetworkDesign::designMatches() {
    const double resistances[] = {1, 3.3, 50, 2000, 1e5};
    int designs = 0;
    for (bool pi : {true, false}) {
        for (double rin : resistances) {
            for (double rout : resistances) {
                const double minimum = pi ? PiMinimumQ(rin, rout) : TMinimumQ(rin, rout);
                const double above = minimum > 0 ? minimum * (1 + 1e-9) : 1e-3;
                for (double q : {above, minimum + 0.01, minimum + 1, 10.0, 100.0}) {
                    if (q < above)
                        continue;
                    const NetworkDesign d = Design(pi, Complex(rin), Complex(rout), q);
                    const Solved back = pi ? PiNetworkZin(Complex(rout), d.z1, d.z2, d.z3)
                                           : TNetworkZin(Complex(rout), d.z1, d.z2, d.z3);
                    const QString where =
                        QStringLiteral("%1 %2 to %3, Q %4: %5 %6 %7")
                            .arg(pi ? "Pi" : "T", QString::number(rin), QString::number(rout),
                                 QString::number(q), QString::number(back.value.re, 'g', 17),
                                 QString::number(back.value.im), d.message);
                    QVERIFY2(d.ok && back.ok && std::abs(back.value.re - rin) <= 1e-9 * rin &&
                                 std::abs(back.value.im) <= 1e-9 * rin,
                             qPrintable(where));
                    ++designs;
                }
            }
        }
    }
    QVERIFY(designs > 150);
}

QTEST_GUILESS_MAIN(TestCalcNetworkDesign)
#include "tst_calcnetworkdesign.moc"
