#include "core/calctypes.h"
#include "core/chart/chartframe.h"
#include "core/chart/smithchart.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"

#include <QtTest>

#include <cmath>

// What the chart of a calculation shows, against the worked values of each
// calculator: labelled points, element paths, SWR circles, notes; and what
// the pointer finds on a drawing of it.
class TestSmithChart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void content_data();
    void content();
    void descriptions();
    void neverOffTheChart();
    void hitTest();
};

namespace {

// A calculation of the type with its fields' texts: "re|im" each, and for
// a field with solutions "re|im/re|im/re|im" (the field, then its solutions);
// "Q=10" past them sets an extra.
RCalculation Calculation(int type, int configuration, int unknown, int solution,
                         const QStringList& fields) {
    RCalculation calculation;
    InitCalculationOfType(type, calculation, RConfig());
    calculation.SetConfiguration(configuration);
    calculation.SetUnknown(unknown);
    calculation.SetSolution(solution);
    for (const QString& extra : fields.filter(QStringLiteral("=")))
        calculation.Extras().Set(extra.section(u'=', 0, 0), extra.section(u'=', 1));
    for (int i = 0; i < fields.size() && i < calculation.FieldCount(); ++i) {
        const QStringList values = fields[i].split(u'/');
        RField* field = &calculation.Field(i);
        for (int k = 0; k < values.size(); ++k) {
            RField& target = k == 0 ? *field : field->solutions[size_t(k - 1)];
            target.text = values[k].section(u'|', 0, 0);
            target.imagText = values[k].section(u'|', 1, 1);
        }
    }
    return calculation;
}

// "label=re,im" with " o" for a hollow point, "; " between points.
bool SamePoints(const QList<ChartPoint>& points, const QString& expected) {
    const QStringList wanted = expected.split(QStringLiteral("; "), Qt::SkipEmptyParts);
    if (wanted.size() != points.size())
        return false;
    for (int i = 0; i < points.size(); ++i) {
        const QString label = wanted[i].section(u'=', 0, 0);
        QString value = wanted[i].section(u'=', 1);
        const bool hollow = value.endsWith(QStringLiteral(" o"));
        value.remove(QStringLiteral(" o"));
        const Complex z(value.section(u',', 0, 0).toDouble(), value.section(u',', 1).toDouble());
        const Complex found = points[i].reading.z;
        const double tolerance = 1e-9 * std::max(1.0, std::hypot(z.re, z.im));
        if (points[i].label != label || points[i].secondary != hollow ||
            std::hypot(found.re - z.re, found.im - z.im) > tolerance)
            return false;
    }
    return true;
}

QString Describe(const SmithChart& chart) {
    QStringList out;
    for (const ChartPoint& point : chart.points)
        out << QStringLiteral("%1=%2,%3%4")
                   .arg(point.label)
                   .arg(point.reading.z.re, 0, 'g', 15)
                   .arg(point.reading.z.im, 0, 'g', 15)
                   .arg(point.secondary ? " o" : "");
    return out.join(QStringLiteral("; "));
}

QString Labels(const SmithChart& chart) {
    QStringList out;
    for (const ChartPath& path : chart.paths)
        out << path.label;
    for (const ChartCircle& circle : chart.circles)
        out << circle.label;
    return out.join(u' ');
}

} // namespace

