#include "core/calctypes.h"
#include "core/chart/chartframe.h"
#include "core/chart/chartsvg.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/report/reportformats.h"
#include "core/report/samplesheet.h"
#include "core/report/worksheetreport.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>

// The SVG of a chart: well-formed XML, the points where the core puts them,
// the grid's arcs bent into the disc, and the charts in the HTML report.
class TestChartSvg : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void drawing_data();
    void drawing();
    void arcsBendIntoTheDisc();
    void reportCharts();
};

namespace {

SmithChart LDesign() {
    RCalculation calculation;
    InitCalculationOfType(7, calculation, RConfig());
    calculation.SetUnknown(2);
    calculation.Field(0).text = QStringLiteral("50");
    calculation.Field(3).SetTexts(QStringLiteral("200"), QStringLiteral("100"));
    return ChartOfCalculation(calculation, 50, 4);
}

SmithChart Swr() {
    RCalculation calculation;
    InitCalculationOfType(10, calculation, RConfig());
    calculation.Field(0).SetTexts(QStringLiteral("25"), QStringLiteral("25"));
    return ChartOfCalculation(calculation, 50, 4);
}

struct Parsed {
    QString error;
    QString title;
    double width = 0;
    QList<QPointF> points; // centres of the circles of class "point"
    int paths = 0;
    QStringList arcs; // "d" of every path with an arc
};

Parsed Parse(const QString& svg) {
    Parsed parsed;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("svg"))
            parsed.width = a.value("width").toDouble();
        else if (xml.name() == QLatin1String("title") && parsed.title.isNull())
            parsed.title = xml.readElementText();
        else if (xml.name() == QLatin1String("circle") &&
                 a.value("class") == QLatin1String("point"))
            parsed.points << QPointF(a.value("cx").toDouble(), a.value("cy").toDouble());
        else if (xml.name() == QLatin1String("polyline"))
            ++parsed.paths;
        else if (xml.name() == QLatin1String("path") && a.value("d").contains(u'A'))
            parsed.arcs << a.value("d").toString();
    }
    if (xml.hasError())
        parsed.error = xml.errorString();
    return parsed;
}

} // namespace

Q_DECLARE_METATYPE(SmithChart)

void TestChartSvg::drawing_data() {
    QTest::addColumn<SmithChart>("chart");
    QTest::addColumn<bool>("admittance");
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("title");

    QTest::newRow("L design") << LDesign() << false << 400.0 << "Smith Chart - LNetwork1";
    QTest::newRow("SWR, a name with markup and a control character")
        << Swr() << false << 360.0 << "Smith Chart - <b>&amp;\x01\"";
    QTest::newRow("nothing plotted") << SmithChart() << false << 300.0 << "";
}

void TestChartSvg::drawing() {
    QFETCH(SmithChart, chart);
    QFETCH(bool, admittance);
    QFETCH(double, size);
    QFETCH(QString, title);

    ChartSvgOptions options;
    options.size = size;
    options.admittance = admittance;
    options.title = title;
    const QString svg = ChartSvg(chart, options);
    QVERIFY(svg.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ")));
    const Parsed parsed = Parse(svg);
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.width, size);
    QCOMPARE(parsed.title, QString(title).replace(u'\x01', u' '));
    QCOMPARE(parsed.paths, chart.paths.size());
    QCOMPARE(parsed.points.size(), chart.points.size());
    const ChartFrame frame = FrameFor(QRectF(0, 0, size, size));
    for (int i = 0; i < chart.points.size(); ++i) {
        const QPointF at = frame.At(chart.points[i].reading.gamma);
        QVERIFY(std::abs(parsed.points[i].x() - at.x()) <= 0.005);
        QVERIFY(std::abs(parsed.points[i].y() - at.y()) <= 0.005);
    }
    // Inside a page the drawing goes without the declaration.
    options.document = false;
    QVERIFY(ChartSvg(chart, options).startsWith(QStringLiteral("<svg ")));
}

