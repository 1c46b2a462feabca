#include "support/closeto.h"

#include "core/calc/resonance.h"

#include <QtTest>

#include <cmath>

class TestCalcResonance : public QObject {
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
    void solvedBackGivesTheInput_data();
    void solvedBackGivesTheInput();
};

namespace {

enum Unknown { Frequency, Inductance, Capacitance };

Solved Run(int unknown, double a, double b) {
    switch (unknown) {
    case Frequency:
        return ResonantFrequency(a, b);
    case Inductance:
        return ResonantInductance(a, b);
    default:
        return ResonantCapacitance(a, b);
    }
}

} // namespace

void TestCalcResonance::solve_data() {
    QTest::addColumn<int>("unknown");
    QTest::addColumn<double>("a"); // L for the frequency, else f
    QTest::addColumn<double>("b"); // C, except L for the capacitance
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("ok");

    QTest::newRow("1 uH with 100 pF")
        << int(Frequency) << 1e-6 << 100e-12 << 15915494.309189534 << true;
    QTest::newRow("L from 15.915494309 MHz and 100 pF")
        << int(Inductance) << 15.915494309e6 << 100e-12 << 1e-6 << true;
    QTest::newRow("C from 15.915494309 MHz and 1 uH")
        << int(Capacitance) << 15.915494309e6 << 1e-6 << 100e-12 << true;
    QTest::newRow("C from 7.1 MHz and 10 uH")
        << int(Capacitance) << 7.1e6 << 10e-6 << 5.0248553680984814e-11 << true;
    // Any input 0 (an empty box) has no resonance.
    QTest::newRow("f with L 0") << int(Frequency) << 0.0 << 100e-12 << 0.0 << false;
    QTest::newRow("f with C 0") << int(Frequency) << 1e-6 << 0.0 << 0.0 << false;
    QTest::newRow("L with f 0") << int(Inductance) << 0.0 << 100e-12 << 0.0 << false;
    QTest::newRow("L with C 0") << int(Inductance) << 7e6 << 0.0 << 0.0 << false;
    QTest::newRow("C with f 0") << int(Capacitance) << 0.0 << 1e-6 << 0.0 << false;
    QTest::newRow("C with L 0") << int(Capacitance) << 7e6 << 0.0 << 0.0 << false;
    // The ends of the range of a double.
    QTest::newRow("1e-200 uH with 1e-200 pF: L·C underflows")
        << int(Frequency) << 1e-206 << 1e-212 << 0.0 << false;
    QTest::newRow("1e200 H with 1e200 F: L·C overflows, f is no 0")
        << int(Frequency) << 1e200 << 1e200 << 0.0 << false;
    QTest::newRow("1e200 Hz: f² overflows, L is no 0")
        << int(Inductance) << 1e200 << 1e-312 << 0.0 << false;
    QTest::newRow("f below a subnormal D: L past the largest double")
        << int(Inductance) << 1e-150 << 1e-20 << 0.0 << false;
    QTest::newRow("1e-300 uH with 1 pF")
        << int(Frequency) << 1e-306 << 1e-12 << 1.5915494309189535e158 << true;
}

void TestCalcResonance::solve() {
    QFETCH(int, unknown);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QFETCH(bool, ok);

    const Solved solved = Run(unknown, a, b);
    QCOMPARE(solved.ok, ok);
    QCOMPARE(solved.message, ok ? QString() : QStringLiteral("Error: No solution."));
    if (ok) {
        QVERIFY_CLOSE(solved.value.re, expected);
        QCOMPARE(solved.value.im, 0.0);
    }
}

void TestCalcResonance::solvedBackGivesTheInput_data() {
    QTest::addColumn<double>("inductance");
    QTest::addColumn<double>("capacitance");
    for (double inductance : {0.1e-6, 1e-6, 4.7e-6, 1e-3, 2.0})
        for (double capacitance : {1e-12, 100e-12, 22e-9, 1e-6, 0.01})
            QTest::addRow("%g H, %g F", inductance, capacitance) << inductance << capacitance;
}

void TestCalcResonance::solvedBackGivesTheInput() {
    QFETCH(double, inductance);
    QFETCH(double, capacitance);

    const Solved frequency = ResonantFrequency(inductance, capacitance);
    QVERIFY(frequency.ok);
    const Solved l = ResonantInductance(frequency.value.re, capacitance);
    const Solved c = ResonantCapacitance(frequency.value.re, inductance);
    QVERIFY(l.ok && c.ok);
    QVERIFY_CLOSE(l.value.re, inductance);
    QVERIFY_CLOSE(c.value.re, capacitance);
}

QTEST_GUILESS_MAIN(TestCalcResonance)
#include "tst_calcresonance.moc"