void TestSmithChart::content_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("setup"); // configuration, unknown, solution
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<double>("z0");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("labels"); // of the paths, then of the circles
    QTest::addColumn<QString>("note");   // or the text of a chart without impedance
    QTest::addColumn<double>("reference");

    const auto row = [](const char* name, int type, const QList<int>& setup,
                        const QStringList& fields, double z0, const char* points,
                        const char* labels, const QString& note, double reference) {
        QTest::newRow(name) << type << setup << fields << z0 << QString(points) << QString(labels)
                            << note << reference;
    };
    const QList<int> plain{0, 0, -1};
    row("impedance: Z1, Z2 and the result", 4, plain, {"50|30", "20|-40", "33.6|-15.2"}, 50,
        "Z1=50,30; Z2=20,-40; Result=33.6,-15.2", "", "", 50);
    row("impedance: what is no number is left out", 4, plain, {"75|", "abc|", ""}, 75, "Z1=75,0",
        "", "Z2 is not a number.", 75);
    row("impedance: a negative resistance lies off the chart", 4, {1, 0, -1}, {"-50|10", "", ""},
        50, "", "", "Z1 lies outside the chart.", 50);
    row("impedance: a Z0 of 0 is no chart", 4, plain, {"50|"}, 0, "", "", "Z0 must be above 0.", 0);
    row("L design, Solution 1 shown, Solution 2 dashed", 7, {0, 2, 0}, {"50|", "", "", "200|100"},
        50, "Zout=200,100; =50,100; Zin=50,0; =50,-100 o", "Z2 Z1 Z2\u2032 Z1\u2032", "", 50);
    row("L design, Solution 2 shown", 7, {0, 2, 1}, {"50|", "", "", "200|100"}, 50,
        "Zout=200,100; =50,-100; Zin=50,0; =50,100 o", "Z2 Z1 Z2\u2032 Z1\u2032", "", 50);
    row("L design without a solution: the two ports", 7, {0, 2, 0}, {"200|", "", "", "50|"}, 50,
        "Zout=50,0; Zin=200,0", "", "Error: No solution found.", 50);
    row("L network, Zin solved from its load", 7, {0, 1, -1},
        {"", "0|-86.6025403784439", "0|115.470053837925", "200|"}, 50,
        "Zout=200,0; =50,86.6025403784439; Zin=50,0", "Z2 Z1", "", 50);
    row("L network, Z1 in parallel, Zout solved from Zin", 7, {1, 0, -1},
        {"50|", "0|50", "0|-25", ""}, 50, "Zin=50,0; =25,25; Zout=25,0", "Z1 Z2", "", 50);
    row("Pi network, Zout solved", 8, plain, {"50|", "|-100", "|50", "|-200", ""}, 50,
        "Zin=50,0; =40,-20; =40,30; Zout=52.4590163934426,22.9508196721311", "Z1 Z2 Z3", "", 50);
    row("Pi network failing as its calculator does: the load alone", 8, plain,
        {"|50", "|-50", "|50", "|-200", ""}, 50, "Zin=0,50", "", "Error: Zin and Z1 are both zero.",
        50);
    // A design reads the loaded Q from the calculation's extras.
    row("Pi designed from Zin, Zout and Q", 8, {0, 2, -1}, {"2000|", "", "", "", "50|", "Q=10"}, 50,
        "Zout=50,0; =19.8019801980198,-24.4536416539178; =19.8019801980198,198.019801980198; "
        "Zin=2000,0",
        "Z3 Z2 Z1", "", 50);
    row("Pi design with a Q too low: the two ports", 8, {0, 2, -1},
        {"2000|", "", "", "", "50|", "Q=6.2"}, 50, "Zout=50,0; Zin=2000,0", "",
        "Error: Q must be greater than 6.245 for these resistances.", 50);
    row("T network, Zout solved", 9, plain, {"50|", "|30", "|-80", "|20", ""}, 50,
        "Zin=50,0; =50,30; =64,-16; Zout=64,4", "Z1 Z2 Z3", "", 50);
    row("T network, an element that is no number", 9, plain, {"50|", "|30", "x|-80", "|20", ""}, 50,
        "Zin=50,0", "", "Z2 is not a number.", 50);
    row("T network, Zin solved without a load yet", 9, {0, 1, -1},
        {"50|", "|30", "|-80", "|20", ""}, 50, "", "", NothingYetText(), 50);
    row("SWR on its own Ro, not on Z0", 10, plain, {"25|25", "50|", ""}, 75, "Zant=25,25",
        "SWR 2.618", "", 50);
    row("SWR matched: the centre, no circle", 10, plain, {"50|", "50|", ""}, 50, "Zant=50,0", "",
        "", 50);
    row("SWR without Ro", 10, plain, {"25|25", "", ""}, 50, "", "",
        "Ro must be above 0 to draw the chart.", 0);
    row("antenna: both solutions on one circle", 20, {0, 0, 0},
        {"14.2", "50", "1.5", "", "",
         "46.1538461538462|19.2307692307692/46.1538461538462|19.2307692307692/"
         "46.1538461538462|-19.2307692307692"},
        75,
        "Solution 1=46.1538461538462,19.2307692307692; "
        "Solution 2=46.1538461538462,-19.2307692307692 o",
        "SWR 1.5", "", 50);
    row("antenna with an added coil: a circle each, Solution 2 shown", 20, {2, 0, 1},
        {"14.2", "50", "1.5", "10", "20",
         "36.153846|-0.76923077/36.153846|-0.76923077/36.153846|-39.230769"},
        50, "Solution 2=36.153846,-39.230769; Solution 1=36.153846,-0.76923077 o",
        "SWR 2.568 SWR 1.384", "", 50);
    row("antenna not calculated yet", 20, plain, {"14.2", "50", "1.5"}, 50, "", "",
        NothingYetText(), 50);
    row("a converter has no impedance", 15, plain, {"1", "2"}, 50, "", "", NoImpedanceText(), 50);
}

