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
    void valueText_data();
    void valueText();
    void standardPartText_data();
    void standardPartText();
    void errorText_data();
    void errorText();
    void standardParts_data();
    void standardParts();
    void componentLine_data();
    void componentLine();
    void commaLocale();
};

namespace {

constexpr int R = int(PartKind::Resistor);
constexpr int C = int(PartKind::Capacitor);
constexpr int L = int(PartKind::Inductor);
constexpr int E12 = int(ESeries::E12);
constexpr int E24 = int(ESeries::E24);
constexpr int E96 = int(ESeries::E96);

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
    QTest::newRow("negative frequency") << 100.0 << -1.0 << false << R << 0.0;
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

void TestComponentText::valueText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");
    QTest::newRow("224 pF") << 2.2416189167872583e-10 << C << 8 << "224.16189 pF";
    QTest::newRow("at 15 digits") << 2.2416189167872583e-10 << C << 15 << "224.161891678726 pF";
    QTest::newRow("3.7 µH") << 3.736031527978764e-06 << L << 8 << "3.7360315 µH";
    QTest::newRow("50 Ω") << 50.0 << R << 8 << "50 Ω";
    QTest::newRow("2.95 kΩ") << 2950.0 << R << 8 << "2.95 kΩ";
    QTest::newRow("22 MΩ") << 22e6 << R << 8 << "22 MΩ";
    QTest::newRow("beyond MΩ") << 1e10 << R << 8 << "10000 MΩ";
    QTest::newRow("below 1 Ω") << 0.47 << R << 8 << "0.47 Ω";
    QTest::newRow("rounds up into nF") << 999.99999999e-12 << C << 8 << "1 nF";
    QTest::newRow("stays pF at more digits") << 999.99999999e-12 << C << 11 << "999.99999999 pF";
    QTest::newRow("470 nF") << 4.7e-7 << C << 3 << "470 nF";
    QTest::newRow("4700 µF") << 4.7e-3 << C << 8 << "4700 µF";
    QTest::newRow("2 F") << 2.0 << C << 8 << "2 F";
    QTest::newRow("below pF") << 0.5e-12 << C << 8 << "0.5 pF";
    QTest::newRow("nH") << 1e-9 << L << 8 << "1 nH";
    QTest::newRow("mH") << 0.0123456 << L << 3 << "12.3 mH";
    QTest::newRow("H") << 1.5 << L << 8 << "1.5 H";
    QTest::newRow("negative resistance") << -100.0 << R << 8 << "-100 Ω";
}

void TestComponentText::valueText() {
    QFETCH(double, value);
    QFETCH(int, kind);
    QFETCH(int, precision);
    QFETCH(QString, text);
    QCOMPARE(PartValueText(value, PartKind(kind), precision), text);
}

void TestComponentText::standardPartText_data() {
    QTest::addColumn<int>("hundredths");
    QTest::addColumn<int>("decade");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("series");
    QTest::addColumn<QString>("text");
    QTest::newRow("3.0 kΩ keeps its zero") << 300 << 3 << R << E24 << "3.0 kΩ";
    QTest::newRow("750 Ω") << 750 << 2 << R << E24 << "750 Ω";
    QTest::newRow("100 Ω") << 100 << 2 << R << E12 << "100 Ω";
    QTest::newRow("10 MΩ") << 100 << 7 << R << E12 << "10 MΩ";
    QTest::newRow("0.47 Ω") << 470 << -1 << R << E12 << "0.47 Ω";
    QTest::newRow("0.010 Ω") << 100 << -2 << R << E12 << "0.010 Ω";
    QTest::newRow("220 pF") << 220 << -10 << C << E12 << "220 pF";
    QTest::newRow("0.068 pF") << 680 << -14 << C << E12 << "0.068 pF";
    QTest::newRow("3.9 µH") << 390 << -6 << L << E12 << "3.9 µH";
    QTest::newRow("3.01 kΩ") << 301 << 3 << R << E96 << "3.01 kΩ";
    QTest::newRow("10.0 µH") << 100 << -5 << L << E96 << "10.0 µH";
    QTest::newRow("1.00 mH") << 100 << -3 << L << E96 << "1.00 mH";
    QTest::newRow("976 nF") << 976 << -7 << C << E96 << "976 nF";
}

