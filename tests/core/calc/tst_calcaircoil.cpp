#include "support/closeto.h"

#include "core/calc/aircoil.h"

#include <QtTest>

#include <cmath>

class TestCalcAirCoil : public QObject {
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
    void solvedBackGivesTheInput_data();
    void solvedBackGivesTheInput();
};

namespace {

enum Unknown { Inductance, Diameter, Length, Turns };

// The three inputs in the order the calculator checks them.
Solved Run(int unknown, double a, double b, double c) {
    switch (unknown) {
    case Inductance:
        return CoilInductance(a, b, c);
    case Diameter:
        return CoilDiameter(a, b, c);
    case Length:
        return CoilLength(a, b, c);
    default:
        return CoilTurns(a, b, c);
    }
}

constexpr double OneInchOneInchTenTurns = 100.0 / 58 * 1e-6; // henrys

} // namespace

void TestCalcAirCoil::solve_data() {
    QTest::addColumn<int>("unknown");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("ok");

    const double l = OneInchOneInchTenTurns;
    // Inputs: d, l, n | L, l, n | d, L, n | d, L, l.
    QTest::newRow("1 in, 1 in, 10 turns") << int(Inductance) << 1.0 << 1.0 << 10.0 << l << true;
    QTest::newRow("diameter back") << int(Diameter) << l << 1.0 << 10.0 << 1.0 << true;
    QTest::newRow("length back") << int(Length) << 1.0 << l << 10.0 << 1.0 << true;
    QTest::newRow("turns back") << int(Turns) << 1.0 << l << 1.0 << 10.0 << true;
    QTest::newRow("diameter from 1.7241 uH")
        << int(Diameter) << 1.7241e-6 << 1.0 << 10.0 << 0.9999869795441145 << true;
    QTest::newRow("turns for 10 uH on 1 in by 2 in")
        << int(Turns) << 1.0 << 10e-6 << 2.0 << 31.304951684997057 << true;
    QTest::newRow("inductance, no diameter and no length")
        << int(Inductance) << 0.0 << 0.0 << 10.0 << 0.0 << false;
    QTest::newRow("inductance, no diameter")
        << int(Inductance) << 0.0 << 1.0 << 10.0 << 0.0 << true;
    QTest::newRow("inductance, no turns") << int(Inductance) << 1.0 << 1.0 << 0.0 << 0.0 << true;
    QTest::newRow("diameter, no turns") << int(Diameter) << l << 1.0 << 0.0 << 0.0 << false;
    QTest::newRow("diameter, no inductance") << int(Diameter) << 0.0 << 1.0 << 10.0 << 0.0 << true;
    QTest::newRow("length, no inductance") << int(Length) << 1.0 << 0.0 << 10.0 << 0.0 << false;
    QTest::newRow("turns, no diameter") << int(Turns) << 0.0 << l << 1.0 << 0.0 << false;
    QTest::newRow("turns, no inductance") << int(Turns) << 1.0 << 0.0 << 1.0 << 0.0 << true;
    // More inductance than n²·d/18 µH: even a zero length falls short.
    QTest::newRow("length would be negative")
        << int(Length) << 1.0 << 10e-6 << 10.0 << 0.0 << false;
    QTest::newRow("length, no turns") << int(Length) << 1.0 << l << 0.0 << 0.0 << false;
    QTest::newRow("length exactly 0")
        << int(Length) << 1.0 << 100.0 / 18 * 1e-6 << 10.0 << 0.0 << true;
    QTest::newRow("length 0 from an inductance stored with 15 digits")
        << int(Length) << 1.0 << 5.55555555555556e-6 << 10.0 << 0.0 << true;
    QTest::newRow("length just short of the inductance")
        << int(Length) << 1.0 << 5.5556e-6 << 10.0 << 0.0 << false;
    // The ends of the range of a double.
    QTest::newRow("1e-300 in: d²·n² vanishes, L is no 0")
        << int(Inductance) << 1e-300 << 0.0 << 1.0 << 0.0 << false;
    QTest::newRow("n²·d² overflows") << int(Inductance) << 1.0 << 1.0 << 1e160 << 0.0 << false;
    QTest::newRow("an inductance beyond a double in uH")
        << int(Diameter) << 1e303 << 1.0 << 10.0 << 0.0 << false;
    QTest::newRow("length with an inductance beyond a double in uH")
        << int(Length) << 1.0 << 1e303 << 10.0 << 0.0 << false;
    QTest::newRow("turns: subnormal d²") << int(Turns) << 1e-160 << 1e-6 << 1.0 << 0.0 << false;
    QTest::newRow("turns: d² underflows to 0")
        << int(Turns) << 1e-170 << 1e-6 << 1.0 << 0.0 << false;
    QTest::newRow("diameter: n² underflows to 0")
        << int(Diameter) << 1e-6 << 1.0 << 1e-170 << 0.0 << false;
    QTest::newRow("1e-300 uH, 1 in, 1 turn")
        << int(Diameter) << 1e-306 << 1.0 << 1.0 << 6.324555320336759e-150 << true;
}

void TestCalcAirCoil::solve() {
    QFETCH(int, unknown);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(double, expected);
    QFETCH(bool, ok);

    const Solved solved = Run(unknown, a, b, c);
    QCOMPARE(solved.ok, ok);
    QCOMPARE(solved.message, ok ? QString() : QStringLiteral("Error: No solution."));
    if (ok) {
        // A length of 0 may come out as a rounding error above it.
        QVERIFY_CLOSE(solved.value.re, expected, 1e-9, expected == 0 ? 1e-12 : 0);
        QVERIFY(solved.value.re >= 0);
        QCOMPARE(solved.value.im, 0.0);
    }
}

void TestCalcAirCoil::solvedBackGivesTheInput_data() {
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("turns");
    for (double d : {0.25, 1.0, 2.54, 6.0})
        for (double l : {0.1, 1.0, 4.0})
            for (double n : {1.0, 7.5, 40.0})
                QTest::addRow("d %g, l %g, n %g", d, l, n) << d << l << n;
}

void TestCalcAirCoil::solvedBackGivesTheInput() {
    QFETCH(double, diameter);
    QFETCH(double, length);
    QFETCH(double, turns);

    const Solved inductance = CoilInductance(diameter, length, turns);
    QVERIFY(inductance.ok);
    const double l = inductance.value.re;
    const Solved d = CoilDiameter(l, length, turns);
    const Solved len = CoilLength(diameter, l, turns);
    const Solved n = CoilTurns(diameter, l, length);
    QVERIFY(d.ok && len.ok && n.ok);
    QVERIFY_CLOSE(d.value.re, diameter);
    QVERIFY_CLOSE(len.value.re, length, 1e-8);
    QVERIFY_CLOSE(n.value.re, turns);
}

QTEST_GUILESS_MAIN(TestCalcAirCoil)
#include "tst_calcaircoil.moc"
