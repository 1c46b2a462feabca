#include "core/calc/wavelength.h"
#include "core/units.h"

#include <QtTest>

#include <cmath>

// Wavelength and half-wave dipole length from a frequency and back.
class TestCalcWavelength : public QObject {
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
};

void TestCalcWavelength::solve_data() {
    QTest::addColumn<double>("constant");
    QTest::addColumn<bool>("fromFrequency");
    QTest::addColumn<double>("given"); // hertz or metres
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("message");

    const QString none;
    const double wave = WavelengthConstant;
    const double dipole = DipoleConstant;
    QTest::newRow("14.2 MHz") << wave << true << 14.2e6 << 299.8 / 14.2 << none;
    QTest::newRow("7 MHz") << wave << true << 7e6 << 42.82857142857143 << none;
    QTest::newRow("dipole at 7 MHz") << dipole << true << 7e6 << 21.414285714285715 << none;
    QTest::newRow("3.5 MHz dipole") << dipole << true << 3.5e6 << 149.9 / 3.5 << none;
    QTest::newRow("20 m") << wave << false << 20.0 << 14.99e6 << none;
    QTest::newRow("149.9 m dipole") << dipole << false << 149.9 << 1e6 << none;
    QTest::newRow("zero frequency") << wave << true << 0.0 << 0.0 << "Error: Invalid frequency.";
    QTest::newRow("frequency below a double's megahertz")
        << dipole << true << 1e-320 << 0.0 << "Error: Invalid frequency.";
    QTest::newRow("wavelength beyond a double")
        << wave << true << 1e-305 << 0.0 << "Error: No solution.";
    QTest::newRow("zero wavelength")
        << wave << false << 0.0 << 0.0 << "Error: Value for Wavelength cannot be zero.";
    QTest::newRow("frequency beyond a double")
        << wave << false << 1e-305 << 0.0 << "Error: No solution.";
}

void TestCalcWavelength::solve() {
    QFETCH(double, constant);
    QFETCH(bool, fromFrequency);
    QFETCH(double, given);
    QFETCH(double, expected);
    QFETCH(QString, message);

    const Solved solved = fromFrequency
                              ? LengthOfFrequency(constant, given)
                              : FrequencyOfLength(constant, given, QStringLiteral("Wavelength"));
    QCOMPARE(solved.message, message);
    QCOMPARE(solved.ok, message.isEmpty());
    if (solved.ok)
        QVERIFY2(std::abs(solved.value.re - expected) <= 1e-9 * std::abs(expected),
                 qPrintable(QString::number(solved.value.re, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestCalcWavelength)
#include "tst_calcwavelength.moc"
