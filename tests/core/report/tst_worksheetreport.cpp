#include "samplesheet.h"
#include "support/filebytes.h"

#include "core/designfrequency.h"
#include "core/report/reportfile.h"
#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"

#include <QTemporaryDir>
#include <QtTest>

class TestWorksheetReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void formats_data();
    void formats();
    void componentLines_data();
    void componentLines();
    void partsListIsCleaned();
    void designListsItsQ();
    void awkwardTexts_data();
    void awkwardTexts();
    void csvCells_data();
    void csvCells();
    void calculationsWithoutQuantities();
    void orderAndRoles();
    void everyCalculationOfALargeWorksheet();
    void fileIsReplacedWholeOrNotAtAll();
    void formatByName();
};

namespace {

QByteArray Expected(const QString& name) {
    return FileBytes::Load(QFINDTESTDATA(QStringLiteral("expected/") + name));
}

// Splits CSV text by RFC 4180 rules into rows of fields.
QList<QStringList> ParseCsv(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

RWorksheet OneResistor(const QString& name, const QString& r1) {
    const RConfig config;
    RWorksheet sheet;
    auto calculation = std::make_unique<RCalculation>();
    InitCalculationOfType(1, *calculation, config);
    calculation->SetName(name);
    calculation->Field(0).text = r1;
    sheet.Insert(0, std::move(calculation));
    return sheet;
}

} // namespace

void TestWorksheetReport::formats_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("text") << "sample.txt";
    QTest::newRow("html") << "sample.html";
    QTest::newRow("csv") << "sample.csv";
}

// Every type once, compared byte for byte with a report checked by hand.
// Without its component lines the report is what it was before there were
// any: a worksheet without lines gives the same bytes.
void TestWorksheetReport::formats() {
    QFETCH(QString, file);
    RWorksheet sheet;
    FillSampleSheet(sheet);
    WorksheetReport report = BuildReport(sheet, 8);
    QCOMPARE(report.parts.size(), 4);
    for (ReportCalculation& calculation : report.calculations) {
        for (ReportQuantity& quantity : calculation.quantities)
            quantity.component.clear();
    }
    report.parts.clear();
    const QByteArray actual = file.endsWith(".txt")    ? ReportAsText(report)
                              : file.endsWith(".html") ? ReportAsHtml(report)
                                                       : ReportAsCsv(report);
    if (actual != Expected(file)) {
        QFile dump(QDir::temp().filePath(file));
        if (dump.open(QIODevice::WriteOnly))
            dump.write(actual);
        QFAIL(qPrintable(QStringLiteral("differs; written to ") + dump.fileName()));
    }
}

