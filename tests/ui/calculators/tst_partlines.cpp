#include "support/formsteps.h"

#include "core/designfrequency.h"
#include "core/rworksheet.h"

#include <QBuffer>
#include <QLabel>
#include <QtTest>

// The parts beneath the boxes, through the real forms: the design frequency
// of the networks, the lines of the elements, results and solutions, and
// what empties them.
class TestPartLines : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void lines_data();
    void lines();
    void designFrequencyIsKeptInTheWorksheet();
    void linesAreShownWhole_data();
    void linesAreShownWhole();
};

namespace {

// A check "LabelPartZ1=text" wants the line shown with that text (read out
// as it is written); "LabelPartZ1=" wants none.
void CheckLine(FormFixture<>& fixture, const QString& check) {
    const int equals = check.indexOf(u'=');
    auto* label = fixture.Find<QLabel>(check.left(equals));
    const QString wanted = check.mid(equals + 1);
    const bool shown = label && label->isVisibleTo(fixture.form->PanelMain());
    QCOMPARE(shown ? label->accessibleName() : QString(), wanted);
}

const Steps LDesign = {
    "RadioZ1Z2",      "EditZout=200", "EditZoutJ=100", "EditZin=50", "EditDesignFrequency=7.1",
    "ButtonCalculate"};
const QString Z1At7MHz = "LabelPartZ1=C = 224.16189 pF  E12: 220 pF (\u22121.9 %)";
const QString Z2At7MHz = "LabelPartZ2=L = 3.7360315 \u00b5H  E12: 3.9 \u00b5H (+4.4 %)";
const Steps PiElements = {"EditZin=50", "EditZ1J=-100", "EditZ2J=50", "EditZ3J=-200",
                          "ButtonCalculate"};
const Steps Resistor2950 = {"RadioSeries", "EditR1=2950", "EditR2=0", "ButtonCalculate"};
const QString Rout2950 =
    "LabelPartRout=E24: 3.0 k\u03a9 (+1.7 %)  pair: 2.2 k\u03a9 + 750 \u03a9 (0 %)";

} // namespace

void TestPartLines::lines_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("series");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<Steps>("checks");
    QTest::addColumn<QString>("warning");
    const int e12 = int(ESeries::E12);
    const int e24 = int(ESeries::E24);

    QTest::newRow("L network design at 7.1 MHz")
        << 7 << e12 << LDesign << Steps{Z1At7MHz, Z2At7MHz, "LabelPartZin="} << "";
    QTest::newRow("the line follows the solution shown")
        << 7 << e12 << LDesign + Steps{"RadioSolution2"}
        << Steps{"LabelPartZ1=L = 2.2416189 \u00b5H  E12: 2.2 \u00b5H (\u22121.9 %)",
                 "LabelPartZ2=C = 224.16189 pF  E12: 220 pF (\u22121.9 %)"}
        << "";
    QTest::newRow("the same value in another unit, then in kHz")
        << 7 << e12 << LDesign + Steps{"RadioDesignFrequency2"}
        << Steps{"EditDesignFrequency=7100", Z1At7MHz, Z2At7MHz} << "";
    QTest::newRow("no design frequency: no lines")
        << 7 << e12 << LDesign + Steps{"EditDesignFrequency="}
        << Steps{"LabelPartZ1=", "LabelPartZ2="} << "";
    QTest::newRow("Clear empties the lines, keeps the frequency")
        << 7 << e12 << LDesign + Steps{"ButtonClear"}
        << Steps{"LabelPartZ1=", "LabelPartZ2=", "EditDesignFrequency=7.1"} << "";
    QTest::newRow("Pi network elements")
        << 8 << e12 << Steps{"EditDesignFrequency=7.1"} + PiElements
        << Steps{"LabelPartZ1=C = 224.16189 pF  E12: 220 pF (\u22121.9 %)",
                 "LabelPartZ3=C = 112.08095 pF  E12: 120 pF (+7.1 %)"}
        << "";
    QTest::newRow("abc")
        << 8 << e12 << PiElements + Steps{"EditDesignFrequency=abc"} << Steps{"LabelPartZ1="}
        << "Error: Real value for Design frequency did not contain a valid number.";
    QTest::newRow("-1, still said after a calculation")
        << 9 << e12 << Steps{"EditDesignFrequency=-1"} + PiElements << Steps{"LabelPartZ2="}
        << "Error: Value for Design frequency cannot be negative.";
    QTest::newRow("resistor in E24") << 1 << e24 << Resistor2950 << Steps{Rout2950} << "";
    QTest::newRow("a failed calculation empties the result's line")
        << 1 << e24 << Resistor2950 + Steps{"EditR2=-", "ButtonCalculate"}
        << Steps{"LabelPartRout=", "EditRout=2950"}
        << "Error: Real value for R2 did not contain a valid number.";
    QTest::newRow("antenna at the reading's frequency")
        << 20 << e12
        << Steps{"RadioNoCircuit", "EditF=14.2", "EditZ=50", "EditSWR=1.5", "ButtonCalculate"}
        << Steps{"LabelPartImpedance=R = 46.153846 \u03a9  L = 215.54028 nH  E12: 220 nH (+2.1 %)"}
        << "";
}

