#include "core/calc/componentvalue.h"
#include "core/componenttext.h"

#include <QtTest>

#include <limits>

class TestComponentText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void component_data();
    void component();
    void texts_data();
    void texts();
    void commaLocale();
};

namespace {

constexpr int R = int(PartKind::Resistor);
constexpr int C = int(PartKind::Capacitor);
constexpr int L = int(PartKind::Inductor);

// The L network from 50 Ω to 200 + j100 Ω: Z1 = −j100 Ω, Z2 = +j166.67 Ω.
constexpr double Z2 = 500.0 / 3;
constexpr double F = 7.1e6;

} // namespace

void TestComponentText::component_data() {
    QTest::addColumn<double>("reactance");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::newRow("Z1: C") << -100.0 << F << true << C << 2.2416189167872583e-10;
    QTest::newRow("Z2: L") << Z2 << F << true << L << 3.736031527978764e-06;
    QTest::newRow("X = 0") << 0.0 << F << false << R << 0.0;
    QTest::newRow("no frequency") << -100.0 << 0.0 << false << R << 0.0;
    QTest::newRow("C beyond a double") << -1e-300 << 1e-10 << false << R << 0.0;
    QTest::newRow("infinite X") << std::numeric_limits<double>::infinity() << F << false << R
                                << 0.0;
}

void TestComponentText::component() {
    QFETCH(double, reactance);
    QFETCH(double, frequency);
    QFETCH(bool, ok);
    QFETCH(int, kind);
    QFETCH(double, value);
    const ComponentValue component = ComponentOfReactance(reactance, frequency);
    QCOMPARE(component.ok, ok);
    if (ok) {
        QCOMPARE(int(component.kind), kind);
        QVERIFY(qFuzzyCompare(component.value, value));
    }
}

namespace {

QString Value(double value, PartKind kind, int precision = 8) {
    return PartValueText(value, kind, precision);
}

QString Part(int hundredths, int decade, PartKind kind, ESeries series) {
    return StandardPartText(StandardPart{hundredths, decade, 0.0}, kind, series);
}

QString Line(double re, double im, double frequency = F) {
    return ComponentLineText(Complex(re, im), frequency, ESeries::E12, 8);
}

} // namespace

void TestComponentText::texts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const PartKind r = PartKind::Resistor, c = PartKind::Capacitor, l = PartKind::Inductor;
    const ESeries e12 = ESeries::E12, e24 = ESeries::E24, e96 = ESeries::E96;
    // Values in the unit that reads best, at the precision.
    QTest::newRow("224 pF") << Value(2.2416189167872583e-10, c) << "224.16189 pF";
    QTest::newRow("at 15 digits") << Value(2.2416189167872583e-10, c, 15) << "224.161891678726 pF";
    QTest::newRow("3.7 µH") << Value(3.736031527978764e-06, l) << "3.7360315 µH";
    QTest::newRow("12.3 mH") << Value(0.0123456, l, 3) << "12.3 mH";
    QTest::newRow("50 Ω") << Value(50, r) << "50 Ω";
    QTest::newRow("2.95 kΩ") << Value(2950, r) << "2.95 kΩ";
    QTest::newRow("beyond MΩ") << Value(1e10, r) << "10000 MΩ";
    QTest::newRow("below 1 Ω") << Value(0.47, r) << "0.47 Ω";
    QTest::newRow("negative") << Value(-100, r) << "-100 Ω";
    QTest::newRow("rounds up into nF") << Value(999.99999999e-12, c) << "1 nF";
    QTest::newRow("4700 µF") << Value(4.7e-3, c) << "4700 µF";
    QTest::newRow("below pF") << Value(0.5e-12, c) << "0.5 pF";
    // Standard parts with the series' digits.
    QTest::newRow("3.0 kΩ keeps its zero") << Part(300, 3, r, e24) << "3.0 kΩ";
    QTest::newRow("0.010 Ω") << Part(100, -2, r, e12) << "0.010 Ω";
    QTest::newRow("220 pF") << Part(220, -10, c, e12) << "220 pF";
    QTest::newRow("3.01 kΩ") << Part(301, 3, r, e96) << "3.01 kΩ";
    QTest::newRow("10.0 µH") << Part(100, -5, l, e96) << "10.0 µH";
    QTest::newRow("1.00 mH") << Part(100, -3, l, e96) << "1.00 mH";
    // Errors.
    QTest::newRow("+1.7 %") << RelativeErrorText(3000 / 2950.0 - 1) << "+1.7 %";
    QTest::newRow("true minus") << RelativeErrorText(220 / 224.16189 - 1) << "\u22121.9 %";
    QTest::newRow("0") << RelativeErrorText(0) << "0 %";
    QTest::newRow("rounds to 0") << RelativeErrorText(-0.0004) << "0 %";
    QTest::newRow("large") << RelativeErrorText(0.25) << "+25.0 %";
    // Beneath the resistor, capacitor and inductor results.
    QTest::newRow("a part that matches stands alone")
        << StandardPartsText(2200, r, e24) << "E24: 2.2 kΩ (0 %)";
    QTest::newRow("capacitors in parallel")
        << StandardPartsText(6e-9, c, e12)
        << "E12: 5.6 nF (\u22126.7 %)  pair: 3.3 nF \u2225 2.7 nF (0 %)";
    QTest::newRow("inductors in parallel, not exact")
        << StandardPartsText(5.25e-6, l, e12)
        << "E12: 5.6 µH (+6.7 %)  pair: 82 µH \u2225 5.6 µH (\u22120.2 %)";
    QTest::newRow("no part") << StandardPartsText(0, r, e12) << "";
    // Beneath network elements (the reactive lines are checked with the boxes).
    QTest::newRow("resistive") << Line(50, 0) << "R = 50 Ω";
    QTest::newRow("nothing") << Line(0, 0) << "";
    QTest::newRow("no frequency") << Line(50, -100, 0) << "";
}

void TestComponentText::texts() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestComponentText::commaLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString line = ComponentLineText(Complex(0, -100), F, ESeries::E12, 8);
    const QString parts = StandardPartsText(2950, PartKind::Resistor, ESeries::E24);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(line, QStringLiteral("C = 224,16189 pF  E12: 220 pF (\u22121,9 %)"));
    QCOMPARE(parts, QStringLiteral("E24: 3,0 kΩ (+1,7 %)  pair: 2,2 kΩ + 750 Ω (0 %)"));
}

QTEST_GUILESS_MAIN(TestComponentText)
#include "tst_componenttext.moc"