void TestWorksheetReport::componentLines_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("lines"); // somewhere in the report
    QTest::addColumn<QString>("list");  // the parts list's heading and first row
    QTest::addColumn<QString>("end");   // its last row, which ends the report
    QTest::newRow("text") << "text"
                          << "  Z1 (Solution 1)   0      -100       Ω     solution 1\n"
                             "                    C = 224.16189 pF  E12: 220 pF (−1.9 %)\n"
                          << "(−5.5 %)\n\nParts list\n  Calculation  Element                 "
                             "Value                              Standard part\n"
                             "  Resistor1    Result                  R = 95.652174 Ω            "
                             "        E12: 100 Ω (+4.5 %)  pair: 2.2 kΩ ∥ 100 Ω (0 %)\n"
                          << "\n  AntImped1    Impedance (Solution 2)  R = 36.153846 Ω  C = "
                             "285.69653 pF  E12: 270 pF (−5.5 %)\n";
    QTest::newRow("html")
        << "html"
        << "<td>solution 1</td></tr>\n<tr class=\"component\"><td></td><td "
           "colspan=\"4\">C = 224.16189 pF&nbsp; E12: 220 pF (−1.9 %)</td></tr>\n"
        << "</div>\n<div class=\"parts\">\n<h2>Parts list</h2>\n<table "
           "width=\"100%\">\n<tr><th width=\"21%\">Calculation</th><th "
           "width=\"17%\">Element</th><th width=\"27%\">Value</th><th "
           "width=\"35%\">Standard part</th></tr>\n"
           "<tr><td>Resistor1</td><td>Result</td><td>R = 95.652174 Ω</td><td>E12: "
           "100 Ω (+4.5 %)&nbsp; pair: 2.2 kΩ ∥ 100 Ω (0 %)</td></tr>\n"
        << "<tr><td>AntImped1</td><td>Impedance (Solution 2)</td><td>R = "
           "36.153846 Ω&nbsp; C = 285.69653 pF</td><td>E12: 270 pF (−5.5 "
           "%)</td></tr>\n</table>\n</div>\n</body>\n</html>\n";
    QTest::newRow("csv") << "csv"
                         << "\r\nLNetwork1,L Network,Z1 (Solution 1),0,-100,Ω,solution 1\r\n"
                            "LNetwork1,L Network,Z1 (Solution 1),C = 224.16189 pF  E12: 220 pF "
                            "(−1.9 %),,,component\r\n"
                         << ",,,component\r\n\r\ncalculation,element,value,standard part\r\n"
                            "Resistor1,Result,R = 95.652174 Ω,E12: 100 Ω (+4.5 %)  pair: 2.2 kΩ "
                            "∥ 100 Ω (0 %)\r\n"
                         << "\nAntImped1,Impedance (Solution 2),R = 36.153846 Ω  C = 285.69653 "
                            "pF,E12: 270 pF (−5.5 %)\r\n";
}

// The lines beneath their quantities, the design frequency they are worked
// out at as the last quantity, and the parts list at the end, in every format.
void TestWorksheetReport::componentLines() {
    QFETCH(QString, format);
    QFETCH(QString, lines);
    QFETCH(QString, list);
    QFETCH(QString, end);
    RWorksheet sheet;
    FillSampleSheet(sheet);
    SetDesignFrequency(sheet.At(sheet.FindSelected(7))->Extras(), {QStringLiteral("7.1"), 2});
    const WorksheetReport report = BuildReport(sheet, 8);
    QCOMPARE(report.calculations[7].quantities.last().label, QStringLiteral("Design frequency"));
    QCOMPARE(report.calculations[7].quantities.last().real, QStringLiteral("7.1"));
    QStringList elements; // the shown solutions listed once, under their own labels
    for (const ReportPart& part : report.parts)
        elements << part.calculation + u' ' + part.element;
    QCOMPARE(elements, (QStringList{"Resistor1 Result", "Inductor1 L1", "LNetwork1 Z1 (Solution 1)",
                                    "LNetwork1 Z1 (Solution 2)", "LNetwork1 Z2 (Solution 1)",
                                    "LNetwork1 Z2 (Solution 2)", "AntImped1 Impedance (Solution 1)",
                                    "AntImped1 Impedance (Solution 2)"}));
    const QString actual = QString::fromUtf8(ReportAs(format == "html"  ? ReportFormat::Html
                                                      : format == "csv" ? ReportFormat::Csv
                                                                        : ReportFormat::Text,
                                                      report));
    QVERIFY2(actual.contains(lines), qPrintable(lines));
    QVERIFY2(actual.contains(list), qPrintable(list));
    QVERIFY2(actual.endsWith(end), qPrintable(actual.right(end.size())));
}

// A name from a file reaches the parts list as safely as the tables.
void TestWorksheetReport::partsListIsCleaned() {
    RWorksheet sheet = OneResistor(QStringLiteral("=1+2<b>\x1b[31m"), QString());
    sheet.At(0)->Field(2).text = QStringLiteral("2950");
    const WorksheetReport report = BuildReport(sheet, 8, ReportCharts::Without, ESeries::E24);
    const QString name = "=1+2<b>" + QString(QChar::ReplacementCharacter) + "[31m";
    const QList<QStringList> rows = ParseCsv(QString::fromUtf8(ReportAsCsv(report)));
    QCOMPARE(rows.last(), (QStringList{"'" + name, "Result", "R = 2.95 kΩ",
                                       "E24: 3.0 kΩ (+1.7 %)  pair: 2.2 kΩ + 750 Ω (0 %)"}));
    QVERIFY(ReportAsHtml(report).contains("<tr><td>" + name.toHtmlEscaped().toUtf8() + "</td>"));
    QVERIFY(ReportAsText(report).contains("\n  " + name.toUtf8() + "  Result"));
}

