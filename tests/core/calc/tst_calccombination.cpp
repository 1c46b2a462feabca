#include "support/closeto.h"

#include "core/calc/combination.h"

#include <QtTest>

Q_DECLARE_METATYPE(Complex)

class TestCalcCombination : public QObject {
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
    void resultUnit();
};

namespace {

enum Solve { Whole, Part, PartOfImpedance };

} // namespace

void TestCalcCombination::solve_data() {
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("solve");
    QTest::addColumn<Complex>("a"); // X1, or the combination when a part is solved
    QTest::addColumn<Complex>("b");
    QTest::addColumn<Complex>("expected");
    QTest::addColumn<QString>("message");

    const int rec = int(CombinationRule::Reciprocal);
    const int add = int(CombinationRule::Additive);
    const QString none;
    const QString noSolution = QStringLiteral("Error: No solution.");
    const QString bothZero = QStringLiteral("Error: X1 and X2 are both zero.");

    QTest::newRow("100 ohm | 2.2 K")
        << rec << int(Whole) << Complex(100) << Complex(2200) << Complex(95.65217391304348) << none;
    QTest::newRow("100 pF series 1 nF") << rec << int(Whole) << Complex(100e-12) << Complex(1e-9)
                                        << Complex(90.9090909090909e-12) << none;
    QTest::newRow("10 uH | 1 mH") << rec << int(Whole) << Complex(10e-6) << Complex(1e-3)
                                  << Complex(9.900990099009901e-6) << none;
    QTest::newRow("series 100 + 2.2 K")
        << add << int(Whole) << Complex(100) << Complex(2200) << Complex(2300) << none;
    QTest::newRow("both zero") << rec << int(Whole) << Complex() << Complex() << Complex()
                               << bothZero;
    QTest::newRow("R1 from equal result and R2")
        << rec << int(Part) << Complex(50) << Complex(50) << Complex() << noSolution;
    QTest::newRow("R1 from result above R2")
        << rec << int(Part) << Complex(60) << Complex(50) << Complex() << noSolution;
    QTest::newRow("R1 from 40 and 50")
        << rec << int(Part) << Complex(40) << Complex(50) << Complex(200) << none;
    QTest::newRow("series R2 from 4.7 K and 1 K")
        << add << int(Part) << Complex(4700) << Complex(1000) << Complex(3700) << none;
    QTest::newRow("series R1 zero")
        << add << int(Part) << Complex(100) << Complex(100) << Complex(0) << none;
    QTest::newRow("series R1 negative")
        << add << int(Part) << Complex(100) << Complex(150) << Complex() << noSolution;
    QTest::newRow("overflow is no solution")
        << add << int(Whole) << Complex(1e308) << Complex(1e308) << Complex() << noSolution;

    // Complex impedances.
    QTest::newRow("50+j30 | 20-j40")
        << rec << int(Whole) << Complex(50, 30) << Complex(20, -40) << Complex(33.6, -15.2) << none;
    QTest::newRow("Z1 back from 33.6-j15.2 and 20-j40")
        << rec << int(PartOfImpedance) << Complex(33.6, -15.2) << Complex(20, -40)
        << Complex(50, 30) << none;
    QTest::newRow("100 K | 100") << rec << int(Whole) << Complex(100000) << Complex(100)
                                 << Complex(99.9000999000999) << none;
    QTest::newRow("1 K + 500") << add << int(Whole) << Complex(1000) << Complex(500)
                               << Complex(1500) << none;
    QTest::newRow("j100 | -j100 sum to zero")
        << rec << int(Whole) << Complex(0, 100) << Complex(0, -100) << Complex() << bothZero;
    QTest::newRow("Z1 from result equal to Z2") << rec << int(PartOfImpedance) << Complex(30, 10)
                                                << Complex(30, 10) << Complex() << noSolution;
    QTest::newRow("Z1 may come out negative")
        << rec << int(PartOfImpedance) << Complex(60) << Complex(50) << Complex(-300) << none;
    QTest::newRow("series Z1 may be negative") << add << int(PartOfImpedance) << Complex(10, 5)
                                               << Complex(60, -5) << Complex(-50, 10) << none;
    QTest::newRow("-50 takes part in the sum")
        << add << int(Whole) << Complex(-50) << Complex(20, 3) << Complex(-30, 3) << none;
    QTest::newRow("empty series result is 0")
        << add << int(Whole) << Complex() << Complex() << Complex() << none;
}

void TestCalcCombination::solve() {
    QFETCH(int, rule);
    QFETCH(int, solve);
    QFETCH(Complex, a);
    QFETCH(Complex, b);
    QFETCH(Complex, expected);
    QFETCH(QString, message);

    const auto combination = CombinationRule(rule);
    const Solved solved =
        solve == Whole
            ? Combine(combination, a, b, QStringLiteral("Error: X1 and X2 are both zero."))
            : CombinationPart(combination, a, b,
                              solve == Part ? PartSign::NotNegative : PartSign::Any);
    QCOMPARE(solved.message, message);
    QCOMPARE(solved.ok, message.isEmpty());
    if (solved.ok) {
        QVERIFY_CLOSE(solved.value, expected, 1e-9, 1e-9);
    }
}

void TestCalcCombination::resultUnit() {
    // Reciprocal results take the finer unit, additive ones the coarser.
    QCOMPARE(CombinedUnit(CombinationRule::Reciprocal, 0, 1), 0);
    QCOMPARE(CombinedUnit(CombinationRule::Reciprocal, 2, 1), 1);
    QCOMPARE(CombinedUnit(CombinationRule::Additive, 0, 1), 1);
    QCOMPARE(CombinedUnit(CombinationRule::Additive, 2, 2), 2);
}

QTEST_GUILESS_MAIN(TestCalcCombination)
#include "tst_calccombination.moc"