void TestSmithChart::content() {
    QFETCH(int, type);
    QFETCH(QList<int>, setup);
    QFETCH(QStringList, fields);
    QFETCH(double, z0);
    QFETCH(QString, points);
    QFETCH(QString, labels);
    QFETCH(QString, note);
    QFETCH(double, reference);

    const RCalculation calculation = Calculation(type, setup[0], setup[1], setup[2], fields);
    const SmithChart chart = ChartOfCalculation(calculation, z0, 4);
    QVERIFY2(SamePoints(chart.points, points), qPrintable(Describe(chart)));
    QCOMPARE(Labels(chart), labels);
    QCOMPARE(chart.hasImpedance ? chart.note : NoImpedanceText(), note);
    QCOMPARE(chart.z0, reference);
    QCOMPARE(chart.ownReference, type == 10 || type == 20);
    // The paths join the nodes: each starts where a node lies.
    for (const ChartPath& path : chart.paths) {
        const bool fromANode =
            std::any_of(chart.points.begin(), chart.points.end(), [&path](const ChartPoint& point) {
                const Complex d = point.reading.gamma - path.gamma[0];
                return std::hypot(d.re, d.im) < 1e-9;
            });
        QVERIFY(fromANode);
    }
}

void TestSmithChart::descriptions() {
    const SmithChart chart = ChartOfCalculation(Calculation(7, 0, 2, 0, {"50|", "", "", "200|100"}),
                                                DefaultChartReference, 4);
    QStringList found;
    for (const ChartPoint& point : chart.points)
        found << point.description;
    for (const ChartPath& path : chart.paths)
        found << path.description;
    QCOMPARE(found, (QStringList{"Zout (load)", "After Z2 in shunt, Solution 1", "Zin (looking in)",
                                 "After Z2 in shunt, Solution 2", "Z2 in shunt, Solution 1",
                                 "Z1 in series, Solution 1", "Z2 in shunt, Solution 2",
                                 "Z1 in series, Solution 2"}));
    // A matched Zin reads as the centre, without the rounding of the design.
    QCOMPARE(PointText(chart.points[2], 4),
             QStringLiteral("Zin (looking in): Z = 50 + j0 \u03A9, \u0393 = 0 \u2220 0\u00B0, "
                            "SWR = 1"));
}

// Whatever the boxes hold, nothing drawn is NaN or off the chart.
void TestSmithChart::neverOffTheChart() {
    const QStringList texts{"", "abc", "0", "-5|3", "1e308|1e308", "1e-300|", "50|-1e6", "|75"};
    for (int type : {4, 7, 8, 9, 10, 20}) {
        for (int unknown : {0, 1, 2}) {
            for (const QString& text : texts) {
                const RCalculation calculation =
                    Calculation(type, 0, unknown, 0, {text, "|40", text, "20|-30", text, text});
                const SmithChart chart = ChartOfCalculation(calculation, 50, 4);
                for (const ChartPoint& point : chart.points)
                    QVERIFY(IsFinite(point.reading.gamma) && point.reading.magnitude <= 1 + 1e-9);
                for (const ChartPath& path : chart.paths)
                    for (const Complex& gamma : path.gamma)
                        QVERIFY(IsFinite(gamma) && std::hypot(gamma.re, gamma.im) <= 1 + 1e-9);
            }
        }
    }
}

void TestSmithChart::hitTest() {
    const SmithChart chart =
        ChartOfCalculation(Calculation(10, 0, 0, -1, {"25|25", "50|", ""}), 50, 4);
    const ChartFrame frame = FrameFor(QRectF(0, 0, 400, 400));
    const QPointF load = frame.At(chart.points[0].reading.gamma);
    ChartHit hit = HitTest(chart, frame, load + QPointF(3, 3), 6, 4);
    QCOMPARE(hit.kind, ChartHit::Kind::Point);
    QCOMPARE(hit.text, PointText(chart.points[0], 4));
    // On the SWR circle straight above the centre: Γ = j0.4472.
    const double r = chart.circles[0].curve.radius * frame.radius;
    hit = HitTest(chart, frame, frame.centre + QPointF(0, -r - 4), 6, 4);
    QCOMPARE(hit.kind, ChartHit::Kind::Circle);
    QCOMPARE(hit.text,
             QStringLiteral("SWR 2.618: Z = 33.33 + j37.27 \u03A9, \u0393 = 0.4472 \u2220 "
                            "90\u00B0, SWR = 2.618"));
    QCOMPARE(HitTest(chart, frame, frame.centre, 6, 4).kind, ChartHit::Kind::None);
}

QTEST_GUILESS_MAIN(TestSmithChart)
#include "tst_smithchart.moc"