// A Pi network designed from a loaded Q names its unknown and lists the Q
// after its fields; its elements have their component lines.
void TestWorksheetReport::designListsItsQ() {
    RWorksheet sheet;
    FillSampleSheet(sheet);
    RCalculation& pi = *sheet.At(sheet.FindSelected(8));
    pi.SetUnknown(2);
    pi.Field(0).SetTexts("2000", "");
    pi.Field(1).SetTexts("0", "-200");
    pi.Field(4).SetTexts("50", "");
    pi.Extras().Set(ExtraKeys::Q, "10");
    SetDesignFrequency(pi.Extras(), {QStringLiteral("7"), 2});
    const WorksheetReport report = BuildReport(sheet, 8);
    const auto at = std::find_if(report.calculations.begin(), report.calculations.end(),
                                 [](const ReportCalculation& c) { return c.name == "PiNetwork1"; });
    QCOMPARE(at->unknown, QStringLiteral("Design"));
    QCOMPARE(at->quantities[5].label + u' ' + at->quantities[5].real + u' ' +
                 at->quantities[5].role,
             QStringLiteral("Q 10 input"));
    QCOMPARE(at->quantities[1].component, QStringLiteral("C = 113.6821 pF  E12: 120 pF (+5.6 %)"));
    QVERIFY(ReportAsText(report).contains("PiNetwork1 (Pi Network)\n  Unknown: Design\n"));
    QVERIFY(ReportAsHtml(report).contains("<p class=\"configuration\">Unknown: Design</p>"));
    QVERIFY(ReportAsCsv(report).contains("\r\nPiNetwork1,Pi Network,Q,10,,,input\r\n"));
}

void TestWorksheetReport::awkwardTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shownName"); // in every format
    QTest::addColumn<QString>("shownValue");
    auto row = [](const char* tag, const QString& name, const QString& value,
                  const QString& shownName = {}, const QString& shownValue = {}) {
        QTest::newRow(tag) << name << value << (shownName.isEmpty() ? name : shownName)
                           << (shownValue.isEmpty() ? value : shownValue);
    };
    row("quotes", "Say \"50 ohm\"", "\"1\"");
    row("commas", "Load, dummy, 50", "1,5");
    row("markup", "<b>R</b> & <script>x</script>", "<1&2>");
    row("letters", "Zweiter Widerstand für Ωmega, ĳ", "ÄÖÜ");
    // Control characters never reach a report: breaks and tabs read as
    // spaces, anything else as the replacement mark.
    row("line breaks", "first\nsecond\r\nthird", "a\tb", "first second  third", "a b");
    const QString mark(QChar::ReplacementCharacter);
    row("terminal escapes", "\x1b]0;owned\x07R\x1b[31m", "\x1b[2J5",
        mark + "]0;owned" + mark + "R" + mark + "[31m", mark + "[2J5");
    row("NUL, DEL and C1", QString::fromUtf8("a\0b\x7f", 4), "\u009b1", "a" + mark + "b" + mark,
        mark + "1");
}

