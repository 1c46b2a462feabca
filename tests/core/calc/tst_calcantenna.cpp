#include "support/closeto.h"

#include "core/calc/antenna.h"
#include "core/text/antennaadvice.h"

#include <QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(Complex)

class TestCalcAntenna : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void solve_data();
    void solve();
    void offScale_data();
    void offScale();
    void addedReactance();
    void adviceText_data();
    void adviceText();
};

namespace {

const double Infinity = std::numeric_limits<double>::infinity();

} // namespace

void TestCalcAntenna::solve_data() {
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("swr");
    QTest::addColumn<QString>("swrText");
    QTest::addColumn<double>("ra");
    QTest::addColumn<double>("xa");
    QTest::addColumn<int>("advice");    // 0: none
    QTest::addColumn<QString>("first"); // the advice's texts
    QTest::addColumn<QString>("second");
    QTest::addColumn<Complex>("solution1");
    QTest::addColumn<Complex>("solution2");
    QTest::addColumn<QString>("message"); // a failure's

    const QString none;
    const QString noSolution = QStringLiteral("Error: No solution.");
    const Complex zero;

    // R = 600/13, X = 250/13.
    QTest::newRow("S 1.5, Z 50") << 50.0 << 1.5 << "1.5" << 0.0 << 0.0 << 0 << none << none
                                 << Complex(600.0 / 13, 250.0 / 13)
                                 << Complex(600.0 / 13, -250.0 / 13) << none;
    QTest::newRow("S 1, Z 50: too low, not 50 + j0")
        << 50.0 << 1.0 << "1" << 0.0 << 0.0 << 2 << "1" << none << zero << zero << none;
    QTest::newRow("S exactly 5.0 is computed")
        << 100.0 << 5.0 << "5" << 0.0 << 0.0 << 0 << none << none
        << Complex(625.0 / 13, std::sqrt(1299375.0) / 13)
        << Complex(625.0 / 13, -std::sqrt(1299375.0) / 13) << none;
    QTest::newRow("S exactly 1.2 is computed")
        << 50.0 << 1.2 << "1.2" << 0.0 << 0.0 << 0 << none << none
        << Complex(3000.0 / 61, 550.0 / 61) << Complex(3000.0 / 61, -550.0 / 61) << none;
    QTest::newRow("S just above 5") << 100.0 << 5.000000001 << "5.000000001" << 0.0 << 0.0 << 1
                                    << "5.000000001" << none << zero << zero << none;
    QTest::newRow("S just below 1.2") << 50.0 << 1.199999999 << "1.199999999" << 0.0 << 0.0 << 2
                                      << "1.199999999" << none << zero << zero << none;
    QTest::newRow("SWR h: too high, quoted as shown")
        << 50.0 << OffScaleReading << "h" << 0.0 << 0.0 << 1 << "h" << none << zero << zero << none;
    QTest::newRow("SWR empty counts as 0: too low")
        << 50.0 << 0.0 << "" << 0.0 << 0.0 << 2 << "" << none << zero << zero << none;
    QTest::newRow("SWR high comes before an impossible Z")
        << 0.0 << 7.0 << "7" << 0.0 << 0.0 << 1 << "7" << none << zero << zero << none;
    QTest::newRow("Z off scale: no solution") << OffScaleReading << 2.0 << "2" << 0.0 << 0.0 << 0
                                              << none << none << zero << zero << noSolution;
    QTest::newRow("Z below the total resistance (S 2, Z 20)")
        << 20.0 << 2.0 << "2" << 0.0 << 0.0 << 0 << none << none << zero << zero << noSolution;
    // Z 50 and S 3 give a total resistance of exactly 30, so H = 1600.
    QTest::newRow("S 3, Z 50") << 50.0 << 3.0 << "3" << 0.0 << 0.0 << 0 << none << none
                               << Complex(30, 40) << Complex(30, -40) << none;
    // S 5 and Z 10 give a total resistance of exactly 10.
    QTest::newRow("Z equal to the total resistance: H = 0")
        << 10.0 << 5.0 << "5" << 0.0 << 0.0 << 0 << none << none << zero << zero << noSolution;
    QTest::newRow("added capacitor 100: X1 = root + 100")
        << 50.0 << 1.5 << "1.5" << 0.0 << -100.0 << 0 << none << none
        << Complex(600.0 / 13, 250.0 / 13 + 100) << Complex(600.0 / 13, -250.0 / 13 + 100) << none;
    QTest::newRow("added coil 10: X1 = root - 10")
        << 50.0 << 3.0 << "3" << 0.0 << 10.0 << 0 << none << none << Complex(30, 30)
        << Complex(30, -50) << none;
    QTest::newRow("added resistor 20 is taken away")
        << 50.0 << 1.5 << "1.5" << 20.0 << -30.0 << 0 << none << none
        << Complex(600.0 / 13 - 20, 250.0 / 13 + 30) << Complex(600.0 / 13 - 20, -250.0 / 13 + 30)
        << none;
    QTest::newRow("X1 exactly 0 skips the q test")
        << 50.0 << 3.0 << "3" << 0.0 << 40.0 << 0 << none << none << Complex(30, 0)
        << Complex(30, -80) << none;
    QTest::newRow("q above 500") << 50.0 << 1.5 << "1.5" << 0.0 << 19.2 << 3 << "46.153846"
                                 << "0.030769231" << zero << zero << none;
    QTest::newRow("q below 0.2") << 50.0 << 1.5 << "1.5" << 0.0 << -1000.0 << 4 << "46.153846"
                                 << "1019.2308" << zero << zero << none;
    QTest::newRow("zero resistance: q below 0.2") << 50.0 << 3.0 << "3" << 30.0 << 0.0 << 4 << "0"
                                                  << "40" << zero << zero << none;
    QTest::newRow("added resistor above the total: no antenna")
        << 50.0 << 3.0 << "3" << 40.0 << 0.0 << 0 << none << none << zero << zero << noSolution;
    QTest::newRow("negative resistance still gets its advice")
        << 50.0 << 3.0 << "3" << 40.0 << 39.99 << 3 << "-10"
        << "0.01" << zero << zero << none;
    QTest::newRow("Z squared overflows")
        << 1e200 << 2.0 << "2" << 0.0 << 0.0 << 0 << none << none << zero << zero << noSolution;
    QTest::newRow("infinite added resistor")
        << 50.0 << 3.0 << "3" << Infinity << 0.0 << 0 << none << none << zero << zero << noSolution;
    QTest::newRow("infinite added capacitor is not shown in advice")
        << 50.0 << 3.0 << "3" << 0.0 << -Infinity << 0 << none << none << zero << zero
        << noSolution;
    QTest::newRow("largest added capacitor") << 50.0 << 3.0 << "3" << 0.0 << -1.7e308 << 4 << "30"
                                             << "1.7E+308" << zero << zero << none;
}

