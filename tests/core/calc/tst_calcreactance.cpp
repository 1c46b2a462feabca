#include "support/closeto.h"

#include "core/calc/reactance.h"

#include <QtTest>

#include <cmath>

class TestCalcReactance : public QObject {
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
    void solvedBackGivesTheInput_data();
    void solvedBackGivesTheInput();
};

namespace {

enum Direction { Reactance, Element };

Solved Run(Reactor reactor, int direction, double value, double frequency) {
    return direction == Reactance ? ReactanceOf(reactor, value, frequency)
                                  : ElementOfReactance(reactor, value, frequency);
}

} // namespace

void TestCalcReactance::solve_data() {
    QTest::addColumn<int>("reactor");
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("value"); // the component, or the reactance
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("ok");

    const int c = int(Reactor::Capacitor);
    const int l = int(Reactor::Inductor);
    QTest::newRow("100 pF at 1 MHz")
        << c << int(Reactance) << 100e-12 << 1e6 << 1591.5494309189535 << true;
    QTest::newRow("C back from that Xc")
        << c << int(Element) << 1591.5494309189535 << 1e6 << 1e-10 << true;
    QTest::newRow("1 uH at 7 MHz")
        << l << int(Reactance) << 1e-6 << 7e6 << 43.982297150257104 << true;
    QTest::newRow("50 ohms at 14 MHz")
        << l << int(Element) << 50.0 << 14e6 << 5.684105110424834e-07 << true;
    // No frequency.
    QTest::newRow("Xc at 0 Hz") << c << int(Reactance) << 100e-12 << 0.0 << 0.0 << false;
    QTest::newRow("C at 0 Hz") << c << int(Element) << 50.0 << 0.0 << 0.0 << false;
    QTest::newRow("Xl at 0 Hz is 0") << l << int(Reactance) << 1e-6 << 0.0 << 0.0 << true;
    QTest::newRow("L at 0 Hz") << l << int(Element) << 50.0 << 0.0 << 0.0 << false;
    QTest::newRow("C of 0") << c << int(Reactance) << 0.0 << 1e6 << 0.0 << false;
    QTest::newRow("Xc of 0") << c << int(Element) << 0.0 << 1e6 << 0.0 << false;
    QTest::newRow("L of 0 has no reactance") << l << int(Reactance) << 0.0 << 1e6 << 0.0 << true;
    QTest::newRow("Xl of 0 is no inductance") << l << int(Element) << 0.0 << 1e6 << 0.0 << true;
    // The ends of the range of a double: an infinity, or a 0 that only an
    // overflowing intermediate produced, is no answer.
    QTest::newRow("1e-300 pF at 1e-300 Hz")
        << c << int(Reactance) << 1e-312 << 1e-300 << 0.0 << false;
    QTest::newRow("Xc past the largest double")
        << c << int(Reactance) << 1e-300 << 1e-10 << 0.0 << false;
    QTest::newRow("f·2π overflows, Xc is no 0")
        << c << int(Reactance) << 1e-300 << 3e307 << 0.0 << false;
    QTest::newRow("f·2π overflows, L is no 0")
        << l << int(Element) << 1e306 << 3e307 << 0.0 << false;
    QTest::newRow("subnormal frequency, L past the largest double")
        << l << int(Element) << 50.0 << 1e-310 << 0.0 << false;
    QTest::newRow("Xl overflows") << l << int(Reactance) << 1e300 << 1e300 << 0.0 << false;
    QTest::newRow("Xl below the smallest double is 0")
        << l << int(Reactance) << 1e-306 << 1e-300 << 0.0 << true;
    QTest::newRow("1e-300 pF at 1 MHz")
        << c << int(Reactance) << 1e-312 << 1e6 << 1.5915494309189535e305 << true;
}

void TestCalcReactance::solve() {
    QFETCH(int, reactor);
    QFETCH(int, direction);
    QFETCH(double, value);
    QFETCH(double, frequency);
    QFETCH(double, expected);
    QFETCH(bool, ok);

    const Solved solved = Run(Reactor(reactor), direction, value, frequency);
    QCOMPARE(solved.ok, ok);
    QCOMPARE(solved.message, ok ? QString() : QStringLiteral("Error: No solution."));
    if (ok) {
        QVERIFY_CLOSE(solved.value.re, expected);
        QCOMPARE(solved.value.im, 0.0);
        QVERIFY(std::isfinite(solved.value.re));
    }
}

void TestCalcReactance::solvedBackGivesTheInput_data() {
    QTest::addColumn<int>("reactor");
    QTest::addColumn<double>("element");
    QTest::addColumn<double>("frequency");

    for (int reactor : {int(Reactor::Capacitor), int(Reactor::Inductor)}) {
        const QString kind = reactor == int(Reactor::Capacitor) ? "C " : "L ";
        for (double element : {1e-12, 47e-12, 3.3e-9, 1e-6, 0.5, 220.0}) {
            for (double frequency : {1.0, 1.8e3, 7.1e6, 1.2e9}) {
                QTest::addRow("%s%g at %g Hz", qPrintable(kind), element, frequency)
                    << reactor << element << frequency;
            }
        }
    }
}

void TestCalcReactance::solvedBackGivesTheInput() {
    QFETCH(int, reactor);
    QFETCH(double, element);
    QFETCH(double, frequency);

    const Solved reactance = ReactanceOf(Reactor(reactor), element, frequency);
    QVERIFY(reactance.ok);
    const Solved back = ElementOfReactance(Reactor(reactor), reactance.value.re, frequency);
    QVERIFY(back.ok);
    QVERIFY_CLOSE(back.value.re, element);
}

QTEST_GUILESS_MAIN(TestCalcReactance)
#include "tst_calcreactance.moc"