// Names and texts from a file reach every format whole and escaped.
void TestWorksheetReport::awkwardTexts() {
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, shownName);
    QFETCH(QString, shownValue);
    const RWorksheet sheet = OneResistor(name, value);
    const WorksheetReport report = BuildReport(sheet, 8);
    QCOMPARE(sheet.At(0)->Name(), name); // the worksheet keeps its own

    const QList<QStringList> rows = ParseCsv(QString::fromUtf8(ReportAsCsv(report)));
    QCOMPARE(rows.size(), 4);
    for (const QStringList& row : rows)
        QCOMPARE(row.size(), 7);
    QCOMPARE(rows[1][0], shownName);
    QCOMPARE(rows[1][3], shownValue);

    const QString html = QString::fromUtf8(ReportAsHtml(report));
    QVERIFY(html.contains(shownName.toHtmlEscaped()));
    QVERIFY(html.contains(shownValue.toHtmlEscaped()));
    QVERIFY(!html.contains(QStringLiteral("<script>")));
    QVERIFY(!html.contains(QStringLiteral("<b>R")));

    const QString text = QString::fromUtf8(ReportAsText(report));
    const QStringList lines = text.split(u'\n');
    QCOMPARE(lines.value(2), shownName + QStringLiteral(" (Resistor)"));
    for (const QString& format : {html, text}) {
        for (QChar c : format)
            QVERIFY2(c == u'\n' || (c >= u' ' && c != u'\x7f' && (c < u'\x80' || c > u'\x9f')),
                     qPrintable(QString::number(c.unicode(), 16)));
    }
}

void TestWorksheetReport::csvCells_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("nameCell");
    QTest::addColumn<QString>("valueCell");
    auto row = [](const char* tag, const QString& name, const QString& value,
                  const QString& nameCell, const QString& valueCell) {
        QTest::newRow(tag) << name << value << nameCell << valueCell;
    };
    row("numbers stay numbers", "R-1", "-5", "R-1", "-5");
    row("small negative number", "+R", "-0.00000015", "'+R", "-1.5E-07");
    row("formulas", "=1+2", "=HYPERLINK(\"x\")", "'=1+2", "'=HYPERLINK(\"x\")");
    row("minus and at", "@SUM(A1)", "-abc", "'@SUM(A1)", "'-abc");
    row("tab read as a space", "\t=1", "+5", " =1", "5");
}

// A spreadsheet opening the CSV report never runs a formula from a file.
void TestWorksheetReport::csvCells() {
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, nameCell);
    QFETCH(QString, valueCell);
    const QList<QStringList> rows =
        ParseCsv(QString::fromUtf8(ReportAsCsv(BuildReport(OneResistor(name, value), 8))));
    QCOMPARE(rows.value(1).value(0), nameCell);
    QCOMPARE(rows.value(1).value(3), valueCell);
}

// Each format lists every calculation, with quantities or without.
void TestWorksheetReport::calculationsWithoutQuantities() {
    RWorksheet sheet = OneResistor(QStringLiteral("Empty"), QString());
    sheet.At(0)->ClearFields();
    auto foreign = std::make_unique<RCalculation>();
    foreign->SetType(42);
    foreign->SetName(QStringLiteral("Stranger"));
    sheet.Insert(1, std::move(foreign));
    const WorksheetReport report = BuildReport(sheet, 8);
    const QList<QStringList> rows = ParseCsv(QString::fromUtf8(ReportAsCsv(report)));
    QCOMPARE(rows, (QList<QStringList>{
                       {"calculation", "type", "quantity", "real", "imaginary", "unit", "role"},
                       {"Empty", "Resistor", "", "", "", "", ""},
                       {"Stranger", "Unknown type 42", "", "", "", "", ""}}));
    QVERIFY(ReportAsText(report).contains("\nStranger (Unknown type 42)\n"));
    QCOMPARE(ReportAsHtml(report).count("<table>"), 2);
}