void TestCalcAntenna::solve() {
    QFETCH(double, z);
    QFETCH(double, swr);
    QFETCH(QString, swrText);
    QFETCH(double, ra);
    QFETCH(double, xa);
    QFETCH(int, advice);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(Complex, solution1);
    QFETCH(Complex, solution2);
    QFETCH(QString, message);

    AntennaReading reading;
    reading.z = z;
    reading.swr = swr;
    reading.addedResistance = ra;
    reading.addedReactance = xa;
    const AntennaOutcome outcome = SolveAntenna(reading);

    QCOMPARE(outcome.message, message);
    QCOMPARE(outcome.advice, advice);
    if (!message.isEmpty()) {
        QCOMPARE(outcome.kind, AntennaOutcome::Kind::Failure);
    } else if (advice != 0) {
        QCOMPARE(outcome.kind, AntennaOutcome::Kind::Advice);
        const AdviceQuote quote = QuoteOfAdvice(outcome.advice, swrText, outcome.r, outcome.x1, 8);
        QCOMPARE(quote.first, first);
        QCOMPARE(quote.second, second);
    } else {
        QCOMPARE(outcome.kind, AntennaOutcome::Kind::Solutions);
        QVERIFY_CLOSE(outcome.solution1.re, solution1.re, 1e-9, 1e-9);
        QVERIFY_CLOSE(outcome.solution1.im, solution1.im, 1e-9, 1e-9);
        QVERIFY_CLOSE(outcome.solution2.re, solution2.re, 1e-9, 1e-9);
        QVERIFY_CLOSE(outcome.solution2.im, solution2.im, 1e-9, 1e-9);
    }
}