void TestPartLines::lines() {
    QFETCH(int, type);
    QFETCH(int, series);
    QFETCH(Steps, steps);
    QFETCH(Steps, checks);
    QFETCH(QString, warning);
    FormFixture<> fixture(type);
    fixture.context.standardSeries = ESeries(series);
    RunSteps(fixture, steps);
    for (const QString& check : checks) {
        if (check.startsWith(QLatin1String("LabelPart")))
            CheckLine(fixture, check);
        else
            RunChecks(fixture, {check});
    }
    QCOMPARE(fixture.messages.warning, warning);
}

// Typing the frequency and choosing its unit change the worksheet; the
// frequency comes back with the worksheet and is shown again.
void TestPartLines::designFrequencyIsKeptInTheWorksheet() {
    FormFixture<> fixture(7);
    RunSteps(fixture, LDesign + Steps{"mark", "RadioDesignFrequency2"});
    RunChecks(fixture, {"modified=yes"});
    QBuffer file;
    file.open(QIODevice::ReadWrite);
    QVERIFY(fixture.worksheet.WriteTo(file));
    RunSteps(fixture, {"EditDesignFrequency="});
    QCOMPARE(fixture.Calculation().Extras().Count(), 0);
    file.seek(0);
    RWorksheet reopened;
    QVERIFY(reopened.ReadFrom(file, TypeCatalog(fixture.config)));
    fixture.context.calculation = reopened.At(0);
    fixture.form->ShowCalculation();
    RunChecks(fixture, {"EditDesignFrequency=7100", "RadioDesignFrequency2:checked"});
    CheckLine(fixture, Z1At7MHz);
    fixture.context.calculation = fixture.worksheet.At(0);
}

// The narrow T network: its Z1 line takes rows beside the dropped Z2, and
// the Zout line moves left rather than lose its end.
void TestPartLines::linesAreShownWhole_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("line");
    QTest::newRow("designed Z1") << Steps{"RadioDesign",           "EditZin=50",
                                          "EditZout=200",          "EditQ=2",
                                          "EditDesignFrequency=7", "ButtonCalculate"}
                                 << "LabelPartZ1"
                                 << "C = 227.3642 pF  E12: 220 pF (\u22123.2 %)";
    QTest::newRow("Zout") << Steps{"EditDesignFrequency=14.2"} + PiElements << "LabelPartZout"
                          << "R = 25 \u03a9  C = 89.664757 pF  E12: 82 pF (\u22128.5 %)";
}

void TestPartLines::linesAreShownWhole() {
    QFETCH(Steps, steps);
    QFETCH(QString, label);
    QFETCH(QString, line);
    FormFixture<> fixture(9);
    fixture.context.standardSeries = ESeries::E12;
    fixture.form->PanelMain()->resize(fixture.form->PanelMain()->minimumSize());
    RunSteps(fixture, steps);
    auto* shown = fixture.Find<QLabel>(label);
    QVERIFY(shown);
    QCOMPARE(shown->accessibleName(), line);
    QCOMPARE(shown->text().split(QRegularExpression(QStringLiteral("\\s+"))),
             line.split(QRegularExpression(QStringLiteral("\\s+"))));
}

QTEST_MAIN(TestPartLines)
#include "tst_partlines.moc"