void TestComponentText::standardPartText() {
    QFETCH(int, hundredths);
    QFETCH(int, decade);
    QFETCH(int, kind);
    QFETCH(int, series);
    QFETCH(QString, text);
    QCOMPARE(
        StandardPartText(StandardPart{hundredths, decade, 0.0}, PartKind(kind), ESeries(series)),
        text);
}

void TestComponentText::errorText_data() {
    QTest::addColumn<double>("error");
    QTest::addColumn<QString>("text");
    QTest::newRow("+1.7 %") << 3000 / 2950.0 - 1 << "+1.7 %";
    QTest::newRow("true minus") << 220 / 224.16189 - 1 << "\u22121.9 %";
    QTest::newRow("0") << 0.0 << "0 %";
    QTest::newRow("rounds to 0 from above") << 0.0004 << "0 %";
    QTest::newRow("rounds to 0 from below") << -0.0004 << "0 %";
    QTest::newRow("0.1 %") << 0.0006 << "+0.1 %";
    QTest::newRow("large") << 0.25 << "+25.0 %";
}

void TestComponentText::errorText() {
    QFETCH(double, error);
    QFETCH(QString, text);
    QCOMPARE(RelativeErrorText(error), text);
}

void TestComponentText::standardParts_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("series");
    QTest::addColumn<QString>("text");
    QTest::newRow("2,950 Ω") << 2950.0 << R << E24
                             << "E24: 3.0 kΩ (+1.7 %)  pair: 2.2 kΩ + 750 Ω (0 %)";
    QTest::newRow("a part that matches stands alone") << 2200.0 << R << E24 << "E24: 2.2 kΩ (0 %)";
    QTest::newRow("capacitors in parallel")
        << 6e-9 << C << E12 << "E12: 5.6 nF (\u22126.7 %)  pair: 3.3 nF \u2225 2.7 nF (0 %)";
    QTest::newRow("resistors in parallel")
        << 5000.0 << R << E12 << "E12: 4.7 kΩ (\u22126.0 %)  pair: 10 kΩ \u2225 10 kΩ (0 %)";
    QTest::newRow("inductors in series, not exact")
        << 5.15e-6 << L << E12 << "E12: 5.6 µH (+8.7 %)  pair: 4.7 µH + 470 nH (+0.4 %)";
    QTest::newRow("inductors in parallel, not exact")
        << 5.25e-6 << L << E12 << "E12: 5.6 µH (+6.7 %)  pair: 82 µH \u2225 5.6 µH (\u22120.2 %)";
    QTest::newRow("no part") << 0.0 << R << E12 << "";
}

void TestComponentText::standardParts() {
    QFETCH(double, value);
    QFETCH(int, kind);
    QFETCH(int, series);
    QFETCH(QString, text);
    QCOMPARE(StandardPartsText(value, PartKind(kind), ESeries(series)), text);
}

void TestComponentText::componentLine_data() {
    QTest::addColumn<double>("re");
    QTest::addColumn<double>("im");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("series");
    QTest::addColumn<QString>("text");
    QTest::newRow("Z1") << 0.0 << -100.0 << F << E12
                        << "C = 224.16189 pF  E12: 220 pF (\u22121.9 %)";
    QTest::newRow("Z2") << 0.0 << Z2 << F << E12 << "L = 3.7360315 µH  E12: 3.9 µH (+4.4 %)";
    QTest::newRow("Z2 in E24") << 0.0 << Z2 << F << E24
                               << "L = 3.7360315 µH  E24: 3.6 µH (\u22123.6 %)";
    QTest::newRow("resistive") << 50.0 << 0.0 << F << E12 << "R = 50 Ω";
    QTest::newRow("both") << 50.0 << 100.0 << F << E12
                          << "R = 50 Ω  L = 2.2416189 µH  E12: 2.2 µH (\u22121.9 %)";
    QTest::newRow("nothing") << 0.0 << 0.0 << F << E12 << "";
    QTest::newRow("no frequency") << 50.0 << -100.0 << 0.0 << E12 << "";
}

void TestComponentText::componentLine() {
    QFETCH(double, re);
    QFETCH(double, im);
    QFETCH(double, frequency);
    QFETCH(int, series);
    QFETCH(QString, text);
    QCOMPARE(ComponentLineText(Complex(re, im), frequency, ESeries(series), 8), text);
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
