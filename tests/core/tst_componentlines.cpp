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
    void designFrequencyState_data();
    void designFrequencyState();
};

namespace {

// A calculation of a type; "field=re|im@unit" entries fill its fields,
// "field.k=re|im" its solutions, and "solution=k", "unknown=n",
// "configuration=n", "f=text@unit" the rest.
RCalculation Make(int type, const QStringList& settings) {
    const RConfig config;
    RCalculation calculation;
    InitCalculationOfType(type, calculation, config);
    for (const QString& setting : settings) {
        const QString key = setting.section(u'=', 0, 0);
        const QString value = setting.section(u'=', 1);
        const QString texts = value.section(u'@', 0, 0);
        const int unit = value.contains(u'@') ? value.section(u'@', 1).toInt() : -1;
        if (key == QLatin1String("solution")) {
            calculation.SetSolution(value.toInt());
        } else if (key == QLatin1String("unknown")) {
            calculation.SetUnknown(value.toInt());
        } else if (key == QLatin1String("f")) {
            SetDesignFrequency(calculation.Extras(), {texts, unit < 0 ? 2 : unit});
        } else {
            RField& own = calculation.Field(key.section(u'.', 0, 0).toInt());
            RField& field =
                key.contains(u'.') ? own.solutions[size_t(key.section(u'.', 1).toInt())] : own;
            field.SetTexts(texts.section(u'|', 0, 0), texts.section(u'|', 1));
            if (unit >= 0)
                field.unitIndex = unit;
        }
    }
    return calculation;
}

// "field/solution: text", and the two pieces when asked.
QStringList Described(const ComponentLines& lines, bool pieces) {
    QStringList described;
    for (const ComponentLine& line : lines.lines) {
        QString text = QStringLiteral("%1/%2: ").arg(line.field).arg(line.solution) + line.text;
        if (pieces)
            text += QStringLiteral(" [") + line.value + QStringLiteral(" | ") + line.part + u']';
        described << text;
    }
    return described;
}

// The L network from 50 Ω to 200 + j100 Ω, both designs stored as the form stores them.
const QStringList LDesign = {"unknown=2",
                             "0=50",
                             "3=200|100",
                             "1=0|-100",
                             "2=0|166.666666666667",
                             "1.0=0|-100",
                             "1.1=0|100",
                             "2.0=0|166.666666666667",
                             "2.1=0|-100",
                             "solution=0"};

} // namespace