// SVG chooses between four arcs through two ends by its flags; every arc of
// the grid must be the one inside the disc. Its middle, found from the
// flags as a renderer finds it, lies within the rim.
void TestChartSvg::arcsBendIntoTheDisc() {
    ChartSvgOptions options;
    options.size = 600; // large enough for the values 10 and 20
    options.admittance = true;
    const Parsed parsed = Parse(ChartSvg(SmithChart(), options));
    const ChartFrame frame = FrameFor(QRectF(0, 0, 600, 600));
    const QRegularExpression arc(
        QStringLiteral("M(\\S+) (\\S+)A(\\S+) \\S+ 0 ([01]) ([01]) (\\S+) (\\S+)"));
    QCOMPARE(parsed.arcs.size(), 2 * 14); // ±7 reactances and ±7 susceptances
    for (const QString& d : parsed.arcs) {
        const auto m = arc.match(d);
        QVERIFY2(m.hasMatch(), qPrintable(d));
        const QPointF p1(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF p2(m.captured(6).toDouble(), m.captured(7).toDouble());
        const double r = m.captured(3).toDouble();
        const bool large = m.captured(4) == u'1';
        const bool sweep = m.captured(5) == u'1'; // clockwise on the screen
        const QPointF half = (p2 - p1) / 2;
        const double chord = std::hypot(half.x(), half.y());
        const double h = std::sqrt(std::max(0.0, r * r - chord * chord));
        const QPointF normal(-half.y() / chord, half.x() / chord);
        bool found = false;
        for (double side : {1.0, -1.0}) {
            const QPointF c = p1 + half + side * h * normal;
            const double a1 = std::atan2(p1.y() - c.y(), p1.x() - c.x());
            const double a2 = std::atan2(p2.y() - c.y(), p2.x() - c.x());
            double extent = std::fmod((sweep ? a2 - a1 : a1 - a2) + 4 * M_PI, 2 * M_PI);
            if ((extent > M_PI) != large)
                continue;
            const double middle = a1 + (sweep ? extent : -extent) / 2;
            const QPointF mid = c + r * QPointF(std::cos(middle), std::sin(middle));
            const Complex gamma = frame.GammaAt(mid);
            QVERIFY2(std::hypot(gamma.re, gamma.im) < 1 - 1e-3, qPrintable(d));
            found = true;
        }
        QVERIFY2(found, qPrintable(d));
    }
}

// An HTML report with charts has one under each calculation that has
// something to plot; on paper the same charts are pictures named by place.
void TestChartSvg::reportCharts() {
    RWorksheet sheet;
    FillSampleSheet(sheet);
    const WorksheetReport report = BuildReport(sheet, 8, ReportCharts::WithSmithCharts);
    QStringList charted;
    for (const ReportCalculation& calculation : report.calculations)
        if (!calculation.chart.IsEmpty())
            charted << calculation.name;
    QCOMPARE(charted, (QStringList{"Impedance1", "LNetwork1", "PiNetwork1", "SWR1", "AntImped1"}));

    const QString html = QString::fromUtf8(ReportAsHtml(report));
    const QStringList blocks = html.split(QStringLiteral("<div class=\"calculation\">"));
    QCOMPARE(blocks.size(), report.calculations.size() + 1);
    QStringList images;
    for (int i = 0; i < report.calculations.size(); ++i) {
        const bool chart = !report.calculations[i].chart.IsEmpty();
        QCOMPARE(blocks[i + 1].count(QStringLiteral("<svg ")), chart ? 1 : 0);
        if (chart)
            images << QStringLiteral("<img src=\"chart:%1\"").arg(i);
    }
    const QString paper = QString::fromUtf8(ReportAsHtml(report, ChartEmbedding::ImageResource));
    QVERIFY(!paper.contains(QStringLiteral("<svg")));
    QCOMPARE(paper.count(QStringLiteral("<img ")), images.size());
    for (const QString& image : images)
        QVERIFY2(paper.contains(image), qPrintable(image));
    // Without charts the report is what it always was.
    QCOMPARE(ReportAsHtml(BuildReport(sheet, 8)).count("<svg"), 0);
}

QTEST_GUILESS_MAIN(TestChartSvg)
#include "tst_chartsvg.moc"
