#include "core/calctypes.h"
#include "core/componentlines.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"

#include <QtTest>

// Which boxes of a calculation get a component line, and what it says.
class TestComponentLines : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void lines_data();
    void lines();
    void invalidDesignFrequency();
};

namespace {

// "field=re|im@unit" fills a field, "field.k=re|im" a solution; "solution=",
// "unknown=" and "f=text@unit" (the design frequency) set the rest.
RCalculation Make(int type, const QStringList& settings) {
    RCalculation calculation;
    InitCalculationOfType(type, calculation, RConfig());
    for (const QString& setting : settings) {
        const QString key = setting.section(u'=', 0, 0);
        const QString texts = setting.section(u'=', 1).section(u'@', 0, 0);
        const int unit = setting.contains(u'@') ? setting.section(u'@', 1).toInt() : -1;
        if (key == "solution" || key == "unknown") {
            key == "solution" ? calculation.SetSolution(texts.toInt())
                              : calculation.SetUnknown(texts.toInt());
        } else if (key == "f") {
            SetDesignFrequency(calculation.Extras(), {texts, unit < 0 ? 2 : unit});
        } else {
            RField& own = calculation.Field(key.section(u'.', 0, 0).toInt());
            RField& field = key.contains(u'.') ? own.solutions[key.section(u'.', 1).toUInt()] : own;
            field.SetTexts(texts.section(u'|', 0, 0), texts.section(u'|', 1));
            field.unitIndex = unit < 0 ? field.unitIndex : unit;
        }
    }
    return calculation;
}

// The L network from 50 Ω to 200 + j100 Ω, both designs stored as the form stores them.
const QStringList LDesign =
    QStringLiteral("unknown=2 0=50 3=200|100 1=0|-100 2=0|166.666666666667 1.0=0|-100 1.1=0|100 "
                   "2.0=0|166.666666666667 2.1=0|-100 solution=0")
        .split(u' ');

} // namespace

void TestComponentLines::lines_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<int>("series");
    QTest::addColumn<QStringList>("expected"); // "field/solution: text"
    const int e12 = int(ESeries::E12);
    auto row = [](const char* tag, int type, const QStringList& settings, int series,
                  const QStringList& expected) {
        QTest::newRow(tag) << type << settings << series << expected;
    };
    row("L network design at 7.1 MHz: each solution", 7, QStringList(LDesign) << "f=7.1", e12,
        {"1/0: C = 224.16189 pF  E12: 220 pF (−1.9 %)",
         "1/1: L = 2.2416189 µH  E12: 2.2 µH (−1.9 %)",
         "2/0: L = 3.7360315 µH  E12: 3.9 µH (+4.4 %)",
         "2/1: C = 224.16189 pF  E12: 220 pF (−1.9 %)"});
    row("L network Zout result in KHz and E24: not the input Zin", 7,
        {"f=7100@1", "0=50|-9", "1=0|-100", "2=|166.666666666667", "3=200|100"}, int(ESeries::E24),
        {"1/-1: C = 224.16189 pF  E24: 220 pF (−1.9 %)",
         "2/-1: L = 3.7360315 µH  E24: 3.6 µH (−3.6 %)",
         "3/-1: R = 200 Ω  L = 2.2416189 µH  E24: 2.2 µH (−1.9 %)"});
    row("T network solved for Zin; no reactance elsewhere", 9,
        {"f=1", "unknown=1", "0=50|-50", "1=10", "2=20|0", "4=abc|1"}, e12,
        {"0/-1: R = 50 Ω  C = 3.1830989 nF  E12: 3.3 nF (+3.7 %)"});
    row("Impedance in the fields' own units", 4, {"f=1000000@0", "0=0|1000@1", "2=|0.001@2"}, e12,
        {"0/-1: L = 159.15494 mH  E12: 150 mH (−5.8 %)",
         "2/-1: L = 159.15494 µH  E12: 150 µH (−5.8 %)"});
    row("no design frequency", 7, LDesign, e12, {});
    row("empty and foreign texts", 9, {"f=7", "1=|", "2=abc|-5", "3=5|x"}, e12, {});
    row("antenna at its reading's frequency, each solution", 20,
        {"0=14.2", "5=36.1538461538462|-0.769230769230769",
         "5.0=36.1538461538462|-0.769230769230769", "5.1=36.1538461538462|-39.2307692307692",
         "solution=0"},
        e12,
        {"5/0: R = 36.153846 Ω  C = 14.570523 nF  E12: 15 nF (+2.9 %)",
         "5/1: R = 36.153846 Ω  C = 285.69653 pF  E12: 270 pF (−5.5 %)"});
    row("antenna without a frequency", 20, {"0=", "5=36|-39"}, e12, {});
    row("resistor result in K", 1, {"2=2.95@1"}, int(ESeries::E24),
        {"2/-1: E24: 3.0 kΩ (+1.7 %)  pair: 2.2 kΩ + 750 Ω (0 %)"});
    row("resistor solved for R1; inputs have none", 1, {"unknown=1", "0=2950", "1=10", "2=5"},
        int(ESeries::E6), {"0/-1: E6: 3.3 kΩ (+11.9 %)  pair: 1.5 kΩ + 1.5 kΩ (+1.7 %)"});
    row("no part for a negative result", 3, {"2=-10"}, e12, {});
    row("reactance solved for C", 5, {"unknown=1", "0=47@1", "2=3"}, e12,
        {"0/-1: E12: 47 µF (0 %)"});
    row("reactance solved for Xc", 5, {"0=47", "2=3"}, e12, {});
    row("resonance solved for L", 18, {"unknown=1", "0=2.9", "1=100"}, e12,
        {"0/-1: E12: 2.7 µH (−6.9 %)  pair: 2.7 µH + 220 nH (+0.7 %)"});
    row("resonance solved for f", 18, {"0=2.9", "1=100", "2=1"}, e12, {});
}

void TestComponentLines::lines() {
    QFETCH(int, type);
    QFETCH(QStringList, settings);
    QFETCH(int, series);
    QFETCH(QStringList, expected);
    const ComponentLines lines = ComponentLinesOf(Make(type, settings), ESeries(series), 8);
    QStringList described;
    for (const ComponentLine& line : lines.lines) {
        described << QStringLiteral("%1/%2: ").arg(line.field).arg(line.solution) + line.text;
        QCOMPARE(lines.Find(line.field, line.solution), &line);
    }
    QCOMPARE(described, expected);
}

// No lines, and the reason for the status bar.
void TestComponentLines::invalidDesignFrequency() {
    const ComponentLines lines = ComponentLinesOf(Make(8, {"f=abc", "1=0|-100"}), ESeries::E12, 8);
    QVERIFY(lines.lines.empty());
    QCOMPARE(lines.designFrequency.message,
             "Error: Real value for Design frequency did not contain a valid number.");
    for (int type = 1; type <= CalcTypeCount; ++type)
        QCOMPARE(HasDesignFrequency(type), type == 4 || (type >= 7 && type <= 9));
}

QTEST_GUILESS_MAIN(TestComponentLines)
#include "tst_componentlines.moc"