void TestComponentLines::lines_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<int>("series");
    QTest::addColumn<bool>("pieces");
    QTest::addColumn<QStringList>("expected");
    const int e12 = int(ESeries::E12);
    const int e24 = int(ESeries::E24);

    QTest::newRow("L network design at 7.1 MHz: each solution")
        << 7 << (QStringList(LDesign) << "f=7.1") << e12 << false
        << QStringList{"1/0: C = 224.16189 pF  E12: 220 pF (\u22121.9 %)",
                       "1/1: L = 2.2416189 \u00b5H  E12: 2.2 \u00b5H (\u22121.9 %)",
                       "2/0: L = 3.7360315 \u00b5H  E12: 3.9 \u00b5H (+4.4 %)",
                       "2/1: C = 224.16189 pF  E12: 220 pF (\u22121.9 %)"};
    QTest::newRow("L network in KHz, the second solution shown")
        << 7
        << (QStringList(LDesign) << "f=7100@1"
                                 << "solution=1")
        << e24 << true
        << QStringList{
               "1/0: C = 224.16189 pF  E24: 220 pF (\u22121.9 %) [C = 224.16189 pF | E24: 220 "
               "pF (\u22121.9 %)]",
               "1/1: L = 2.2416189 \u00b5H  E24: 2.2 \u00b5H (\u22121.9 %) [L = 2.2416189 "
               "\u00b5H | E24: 2.2 \u00b5H (\u22121.9 %)]",
               "2/0: L = 3.7360315 \u00b5H  E24: 3.6 \u00b5H (\u22123.6 %) [L = 3.7360315 "
               "\u00b5H | E24: 3.6 \u00b5H (\u22123.6 %)]",
               "2/1: C = 224.16189 pF  E24: 220 pF (\u22121.9 %) [C = 224.16189 pF | E24: 220 "
               "pF (\u22121.9 %)]"};
    QTest::newRow("L network Zout result: elements and result, not the input")
        << 7 << QStringList{"f=7.1", "0=50", "1=0|-100", "2=|166.666666666667", "3=200|100"} << e12
        << true
        << QStringList{"1/-1: C = 224.16189 pF  E12: 220 pF (\u22121.9 %) [C = 224.16189 pF | "
                       "E12: 220 pF (\u22121.9 %)]",
                       "2/-1: L = 3.7360315 \u00b5H  E12: 3.9 \u00b5H (+4.4 %) [L = 3.7360315 "
                       "\u00b5H | E12: 3.9 \u00b5H (+4.4 %)]",
                       "3/-1: R = 200 \u03a9  L = 2.2416189 \u00b5H  E12: 2.2 \u00b5H "
                       "(\u22121.9 %) [R = 200 \u03a9  L = 2.2416189 \u00b5H | E12: 2.2 \u00b5H "
                       "(\u22121.9 %)]"};
    QTest::newRow("Pi network at 14.2 MHz")
        << 8 << QStringList{"f=14.2", "0=50",     "1=0|-100",
                            "2=0|50", "3=0|-200", "4=52.4590163934426|22.9508196721311"}
        << e12 << false
        << QStringList{"1/-1: C = 112.08095 pF  E12: 120 pF (+7.1 %)",
                       "2/-1: L = 560.40473 nH  E12: 560 nH (\u22120.1 %)",
                       "3/-1: C = 56.040473 pF  E12: 56 pF (\u22120.1 %)",
                       "4/-1: R = 52.459016 \u03a9  L = 257.23496 nH  E12: 270 nH (+5.0 %)"};
    QTest::newRow("T network: Zin result, no reactance anywhere else")
        << 9 << QStringList{"f=1@2", "unknown=1", "0=50|-50", "1=10", "2=20|0", "3=", "4=abc|1"}
        << e12 << false
        << QStringList{"0/-1: R = 50 \u03a9  C = 3.1830989 nF  E12: 3.3 nF (+3.7 %)"};
    QTest::newRow("Impedance: both components and the result")
        << 4 << QStringList{"f=1000000@0", "0=0|1000@1", "1=50|-50", "2=|0.001@2"} << e12 << false
        << QStringList{"0/-1: L = 159.15494 mH  E12: 150 mH (\u22125.8 %)",
                       "1/-1: R = 50 \u03a9  C = 3.1830989 nF  E12: 3.3 nF (+3.7 %)",
                       "2/-1: L = 159.15494 \u00b5H  E12: 150 \u00b5H (\u22125.8 %)"};
    QTest::newRow("network without a design frequency")
        << 7 << LDesign << e12 << false << QStringList{};
    QTest::newRow("network with an invalid design frequency")
        << 8 << QStringList{"f=0", "1=0|-100"} << e12 << false << QStringList{};
    QTest::newRow("empty and foreign texts")
        << 9 << QStringList{"f=7", "1=|", "2=abc|-5", "3=5|x"} << e12 << false << QStringList{};

    QTest::newRow("antenna at its reading's frequency, each solution")
        << 20
        << QStringList{"0=14.2", "5=36.1538461538462|-0.769230769230769",
                       "5.0=36.1538461538462|-0.769230769230769",
                       "5.1=36.1538461538462|-39.2307692307692", "solution=0"}
        << e12 << false
        << QStringList{"5/0: R = 36.153846 \u03a9  C = 14.570523 nF  E12: 15 nF (+2.9 %)",
                       "5/1: R = 36.153846 \u03a9  C = 285.69653 pF  E12: 270 pF (\u22125.5 %)"};
    QTest::newRow("antenna in KHz, no solution shown")
        << 20 << QStringList{"0=14200@1", "5=36|-39.2307692307692", "5.0=1|1", "solution=-1"} << e12
        << false << QStringList{"5/-1: R = 36 \u03a9  C = 285.69653 pF  E12: 270 pF (\u22125.5 %)"};
    QTest::newRow("antenna without a frequency")
        << 20 << QStringList{"0=", "5=36|-39"} << e12 << false << QStringList{};

    QTest::newRow("resistor result in its own unit")
        << 1 << QStringList{"2=2.95@1"} << e24 << true
        << QStringList{"2/-1: E24: 3.0 k\u03a9 (+1.7 %)  pair: 2.2 k\u03a9 + 750 \u03a9 (0 %) "
                       "[R = 2.95 k\u03a9 | E24: 3.0 k\u03a9 (+1.7 %)  pair: 2.2 k\u03a9 + 750 "
                       "\u03a9 (0 %)]"};
    QTest::newRow("resistor solved for R1; inputs have none")
        << 1 << QStringList{"unknown=1", "0=2950", "1=10", "2=5"} << e24 << false
        << QStringList{"0/-1: E24: 3.0 k\u03a9 (+1.7 %)  pair: 2.2 k\u03a9 + 750 \u03a9 (0 %)"};
    QTest::newRow("capacitor result that is a part")
        << 2 << QStringList{"2=100"} << e12 << false << QStringList{"2/-1: E12: 100 pF (0 %)"};
    QTest::newRow("inductor result negative or zero")
        << 3 << QStringList{"2=-10"} << e12 << false << QStringList{};
    QTest::newRow("reactance solved for C") << 5 << QStringList{"unknown=1", "0=47@1", "2=3"} << e12
                                            << false << QStringList{"0/-1: E12: 47 \u00b5F (0 %)"};
    QTest::newRow("reactance solved for Xc")
        << 5 << QStringList{"0=47", "2=3"} << e12 << false << QStringList{};
    QTest::newRow("resonance solved for the inductance")
        << 18 << QStringList{"unknown=1", "0=2.9", "1=100", "2=1"} << e12 << false
        << QStringList{"0/-1: E12: 2.7 \u00b5H (\u22126.9 %)  pair: 2.7 \u00b5H + 220 nH (+0.7 %)"};
    QTest::newRow("resonance solved for the frequency")
        << 18 << QStringList{"0=2.9", "1=100", "2=1"} << e12 << false << QStringList{};
    QTest::newRow("air coil inductance is no part to buy")
        << 19 << QStringList{"3=10"} << e12 << false << QStringList{};
}