void TestCalcAntenna::offScale_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("offScale");
    QTest::newRow("H") << "H" << true;
    QTest::newRow("h") << "h" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("HH") << "HH" << false;
    QTest::newRow("blank and H") << " H" << false;
    QTest::newRow("number") << "1.5" << false;
}

void TestCalcAntenna::offScale() {
    QFETCH(QString, text);
    QFETCH(bool, offScale);
    QCOMPARE(IsOffScale(text), offScale);
    QCOMPARE(OffScaleReading, 1e10);
}

void TestCalcAntenna::addedReactance() {
    QCOMPARE(AddedReactance(0, 100), 0.0);
    QCOMPARE(AddedReactance(1, 100), -100.0);
    QCOMPARE(AddedReactance(2, 100), 100.0);
    QCOMPARE(AddedReactance(3, 100), 0.0);
    QVERIFY(!HasAddedCircuit(0));
    QVERIFY(HasAddedCircuit(1));
    QVERIFY(HasAddedCircuit(2));
    QVERIFY(!HasAddedCircuit(3));
    QVERIFY(!HasAddedCircuit(-1));
}

void TestCalcAntenna::adviceText_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("titleLine");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("advice");

    QTest::newRow("1 SWR too high")
        << 1 << "6"
        << ""
        << "WARNING: SWR too high."
        << "6 > 5.0"
        << "Without changing the frequency add a capacitor with short leads between the output of "
           "the RF1 and the antenna until the SWR drops to below 5, but not below 1.5. If this is "
           "not possible remove the capacitor and try a coil in its place. In extreme cases add "
           "both a series resistor and either a capacitor or a coil.";
    QTest::newRow("1 with an SWR of H")
        << 1 << "H"
        << ""
        << "WARNING: SWR too high."
        << "H > 5.0"
        << "Without changing the frequency add a capacitor with short leads between the output of "
           "the RF1 and the antenna until the SWR drops to below 5, but not below 1.5. If this is "
           "not possible remove the capacitor and try a coil in its place. In extreme cases add "
           "both a series resistor and either a capacitor or a coil.";
    QTest::newRow("2 SWR too low")
        << 2 << "1"
        << ""
        << "WARNING: SWR too low."
        << "1 < 1.2"
        << "Without changing the frequency add a resistor with short leads between the output of "
           "the RF1 and the antenna until the SWR rises to approximately 1.5. Do not go above 5.0. "
           "In extreme cases add both a series resistor and a capacitor or a coil.";
    QTest::newRow("3 R 1000, X 1")
        << 3 << "1000"
        << "1"
        << "WARNING: Impedance is not accurate."
        << "| 1000 / 1 | > 500"
        << "Without changing the frequency add a capacitor with short leads between the output of "
           "the RF1 and the antenna. Keep the SWR between 1.2 and 5. Experiment until there are "
           "no warnings. If this is not possible remove the capacitor and try a coil in its "
           "place. In extreme cases if you are also using a series resistor try decreasing its "
           "value but watch the SWR.";
    QTest::newRow("4 R 1, X 1000")
        << 4 << "1"
        << "1000"
        << "WARNING: Impedance is not accurate."
        << "| 1 / 1000 | < 0.2"
        << "Without changing the frequency add a resistor with short leads between the output of "
           "the RF1 and the antenna. Keep the SWR between 1.2 and 5. Experiment until there are "
           "no warnings.";
    QTest::newRow("0 unknown") << 0 << "1"
                               << "2"
                               << "WARNING: "
                               << ""
                               << "";
    QTest::newRow("5 unknown") << 5 << "1"
                               << "2"
                               << "WARNING: "
                               << ""
                               << "";
}

void TestCalcAntenna::adviceText() {
    QFETCH(int, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, titleLine);
    QFETCH(QString, equation);
    QFETCH(QString, advice);
    const AdviceText text = AntennaAdviceText(kind, first, second);
    QCOMPARE(text.titleLine, titleLine);
    QCOMPARE(text.equation, equation);
    QCOMPARE(text.advice, advice);
    QCOMPARE(AdviceDismissText(), QStringLiteral("(Click anywhere to dismiss this message.)"));
}

QTEST_GUILESS_MAIN(TestCalcAntenna)
#include "tst_calcantenna.moc"