void TestWorksheetReport::orderAndRoles() {
    RWorksheet sheet;
    FillSampleSheet(sheet);
    // A calculation of a type the program does not know, from a foreign file.
    auto foreign = std::make_unique<RCalculation>();
    foreign->SetType(42);
    foreign->SetName(QStringLiteral("Stranger"));
    foreign->Fields().resize(1);
    foreign->Field(0).SetTexts("7", "");
    sheet.Insert(0, std::move(foreign));
    const WorksheetReport report = BuildReport(sheet, 8);
    QStringList names;
    for (const ReportCalculation& calculation : report.calculations)
        names << calculation.name;
    QCOMPARE(names.mid(0, 3),
             (QStringList{"Resistor1", "Dummy load", "Capacitor1"})); // tab order within a type
    QCOMPARE(names.indexOf("Resonant1"), 18); // type 18, though first in the list
    QCOMPARE(names.last(), QStringLiteral("Stranger"));
    QCOMPARE(report.calculations.last().quantities.value(0).real, QStringLiteral("7"));
    QCOMPARE(report.title, QStringLiteral("antenna.kvw"));

    // The L network's design: both solutions, the chosen one in the boxes.
    const ReportCalculation& l = report.calculations[7];
    QCOMPARE(l.name, QStringLiteral("LNetwork1"));
    QCOMPARE(l.configuration, QStringLiteral("Z1 In Series"));
    QCOMPARE(l.quantities[1].label, QStringLiteral("Z1"));
    QCOMPARE(l.quantities[1].imag, QStringLiteral("100"));
    QCOMPARE(l.quantities[1].role, QStringLiteral("result"));
    QCOMPARE(l.quantities[2].label, QStringLiteral("Z1 (Solution 1)"));
    QCOMPARE(l.quantities[3].role, QStringLiteral("solution 2 (shown)"));
    // Converters have no unknown: both sides are values.
    QCOMPARE(report.calculations[11].quantities[0].role, QStringLiteral("value"));
}

void TestWorksheetReport::everyCalculationOfALargeWorksheet() {
    const RConfig config;
    RWorksheet sheet;
    for (int i = 0; i < 10000; ++i) {
        auto calculation = std::make_unique<RCalculation>();
        InitCalculationOfType(i % CalcTypeCount + 1, *calculation, config);
        calculation->SetName(QStringLiteral("Calc %1").arg(i));
        sheet.Insert(i, std::move(calculation));
    }
    const WorksheetReport report = BuildReport(sheet, 8);
    QCOMPARE(report.calculations.size(), 10000);
    const QByteArray csv = ReportAsCsv(report);
    int fields = 0;
    for (int type = 1; type <= CalcTypeCount; ++type)
        fields += int(FindCalcType(type)->fields.size()) * 500;
    QCOMPARE(csv.count("\r\n"), fields + 1);
    QCOMPARE(ReportAsHtml(report).count("<table>"), 10000);
}

void TestWorksheetReport::fileIsReplacedWholeOrNotAtAll() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.txt"));
    QVERIFY(WriteReportFile(path, "first"));
    QVERIFY(WriteReportFile(path, "second"));
    QCOMPARE(FileBytes::Load(path), QByteArray("second"));
    // A folder of that name cannot be replaced; it stays as it was.
    const QString taken = folder.filePath(QStringLiteral("taken.csv"));
    QVERIFY(QDir().mkdir(taken));
    QVERIFY(!WriteReportFile(taken, "x"));
    QVERIFY(QFileInfo(taken).isDir());
    QVERIFY(!WriteReportFile(folder.filePath(QStringLiteral("missing/report.csv")), "x"));
}

void TestWorksheetReport::formatByName() {
    QCOMPARE(ReportFormatForFile("a/b.PDF"), ReportFormat::Pdf);
    QCOMPARE(ReportFormatForFile("b.htm"), ReportFormat::Html);
    QCOMPARE(ReportFormatForFile("b.csv"), ReportFormat::Csv);
    QCOMPARE(ReportFormatForFile("b.txt"), ReportFormat::Text);
    QCOMPARE(ReportFormatForFile("b"), ReportFormat::Text);
    ReportFormat format = ReportFormat::Pdf;
    QVERIFY(ReportFormatFromName("csv", format));
    QCOMPARE(format, ReportFormat::Csv);
    QVERIFY(!ReportFormatFromName("pdf", format));
    QVERIFY(!ReportFormatFromName("HTML", format));
}

QTEST_GUILESS_MAIN(TestWorksheetReport)
#include "tst_worksheetreport.moc"
