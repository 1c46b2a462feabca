#include "support/formsteps.h"

#include "core/rworksheet.h"
#include "ui/calculators/networks/tformlnetwork.h"
#include "ui/framework/rschematic.h"

#include <QBuffer>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

// The L network calculator through its real widgets: the solves for either
// port, the design of Z1 and Z2 with its two solutions and its two kinds of
// failure, and the drawing of both configurations.
class TestLNetwork : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void controlsAndTags();
    void layoutMovesWithConfiguration();
    void configurationChangeDuringDesign();
    void solutionsSurviveSaving();
};

namespace {

const Steps Design = {"RadioZ1Z2"};
const Steps InParallel = {"RadioZ2BeforeZ1"};
// 50 ohms matched to 200 ohms with Z1 in series, shown and then left for
// the part under test.
const Steps Design50To200 = {"RadioZ1Z2", "EditZin=50", "EditZout=200", "ButtonCalculate"};
const Steps Emptied = {"EditZ1=",
                       "EditZ1J=",
                       "EditZ2=",
                       "EditZ2J=",
                       "field1=|",
                       "field2=|",
                       "GroupSolution:hidden",
                       "modified=yes"};

} // namespace

void TestLNetwork::calculate_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<Steps>("checks");
    QTest::addColumn<QString>("warning");

    // Zout and Zin from the other port and the elements.
    QTest::newRow("Z1 in series: Zout")
        << Steps{"EditZin=50", "EditZ1J=100", "EditZ2J=-50", "mark", "ButtonCalculate"}
        << Steps{"EditZout=25", "EditZoutJ=-75", "modified=yes"} << "";
    QTest::newRow("Zout written in its own unit")
        << Steps{"RadioZout2", "EditZin=50", "EditZ1J=100", "EditZ2J=-50", "ButtonCalculate"}
        << Steps{"EditZout=0.025", "EditZoutJ=-0.075", "RadioZout2:checked"} << "";
    QTest::newRow("Z1 in parallel: Zout")
        << InParallel + Steps{"EditZin=50", "EditZ1J=50", "EditZ2=10", "ButtonCalculate"}
        << Steps{"EditZout=35", "EditZoutJ=25"} << "";
    QTest::newRow("Z1 in series: Zin of the 200 + j100 design")
        << Steps{"RadioZin",
                 "EditZout=200",
                 "EditZoutJ=100",
                 "EditZ1J=-100",
                 "EditZ2J=166.666666666667",
                 "ButtonCalculate"}
        << Steps{"EditZin=50", "EditZinJ~0"} << "";
    QTest::newRow("Z1 in parallel: Zin of the 200 to 50 design")
        << InParallel + Steps{"RadioZin", "EditZout=50", "EditZ1J=115.470053837925",
                              "EditZ2J=-86.6025403784439", "ButtonCalculate"}
        << Steps{"EditZin=200", "EditZinJ~0"} << "";

    // Failures of the solves change nothing.
    QTest::newRow("Z1 in series, Zout: all empty")
        << Steps{"mark", "ButtonCalculate"} << Steps{"EditZout=", "modified=no"}
        << "Error: Z1, Z2, and Zin are all zero.";
    QTest::newRow("Z1 in series, Zin: Z2 + Zout cancels")
        << Steps{"RadioZin", "EditZ2J=50", "EditZoutJ=-50", "mark", "ButtonCalculate"}
        << Steps{"EditZin=", "modified=no"} << "Error: Z2, and Zout are both zero.";
    QTest::newRow("Z1 in parallel, Zout: all empty")
        << InParallel + Steps{"ButtonCalculate"} << Steps{} << "Error: Z1, and Zin are both zero.";
    QTest::newRow("Z1 in parallel, Zin: all empty")
        << InParallel + Steps{"RadioZin", "ButtonCalculate"} << Steps{}
        << "Error: Z1, Z2, and Zout are all zero.";
    QTest::newRow("a failure keeps the previous Zout")
        << Steps{"EditZin=50", "EditZ1J=100", "EditZ2J=-50",    "ButtonCalculate",
                 "EditZ1=abc", "mark",        "ButtonCalculate"}
        << Steps{"EditZout=25", "EditZoutJ=-75", "modified=no"}
        << "Error: Real value for Z1 did not contain a valid number.";
    QTest::newRow("Zin beyond any number")
        << Steps{"EditZin=1e999", "ButtonCalculate"} << Steps{}
        << "Error: Real value for Zin did not contain a valid number.";
    QTest::newRow("a lone minus in Z1's reactance")
        << Steps{"EditZin=50", "EditZ1J=-", "ButtonCalculate"} << Steps{}
        << "Error: Imaginary value for Z1 did not contain a valid number.";
    QTest::newRow("a negative resistance") << Steps{"EditZin=50", "EditZ2=-1", "ButtonCalculate"}
                                           << Steps{} << "Error: Value for Z2 cannot be negative.";
    QTest::newRow("Zin solve checks Zout first")
        << Steps{"RadioZin", "EditZ1=abc", "EditZout=abc", "ButtonCalculate"} << Steps{}
        << "Error: Real value for Zout did not contain a valid number.";

    // The design.
    QTest::newRow("design 50 to 200")
        << Steps{"RadioZ1Z2", "EditZin=50", "EditZout=200", "mark", "ButtonCalculate"}
        << Steps{"EditZ1=0",
                 "EditZ1J=-86.60254",
                 "EditZ2=0",
                 "EditZ2J=115.47005",
                 "GroupSolution:visible",
                 "RadioSolution1:checked",
                 "RadioSolution2:unchecked",
                 "field1=0|-86.6025403784439",
                 "field1.1=0|-86.6025403784439",
                 "field1.2=0|86.6025403784439",
                 "field2=0|115.470053837925",
                 "field2.1=0|115.470053837925",
                 "field2.2=0|-115.470053837925",
                 "modified=yes"}
        << "";
    QTest::newRow("Solution 2 shows the other design")
        << Design50To200 + Steps{"mark", "RadioSolution2"}
        << Steps{"EditZ1J=86.60254", "EditZ2J=-115.47005", "RadioSolution2:checked",
                 "field1=0|-86.6025403784439", "modified=yes"}
        << "earlier warning";
    QTest::newRow("the solves read the quantities, not the solution shown")
        << Design50To200 + Steps{"RadioSolution2", "RadioZout", "EditZin=100", "ButtonCalculate"}
        << Steps{"EditZout=123.07692", "EditZoutJ=79.940807", "EditZ1J=86.60254",
                 "GroupSolution:visible"}
        << "";
    QTest::newRow("solution 1 solved back gives Zin = 50")
        << Design50To200 + Steps{"RadioZin", "ButtonCalculate"} << Steps{"EditZin=50", "EditZinJ~0"}
        << "";
    QTest::newRow("solution 2 typed in gives Zin = 50")
        << Steps{"RadioZin", "EditZout=200", "EditZ1J=86.6025403784439",
                 "EditZ2J=-115.470053837925", "ButtonCalculate"}
        << Steps{"EditZin=50", "EditZinJ~0"} << "";
    // Zin solved back carries a rounding rest in its reactance.
    QTest::newRow("a design after solving back refuses the rest in Zin")
        << Design50To200 +
               Steps{"RadioZin", "ButtonCalculate", "RadioZ1Z2", "mark", "ButtonCalculate"}
        << Emptied << "Error: Imaginary component of Zin must be 0.";
    QTest::newRow("Clear empties the boxes and hides the solutions")
        << Design50To200 + Steps{"RadioSolution2", "mark", "ButtonClear"}
        << Steps{"EditZ1=",
                 "EditZ1J=",
                 "EditZin=",
                 "GroupSolution:hidden",
                 "field1.2=0|86.6025403784439",
                 "modified=no"}
        << "earlier warning";
    QTest::newRow("design 50 to 200 + j100, both solutions")
        << Steps{"RadioZ1Z2", "EditZin=50", "EditZout=200", "EditZoutJ=100", "ButtonCalculate"}
        << Steps{"EditZ1J=-100", "EditZ2J=166.66667", "field2.2=0|-100", "field1.2=0|100"} << "";
    QTest::newRow("design 50 to 200 + j100, Solution 2")
        << Steps{"RadioZ1Z2",     "EditZin=50",      "EditZout=200",
                 "EditZoutJ=100", "ButtonCalculate", "RadioSolution2"}
        << Steps{"EditZ1J=100", "EditZ2J=-100"} << "";
    QTest::newRow("design 200 to 50 with Z1 in parallel")
        << InParallel + Design + Steps{"EditZin=200", "EditZout=50", "ButtonCalculate"}
        << Steps{"EditZ1J=115.47005", "EditZ2J=-86.60254", "field1.2=0|-115.470053837925",
                 "field2.2=0|86.6025403784439"}
        << "";
    QTest::newRow("design 50 to 25 with Z1 in parallel, Solution 2")
        << InParallel + Design +
               Steps{"EditZin=50", "EditZout=25", "ButtonCalculate", "RadioSolution2"}
        << Steps{"EditZ1J=-50", "EditZ2J=25", "field1=0|50", "field2=0|-25"} << "";
    QTest::newRow("a double root: both solutions alike")
        << Design + Steps{"EditZin=50", "EditZout=10", "EditZoutJ=20", "ButtonCalculate"}
        << Steps{"EditZ1J=0", "EditZ2J=-25", "field1.2=0|0", "field2.2=0|-25"} << "";
    QTest::newRow("each box keeps its unit; the solutions are in ohms")
        << Steps{"RadioZ12"} + Design50To200 + Steps{"RadioSolution2", "RadioSolution1"}
        << Steps{"EditZ1J=-86.60254", "RadioZ11:checked", "field1=0|-0.0866025403784439"} << "";
    QTest::newRow("the quantity itself in its unit right after the design")
        << Steps{"RadioZ12"} + Design50To200 << Steps{"EditZ1J=-0.08660254", "RadioZ12:checked"}
        << "";
    QTest::newRow("a design after Solution 2 ends on Solution 1")
        << Design50To200 + Steps{"RadioSolution2", "mark", "ButtonCalculate"}
        << Steps{"RadioSolution1:checked", "EditZ1J=-86.60254", "EditZ2J=115.47005", "modified=yes"}
        << "";
    // What the boxes show is what the next step works on.
    QTest::newRow("typing into Z1 with Solution 2 shown keeps what both boxes show")
        << Design50To200 + Steps{"RadioSolution2", "RadioZin", "mark", "EditZ1=1"}
        << Steps{"EditZ1J=86.60254",
                 "EditZ2J=-115.47005",
                 "field1=1|86.6025403784439",
                 "field2=0|-115.470053837925",
                 "field1.1=0|-86.6025403784439",
                 "GroupSolution:hidden",
                 "modified=yes"}
        << "earlier warning";
    QTest::newRow("a unit click converts the solution shown")
        << Design50To200 + Steps{"RadioSolution2", "mark", "RadioZ12"}
        << Steps{"EditZ1J=0.08660254",
                 "RadioZ12:checked",
                 "field1.2=0|0.0866025403784439",
                 "field1=0|-86.6025403784439",
                 "RadioSolution2:checked",
                 "modified=yes"}
        << "earlier warning";
    QTest::newRow("right after the design a unit click converts the quantity shown")
        << Steps{"RadioZ12"} + Design50To200 + Steps{"mark", "RadioZ11"}
        << Steps{"EditZ1J=-86.60254", "RadioZ11:checked", "field1=0|-86.6025403784439",
                 "RadioSolution1:checked", "modified=yes"}
        << "earlier warning";
    QTest::newRow("the unit the solution is shown in, clicked, changes nothing")
        << Steps{"RadioZ12"} + Design50To200 + Steps{"RadioSolution2", "mark", "RadioZ11"}
        << Steps{"RadioZ11:checked", "EditZ1J=86.60254", "field1=0|-0.0866025403784439",
                 "modified=no"}
        << "earlier warning";
    QTest::newRow("the design reads neither Z1 nor Z2")
        << Steps{"EditZ1=abc", "EditZ2J=-"} + Design50To200 << Steps{"EditZ1J=-86.60254"} << "";

    // Failures that empty Z1 and Z2 (the solutions stay stored).
    QTest::newRow("design 200 to 50 with Z1 in series")
        << Design50To200 +
               Steps{"RadioSolution2", "EditZin=200", "EditZout=50", "mark", "ButtonCalculate"}
        << Emptied + Steps{"field1.2=0|86.6025403784439"} << "Error: No solution found.";
    QTest::newRow("design 50 to 200 with Z1 in parallel")
        << InParallel + Design50To200 << Emptied << "Error: No solution found.";
    QTest::newRow("design 50 to 50 with Z1 in parallel")
        << InParallel + Design + Steps{"EditZin=50", "EditZout=50", "mark", "ButtonCalculate"}
        << Emptied << "Error: No solution found.";
    QTest::newRow("a reactive Zin empties a previous design")
        << Design50To200 + Steps{"EditZinJ=1", "mark", "ButtonCalculate"} << Emptied
        << "Error: Imaginary component of Zin must be 0.";

    // Failures that leave Z1, Z2 and the chosen solution alone.
    QTest::newRow("design 50 to 50 with Z1 in series")
        << Design50To200 + Steps{"RadioSolution2", "EditZout=50", "mark", "ButtonCalculate"}
        << Steps{"EditZ1J=86.60254", "GroupSolution:visible", "RadioSolution2:checked",
                 "field1=0|-86.6025403784439", "modified=no"}
        << "Error: No solution.";
    QTest::newRow("a load without resistance")
        << Design + Steps{"EditZin=50", "EditZoutJ=30", "mark", "ButtonCalculate"}
        << Steps{"EditZ1J=", "GroupSolution:hidden", "modified=no"} << "Error: No solution.";
    QTest::newRow("reactances beyond any number are not stored")
        << InParallel + Design + Steps{"EditZin=1e300", "EditZout=1", "mark", "ButtonCalculate"}
        << Steps{"EditZ1=", "EditZ2J=", "field1.1=|", "GroupSolution:hidden", "modified=no"}
        << "Error: No solution.";

    // The design checks Zout, then Zin, like any solve.
    QTest::newRow("design: Zout checked first")
        << Design + Steps{"EditZin=-", "EditZout=abc", "ButtonCalculate"} << Steps{}
        << "Error: Real value for Zout did not contain a valid number.";
    QTest::newRow("design: a negative Zin")
        << Design + Steps{"EditZin=-50", "EditZout=200", "ButtonCalculate"} << Steps{}
        << "Error: Value for Zin cannot be negative.";
    QTest::newRow("design: Zin beyond any number")
        << Design + Steps{"EditZin=1e999", "ButtonCalculate"} << Steps{}
        << "Error: Real value for Zin did not contain a valid number.";
}