void TestComponentLines::lines() {
    QFETCH(int, type);
    QFETCH(QStringList, settings);
    QFETCH(int, series);
    QFETCH(bool, pieces);
    QFETCH(QStringList, expected);
    const RCalculation calculation = Make(type, settings);
    const ComponentLines lines = ComponentLinesOf(calculation, ESeries(series), 8);
    QCOMPARE(Described(lines, pieces), expected);
    for (const ComponentLine& line : lines.lines)
        QCOMPARE(lines.Find(line.field, line.solution), &line);
    QVERIFY(!lines.Find(-1));
}

void TestComponentLines::designFrequencyState_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("message");
    const int none = int(DesignFrequencyValue::State::None);
    const int invalid = int(DesignFrequencyValue::State::Invalid);
    QTest::newRow("empty") << 4 << "" << none << "";
    QTest::newRow("valid") << 9 << "3.5" << int(DesignFrequencyValue::State::Valid) << "";
    QTest::newRow("letters") << 7 << "abc" << invalid
                             << "Error: Real value for Design frequency did not contain a valid "
                                "number.";
    QTest::newRow("negative") << 8 << "-1" << invalid
                              << "Error: Value for Design frequency cannot be negative.";
    // Types without a design frequency ignore one a file gives them.
    QTest::newRow("resistor") << 1 << "abc" << none << "";
    QTest::newRow("antenna") << 20 << "7" << none << "";
}

void TestComponentLines::designFrequencyState() {
    QFETCH(int, type);
    QFETCH(QString, frequency);
    QFETCH(int, state);
    QFETCH(QString, message);
    const RCalculation calculation = Make(type, {"f=" + frequency});
    const ComponentLines lines = ComponentLinesOf(calculation, ESeries::E12, 8);
    QCOMPARE(int(lines.designFrequency.state), state);
    QCOMPARE(lines.designFrequency.message, message);
    QCOMPARE(HasDesignFrequency(type), type >= 4 && type <= 9 && type != 5 && type != 6);
}

QTEST_GUILESS_MAIN(TestComponentLines)
#include "tst_componentlines.moc"