void TestLNetwork::calculate() {
    QFETCH(Steps, steps);
    QFETCH(Steps, checks);
    QFETCH(QString, warning);

    FormFixture<TFormLNetwork> fixture(7);
    RunSteps(fixture, steps);
    QCOMPARE(fixture.messages.warning, warning);
    RunChecks(fixture, checks);
}

void TestLNetwork::controlsAndTags() {
    FormFixture<TFormLNetwork> fixture(7);
    TFormProblem* form = fixture.form.get();
    QCOMPARE(form->Caption(), QStringLiteral("L Network:"));
    QCOMPARE(form->GetTypeName(), QStringLiteral("LNetwork"));
    const QStringList stems = {"Zin", "Z1", "Z2", "Zout"};
    QList<int> tags;
    for (int field = 0; field < 4; ++field) {
        const int base = field * 10;
        const QString stem = stems[field];
        QCOMPARE(form->GetControl(base + 1), fixture.Edit("Edit" + stem));
        QCOMPARE(form->GetControl(base + 2), fixture.Edit("Edit" + stem + "J"));
        QCOMPARE(fixture.Edit("Edit" + stem)->accessibleName(), stem);
        QCOMPARE(fixture.Edit("Edit" + stem + "J")->accessibleName(), stem + " +j");
        QCOMPARE(fixture.Find<QLabel>("Label" + stem)->text(), stem);
        QVERIFY(fixture.Find("Box" + stem));
        const QStringList captions = {"", "K", "M"};
        for (int unit = 0; unit < 3; ++unit) {
            QRadioButton* radio = fixture.Radio("Radio" + stem + QString::number(unit + 1));
            QCOMPARE(form->GetControl(base + 5 + unit), radio);
            QCOMPARE(radio->text(), captions[unit]);
        }
        QCOMPARE(form->GetControl(1000 + base + 5),
                 fixture.Find(QStringLiteral("ImageOhm%1").arg(field + 1)));
        tags << base + 1 << base + 2 << base + 5 << base + 6 << base + 7 << 1000 + base + 5;
    }
    for (int tag = -5; tag < 1100; ++tag)
        QCOMPARE(form->GetControl(tag) != nullptr, tags.contains(tag));

    QCOMPARE(fixture.Radio("RadioZ1BeforeZ2")->text(), QStringLiteral("Z1 In Series"));
    QCOMPARE(fixture.Radio("RadioZ2BeforeZ1")->text(), QStringLiteral("Z1 In Parallel"));
    QCOMPARE(fixture.Radio("RadioZout")->text(), QStringLiteral("Zout"));
    QCOMPARE(fixture.Radio("RadioZin")->text(), QStringLiteral("Zin"));
    QCOMPARE(fixture.Radio("RadioZ1Z2")->text(), QStringLiteral("Z1 and Z2"));
    QCOMPARE(fixture.Radio("RadioSolution1")->text(), QStringLiteral("Solution 1"));
    QCOMPARE(fixture.Radio("RadioSolution2")->text(), QStringLiteral("Solution 2"));
    QCOMPARE(fixture.Find<QGroupBox>("GroupType")->title(), QStringLiteral("Type"));
    QCOMPARE(fixture.Find<QGroupBox>("GroupUnknown")->title(), QStringLiteral("Unknown"));
    QCOMPARE(fixture.Find<QGroupBox>("GroupSolution")->title(), QStringLiteral("Solution"));
    QVERIFY(fixture.Radio("RadioZ1BeforeZ2")->isChecked());
    QVERIFY(fixture.Radio("RadioZout")->isChecked());
    QVERIFY(!fixture.Find("GroupSolution")->isVisibleTo(form->PanelMain()));

    // A new calculation: four ohm fields; Z1 and Z2 with two plain solutions.
    for (int field = 0; field < 4; ++field)
        QCOMPARE(fixture.Field(field).solutions.size(), size_t(field == 1 || field == 2 ? 2 : 0));

    // The radios give the configuration by tag, the unknown by position;
    // the unknown's edits take its colours.
    fixture.Click(QStringLiteral("RadioZ2BeforeZ1"));
    QCOMPARE(fixture.Calculation().Configuration(), 1);
    fixture.Click(QStringLiteral("RadioZ1Z2"));
    QCOMPARE(fixture.Calculation().Unknown(), 2);
    RunChecks(fixture, {"EditZ1:readonly", "EditZ1J:readonly", "EditZ2:readonly",
                        "EditZ2J:readonly", "EditZin:editable", "EditZoutJ:editable"});
    QCOMPARE(fixture.Edit("EditZ2")->palette().color(QPalette::Base), QColor(0, 0, 0x80));
    fixture.Click(QStringLiteral("RadioZin"));
    RunChecks(fixture, {"EditZin:readonly", "EditZinJ:readonly", "EditZ1:editable",
                        "EditZ2J:editable", "EditZout:editable"});
    QCOMPARE(fixture.Edit("EditZ2")->palette().color(QPalette::Base), QColor(Qt::white));

    // The panel stays within the size of the other calculators.
    const QSize size = form->PanelMain()->minimumSize();
    QVERIFY2(size.width() <= 560 && size.height() <= 470,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
}

namespace {

QPoint Centre(const QWidget* widget) {
    return widget->pos() + QPoint(widget->width() / 2, widget->height() / 2);
}

} // namespace

void TestLNetwork::layoutMovesWithConfiguration() {
    FormFixture<TFormLNetwork> fixture(7);
    auto* form = fixture.form.get();
    auto* drawing = fixture.Find<RSchematic>("Schematic");
    QWidget* z1 = fixture.Find("BoxZ1");
    QWidget* z2 = fixture.Find("BoxZ2");
    const auto shape = [drawing](const char* name) {
        return drawing->Find(QString::fromLatin1(name));
    };
    const int wireY = shape("LineZ1")->a.y();

    // Z1 in series: Z1 on the wire, the junction right of it, Z2 on the
    // drop to the ground symbol.
    QCOMPARE(form->Drawing(), 0);
    QCOMPARE(Centre(z1).y(), wireY);
    QCOMPARE(shape("CircleCenter")->a, QPoint(Centre(z2).x(), wireY));
    QVERIFY(shape("CircleCenter")->a.x() > z1->geometry().right());
    QCOMPARE(shape("LineZ2")->a.x(), Centre(z2).x());
    QCOMPARE(shape("LineRes1")->a.x() + 12, Centre(z2).x());
    QVERIFY(shape("LineRes1")->a.y() > z2->geometry().bottom());
    const QPoint z1Before = z1->pos();
    const QPoint z2Before = z2->pos();
    const QPoint labelBefore = fixture.Find("LabelZ1")->pos();

    fixture.Click(QStringLiteral("RadioZ2BeforeZ1"));
    QCOMPARE(form->Drawing(), 1);
    // Z1 down onto the drop, Z2 up onto the wire; junction, drop and ground under Z1.
    QCOMPARE(z1->x(), z1Before.x());
    QVERIFY(z1->y() > z1Before.y());
    QCOMPARE(z2->x(), z2Before.x());
    QCOMPARE(Centre(z2).y(), wireY);
    QCOMPARE(fixture.Find("LabelZ1")->pos() - labelBefore, z1->pos() - z1Before);
    QCOMPARE(shape("CircleCenter")->a, QPoint(Centre(z1).x(), wireY));
    QVERIFY(shape("CircleCenter")->a.x() < z2->geometry().left());
    QCOMPARE(shape("LineZ2")->b.x(), Centre(z1).x());
    for (const char* stroke : {"LineRes1", "LineRes2", "LineRes3"}) {
        const auto* line = shape(stroke);
        QCOMPARE((line->a.x() + line->b.x()) / 2, Centre(z1).x());
        QVERIFY(line->a.y() > z1->geometry().bottom());
    }
    QVERIFY(fixture.Radio("RadioZ2BeforeZ1")->isChecked());

    // Another calculation in the first configuration brings the drawing back.
    fixture.Click(QStringLiteral("RadioZ1BeforeZ2"));
    QCOMPARE(form->Drawing(), 0);
    QCOMPARE(z1->pos(), z1Before);
    QCOMPARE(z2->pos(), z2Before);
    QCOMPARE(shape("CircleCenter")->a.x(), Centre(z2).x());
}

void TestLNetwork::configurationChangeDuringDesign() {
    FormFixture<TFormLNetwork> fixture(7);
    RunSteps(fixture, Design + Steps{"EditZin=50", "EditZout=25", "EditZoutJ=50", "ButtonCalculate",
                                     "RadioSolution2"});
    RunChecks(fixture, {"GroupSolution:visible", "EditZ2J=-38.762756"});

    // Without automatic calculation: Z1 emptied, Z2 kept, the solutions hidden.
    fixture.worksheet.Modified = false;
    fixture.Click(QStringLiteral("RadioZ2BeforeZ1"));
    RunChecks(fixture, {"EditZ1=", "EditZ1J=", "field1=|", "field2=0|-161.237243569579",
                        "EditZ2J=-161.23724", "GroupSolution:hidden", "modified=yes"});
    QCOMPARE(fixture.Calculation().Solution(), -1);

    // With it: the design runs again for the new configuration.
    fixture.config.AutoCalculate = 1;
    fixture.Click(QStringLiteral("RadioZ1BeforeZ2"));
    fixture.Click(QStringLiteral("RadioZ2BeforeZ1"));
    RunChecks(fixture, {"EditZ1J=50", "EditZ2J=-75", "field2.2=0|-25", "GroupSolution:visible",
                        "RadioSolution1:checked"});
    QCOMPARE(fixture.messages.warning, QString());

    // Typing into Z2 while a solution is shown hides them again.
    fixture.Click(QStringLiteral("RadioZout"));
    fixture.Type(QStringLiteral("EditZ2"), QStringLiteral("1"));
    RunChecks(fixture, {"GroupSolution:hidden"});
}

void TestLNetwork::solutionsSurviveSaving() {
    FormFixture<TFormLNetwork> fixture(7);
    RunSteps(fixture, Design50To200 + Steps{"RadioSolution2"});
    QBuffer file;
    file.open(QIODevice::ReadWrite);
    QVERIFY(fixture.worksheet.WriteTo(file));
    file.seek(0);

    RWorksheet reopened;
    QVERIFY(reopened.ReadFrom(file, TypeCatalog(fixture.config)));
    QCOMPARE(reopened.At(0)->Type(), 7);
    fixture.context.calculation = reopened.At(0);
    fixture.form->ShowCalculation();
    RunChecks(fixture, {"EditZ1J=86.60254", "EditZ2J=-115.47005", "GroupSolution:visible",
                        "RadioSolution2:checked", "field1=0|-86.6025403784439",
                        "field2.1=0|115.470053837925"});
    fixture.context.calculation = fixture.worksheet.At(0);
}

QTEST_MAIN(TestLNetwork)
#include "tst_lnetwork.moc"
