#include "support/formsteps.h"

#include "ui/calculators/rf/advicepopup.h"
#include "ui/calculators/rf/tformantimpedance.h"

#include <QBuffer>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

// The antenna impedance calculator through its real widgets: readings typed
// in, the added circuit chosen, Calculate clicked; read back from the result
// edits, the Solution group, the status bar and a recording advice window.
class TestAntImpedance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void adviceCentredOnThePanel();
    void previousResultStaysAfterAdviceOrError();
    void solutionsAfterEveryCalculation();
    void configurationsMoveTheReadings();
    void automaticCalculationAdvisesWhileTyping();
    void reopenedAsSaved();
    void controlsAndTags();
};

namespace {

class RecordingPopup final : public AdvicePopup {
public:
    struct Call {
        int kind;
        QString first;
        QString second;
        QRect area; // right and bottom exclusive, as passed
    };
    void ShowAdvice(int kind, const QString& first, const QString& second, int left, int top,
                    int right, int bottom) override {
        calls.append({kind, first, second, QRect(left, top, right - left, bottom - top)});
    }
    QList<Call> calls;
};

struct AntennaFixture : FormFixture<TFormAntImpedance> {
    AntennaFixture() : FormFixture(20) { context.advice = &popup; }
    bool SolutionShown() const { return !Find("GroupSolution")->isHidden(); }
    RecordingPopup popup;
};

const QString NoSolution = QStringLiteral("Error: No solution.");

} // namespace

void TestAntImpedance::calculate_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("real"); // the result edits afterwards
    QTest::addColumn<QString>("imag");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<int>("advice"); // the kind shown; 0 none
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("configuration"); // afterwards

    const QString none;
    const Steps readings = {"EditF=14.2", "EditZ=50", "EditSWR=1.5"};
    const Steps capacitor = {"RadioResistorCapacitor"};
    const Steps coil = {"RadioResistorCoil"};

    QTest::newRow("S 1.5, Z 50") << readings << "46.153846"
                                 << "19.230769" << none << 0 << none << none << 0;
    QTest::newRow("S 1, Z 50: too low") << Steps{"EditZ=50", "EditSWR=1"} << ""
                                        << "" << none << 2 << "1" << none << 1;
    QTest::newRow("S exactly 5.0") << Steps{"EditZ=100", "EditSWR=5.0"} << "48.076923"
                                   << "87.684716" << none << 0 << none << none << 0;
    QTest::newRow("S exactly 1.2") << Steps{"EditZ=50", "EditSWR=1.2"} << "49.180328"
                                   << "9.0163934" << none << 0 << none << none << 0;
    QTest::newRow("S above 5, as displayed") << Steps{"EditZ=50", "EditSWR=6.00"} << ""
                                             << "" << none << 1 << "6" << none << 1;
    QTest::newRow("SWR h") << Steps{"EditZ=50", "EditSWR=h"} << ""
                           << "" << none << 1 << "h" << none << 1;
    QTest::newRow("SWR H") << Steps{"EditZ=50", "EditSWR=H"} << ""
                           << "" << none << 1 << "H" << none << 1;
    QTest::newRow("SWR 1e308") << Steps{"EditZ=50", "EditSWR=1e308"} << ""
                               << "" << none << 1 << "1E+308" << none << 1;
    QTest::newRow("Z H") << Steps{"EditZ=H", "EditSWR=2"} << ""
                         << "" << NoSolution << 0 << none << none << 0;
    QTest::newRow("Z h in K") << Steps{"RadioZ2", "EditZ=h", "EditSWR=2"} << ""
                              << "" << NoSolution << 0 << none << none << 0;
    QTest::newRow("S 2, Z 20") << Steps{"EditZ=20", "EditSWR=2"} << ""
                               << "" << NoSolution << 0 << none << none << 0;
    QTest::newRow("Z 0.05 K") << Steps{"RadioZ2", "EditZ=0.05", "EditSWR=1.5"} << "46.153846"
                              << "19.230769" << none << 0 << none << none << 0;
    QTest::newRow("empty f counts as 0") << Steps{"EditZ=50", "EditSWR=3"} << "30"
                                         << "40" << none << 0 << none << none << 0;
    QTest::newRow("added capacitor 100")
        << capacitor + readings + Steps{"EditZCapacitor=100"} << "46.153846"
        << "119.23077" << none << 0 << none << none << 1;
    QTest::newRow("added resistor 20, capacitor 100")
        << capacitor + readings + Steps{"EditZResistor=20", "EditZCapacitor=100"} << "26.153846"
        << "119.23077" << none << 0 << none << none << 1;
    QTest::newRow("added coil 10")
        << coil + Steps{"EditZ=50", "EditSWR=3", "EditZCapacitor=10"} << "30"
        << "30" << none << 0 << none << none << 2;
    QTest::newRow("coil cancels X1: no q test")
        << coil + Steps{"EditZ=50", "EditSWR=3", "EditZCapacitor=40"} << "30"
        << "0" << none << 0 << none << none << 2;
    QTest::newRow("q above 500 keeps the coil")
        << coil + readings + Steps{"EditZCapacitor=19.2"} << ""
        << "" << none << 3 << "46.153846"
        << "0.030769231" << 2;
    QTest::newRow("q below 0.2 with 1 K")
        << capacitor + readings + Steps{"RadioZCapacitor2", "EditZCapacitor=1"} << ""
        << "" << none << 4 << "46.153846"
        << "1019.2308" << 1;
    QTest::newRow("negative f") << Steps{"EditF=-1", "EditZ=abc", "EditSWR=9"} << ""
                                << ""
                                << "Error: Value for f cannot be negative." << 0 << none << none
                                << 0;
    QTest::newRow("f not a number")
        << Steps{"EditF=abc", "EditSWR=9"} << ""
        << ""
        << "Error: Real value for f did not contain a valid number." << 0 << none << none << 0;
    QTest::newRow("Z negative") << Steps{"EditZ=-5", "EditSWR=x"} << ""
                                << ""
                                << "Error: Value for Z cannot be negative." << 0 << none << none
                                << 0;
    QTest::newRow("Z 1e999") << Steps{"EditZ=1e999", "EditSWR=2"} << ""
                             << ""
                             << "Error: Real value for Z did not contain a valid number." << 0
                             << none << none << 0;
    QTest::newRow("SWR not a number")
        << Steps{"EditZ=50", "EditSWR=x"} << ""
        << ""
        << "Error: Real value for SWR did not contain a valid number." << 0 << none << none << 0;
    QTest::newRow("SWR negative") << Steps{"EditZ=50", "EditSWR=-2"} << ""
                                  << ""
                                  << "Error: Value for SWR cannot be negative." << 0 << none << none
                                  << 0;
    QTest::newRow("added resistor not a number")
        << capacitor + readings + Steps{"EditZResistor=abc", "EditZCapacitor=-1"} << ""
        << ""
        << "Error: Real value for Z of added Resistor did not contain a valid number." << 0 << none
        << none << 1;
    QTest::newRow("added capacitor negative")
        << capacitor + readings + Steps{"EditZCapacitor=-1"} << ""
        << ""
        << "Error: Value for Z of added Capacitor cannot be negative." << 0 << none << none << 1;
    QTest::newRow("added coil negative")
        << coil + readings + Steps{"EditZCapacitor=-1"} << ""
        << ""
        << "Error: Value for Z of added Coil cannot be negative." << 0 << none << none << 2;
    QTest::newRow("added values not read without the circuit")
        << capacitor + Steps{"EditZResistor=abc"} + Steps{"RadioNoCircuit"} + readings
        << "46.153846"
        << "19.230769" << none << 0 << none << none << 0;
    QTest::newRow("SWR advice before an invalid added value")
        << capacitor + Steps{"EditZ=50", "EditSWR=9", "EditZResistor=abc"} << ""
        << ""
        << "Error: Real value for Z of added Resistor did not contain a valid number." << 0 << none
        << none << 1;
    // An added resistor larger than the total leaves no antenna.
    QTest::newRow("added resistor above the total")
        << capacitor + Steps{"EditZ=50", "EditSWR=3", "EditZResistor=40"} << ""
        << "" << NoSolution << 0 << none << none << 1;
    QTest::newRow("infinite added resistor")
        << capacitor + Steps{"EditZ=50", "EditSWR=3", "RadioZResistor3", "EditZResistor=1e305"}
        << ""
        << "" << NoSolution << 0 << none << none << 1;
    QTest::newRow("infinite added capacitor")
        << capacitor + Steps{"EditZ=50", "EditSWR=3", "RadioZCapacitor3", "EditZCapacitor=1e305"}
        << ""
        << "" << NoSolution << 0 << none << none << 1;
    QTest::newRow("Z squared overflows") << Steps{"EditZ=1e200", "EditSWR=2"} << ""
                                         << "" << NoSolution << 0 << none << none << 0;
}

void TestAntImpedance::calculate() {
    QFETCH(Steps, steps);
    QFETCH(QString, real);
    QFETCH(QString, imag);
    QFETCH(QString, warning);
    QFETCH(int, advice);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, configuration);

    AntennaFixture fixture;
    RunSteps(fixture, steps);
    fixture.worksheet.Modified = false;
    fixture.messages.Reset();
    fixture.messages.ShowWarning(QStringLiteral("earlier warning"));
    fixture.Click(QStringLiteral("ButtonCalculate"));

    const bool solved = !real.isEmpty();
    QCOMPARE(fixture.Text("EditImpedance"), real);
    QCOMPARE(fixture.Text("EditJImpedance"), imag);
    QCOMPARE(fixture.SolutionShown(), solved);
    QCOMPARE(fixture.Radio("RadioSolution1")->isChecked(), solved);
    QCOMPARE(fixture.Radio("RadioSolution2")->isChecked(), false);
    const QString expectedWarning =
        solved || advice != 0 ? QStringLiteral("earlier warning") : warning;
    QCOMPARE(fixture.messages.warning, solved ? QString() : expectedWarning);
    QCOMPARE(fixture.worksheet.Modified, solved);
    QCOMPARE(fixture.popup.calls.size(), advice != 0 ? 1 : 0);
    if (advice != 0) {
        QCOMPARE(fixture.popup.calls[0].kind, advice);
        QCOMPARE(fixture.popup.calls[0].first, first);
        QCOMPARE(fixture.popup.calls[0].second, second);
    }
    QCOMPARE(fixture.Calculation().Configuration(), configuration);
    QCOMPARE(fixture.form->AddedCircuitShown(), configuration != 0);
    // Nothing but numbers ever reaches a field.
    for (const RField& field : fixture.Calculation().Fields()) {
        for (const QString& text : {field.text, field.imagText})
            QVERIFY2(!text.contains(QStringLiteral("INF")) && !text.contains(QStringLiteral("NAN")),
                     qPrintable(text));
    }
    if (solved) {
        const RField& result = fixture.Field(5);
        QCOMPARE(fixture.Calculation().Solution(), 0);
        QCOMPARE(result.text, result.solutions[0].text);
        QCOMPARE(result.imagText, result.solutions[0].imagText);
        QCOMPARE(result.solutions[1].text, result.text);
        QVERIFY(result.solutions[1].imagText.toDouble() <= result.imagText.toDouble());
    }
}

void TestAntImpedance::adviceCentredOnThePanel() {
    AntennaFixture fixture;
    RunSteps(fixture, {"EditZ=50", "EditSWR=7"});
    fixture.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(fixture.popup.calls.size(), 1);
    QWidget* panel = fixture.form->PanelMain();
    QCOMPARE(fixture.popup.calls[0].area, QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size()));

    // With a central panel given, the advice goes over that one.
    QWidget central;
    central.setGeometry(40, 60, 300, 200);
    central.show();
    fixture.context.centralPanel = &central;
    fixture.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(fixture.popup.calls.size(), 2);
    QCOMPARE(fixture.popup.calls[1].area,
             QRect(central.mapToGlobal(QPoint(0, 0)), QSize(300, 200)));
    fixture.context.centralPanel = nullptr;
}

void TestAntImpedance::previousResultStaysAfterAdviceOrError() {
    AntennaFixture fixture;
    RunSteps(fixture, {"EditZ=50", "EditSWR=1.5", "ButtonCalculate"});
    QCOMPARE(fixture.Text("EditImpedance"), QStringLiteral("46.153846"));
    const QString stored = fixture.Field(5).text;

    // Advice: the result stays, and the switch to the added circuit neither
    // empties it nor marks the worksheet.
    RunSteps(fixture, {"EditSWR=8"});
    fixture.worksheet.Modified = false;
    fixture.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(fixture.popup.calls.size(), 1);
    QCOMPARE(fixture.Calculation().Configuration(), 1);
    QVERIFY(fixture.Radio("RadioResistorCapacitor")->isChecked());
    QVERIFY(!fixture.Find("PanelExtra")->isHidden());
    QVERIFY(!fixture.worksheet.Modified);
    QCOMPARE(fixture.Field(5).text, stored);
    QCOMPARE(fixture.Text("EditImpedance"), QStringLiteral("46.153846"));
    QVERIFY(fixture.SolutionShown());

    // An error leaves it too.
    RunSteps(fixture, {"EditSWR=2", "EditZ=20", "ButtonCalculate"});
    QCOMPARE(fixture.messages.warning, NoSolution);
    QCOMPARE(fixture.Field(5).text, stored);
    QCOMPARE(fixture.Text("EditJImpedance"), QStringLiteral("19.230769"));
}

void TestAntImpedance::solutionsAfterEveryCalculation() {
    AntennaFixture fixture;
    RunSteps(fixture, {"RadioImpedance2", "EditZ=50", "EditSWR=1.5", "ButtonCalculate"});
    // The result field itself keeps its unit; the solutions are in ohms.
    QCOMPARE(fixture.Field(5).text, QStringLiteral("0.0461538461538462"));
    QCOMPARE(fixture.Field(5).solutions[0].text, QStringLiteral("46.1538461538462"));
    QCOMPARE(fixture.Field(5).solutions[1].imagText, QStringLiteral("-19.2307692307692"));
    QVERIFY(fixture.Radio("RadioImpedance1")->isChecked());

    fixture.worksheet.Modified = false;
    fixture.Click(QStringLiteral("RadioSolution2"));
    QCOMPARE(fixture.Calculation().Solution(), 1);
    QCOMPARE(fixture.Text("EditImpedance"), QStringLiteral("46.153846"));
    QCOMPARE(fixture.Text("EditJImpedance"), QStringLiteral("-19.230769"));
    QVERIFY(fixture.worksheet.Modified);

    // A unit click converts the solution the box shows, not the result behind it.
    fixture.Click(QStringLiteral("RadioImpedance2"));
    QCOMPARE(fixture.Text("EditJImpedance"), QStringLiteral("-0.019230769"));
    QCOMPARE(fixture.Field(5).solutions[1].unitIndex, 1);
    QCOMPARE(fixture.Field(5).text, QStringLiteral("0.0461538461538462"));
    QVERIFY(fixture.Radio("RadioImpedance2")->isChecked());

    // A new calculation selects Solution 1 again, whichever was selected.
    RunSteps(fixture, {"EditSWR=3", "ButtonCalculate"});
    QVERIFY(fixture.Radio("RadioSolution1")->isChecked());
    QVERIFY(!fixture.Radio("RadioSolution2")->isChecked());
    QCOMPARE(fixture.Text("EditJImpedance"), QStringLiteral("40"));

    // Typing into the result hides the solutions.
    RunSteps(fixture, {"EditImpedance=1"});
    QCOMPARE(fixture.Calculation().Solution(), -1);
    QVERIFY(!fixture.SolutionShown());
    // Clear hides them too and empties every box.
    RunSteps(fixture, {"ButtonCalculate", "ButtonClear"});
    QVERIFY(!fixture.SolutionShown());
    QCOMPARE(fixture.Text("EditZ"), QString());
}

void TestAntImpedance::configurationsMoveTheReadings() {
    AntennaFixture fixture;
    QWidget* extra = fixture.Find("PanelExtra");
    QWidget* readings = fixture.Find("PanelBase");
    auto* label = fixture.Find<QLabel>("LabelZCapacitor");
    QVERIFY(extra->isHidden());
    QVERIFY(fixture.Radio("RadioNoCircuit")->isChecked());
    const QPoint up = readings->pos();
    QVERIFY(up.y() <= extra->y());

    RunSteps(fixture, {"EditZ=50", "EditSWR=3", "ButtonCalculate"});
    fixture.Click(QStringLiteral("RadioResistorCoil"));
    QVERIFY(!extra->isHidden());
    QVERIFY(readings->y() >= extra->y() + extra->height());
    const QPoint down = readings->pos();
    QCOMPARE(down.x(), up.x());
    QCOMPARE(label->text(), QStringLiteral("Z of added Coil"));
    QCOMPARE(fixture.Edit("EditZCapacitor")->accessibleName(), QStringLiteral("Z of added Coil"));
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    // A configuration change empties the result and hides the solutions.
    QCOMPARE(fixture.Field(5).text, QString());
    QCOMPARE(fixture.Text("EditImpedance"), QString());
    QVERIFY(!fixture.SolutionShown());
    QVERIFY(fixture.worksheet.Modified);

    fixture.Click(QStringLiteral("RadioResistorCapacitor"));
    QCOMPARE(readings->pos(), down);
    QCOMPARE(label->text(), QStringLiteral("Z of added Capacitor"));
    QCOMPARE(fixture.Edit("EditZCapacitor")->accessibleName(),
             QStringLiteral("Z of added Capacitor"));

    fixture.Click(QStringLiteral("RadioNoCircuit"));
    QVERIFY(extra->isHidden());
    QCOMPARE(readings->pos(), up);
    QCOMPARE(label->text(), QStringLiteral("Z of added Capacitor"));

    // A configuration read from a file that this form does not have: no
    // added circuit shown and no radio checked.
    fixture.Calculation().SetConfiguration(7);
    fixture.form->ShowCalculation();
    QVERIFY(extra->isHidden());
    QCOMPARE(readings->pos(), up);
    for (const char* name : {"RadioNoCircuit", "RadioResistorCapacitor", "RadioResistorCoil"})
        QVERIFY(!fixture.Radio(QString::fromLatin1(name))->isChecked());
    RunSteps(fixture, {"EditZResistor=abc", "ButtonCalculate"});
    QCOMPARE(fixture.Text("EditImpedance"), QStringLiteral("30"));
}

void TestAntImpedance::automaticCalculationAdvisesWhileTyping() {
    AntennaFixture fixture;
    fixture.config.AutoCalculate = 1;
    RunSteps(fixture, {"EditZ=50", "EditSWR=1.5"});
    QCOMPARE(fixture.Text("EditJImpedance"), QStringLiteral("19.230769"));
    // Every keystroke calculated: "5" and "50" with no SWR yet, then "1"
    // and "1." were too low; the first advice switched to the added circuit.
    QCOMPARE(fixture.popup.calls.size(), 4);
    for (const RecordingPopup::Call& call : fixture.popup.calls)
        QCOMPARE(call.kind, 2);
    // The advice quotes the SWR as displayed: "1." shows as 1.
    QCOMPARE(fixture.popup.calls[3].first, QStringLiteral("1"));
    QCOMPARE(fixture.Calculation().Configuration(), 1);
    fixture.popup.calls.clear();
    QLineEdit* swr = fixture.Edit("EditSWR");
    swr->home(false);
    QTest::keyClicks(swr, QStringLiteral("9"));
    QCOMPARE(fixture.popup.calls.size(), 1);
    QCOMPARE(fixture.popup.calls.last().kind, 1);
    QCOMPARE(fixture.popup.calls.last().first, QStringLiteral("91.5"));
    QTest::keyClicks(swr, QStringLiteral("2"));
    QCOMPARE(swr->text(), QStringLiteral("921.5"));
    QCOMPARE(fixture.popup.calls.size(), 2);
}

void TestAntImpedance::reopenedAsSaved() {
    QByteArray file;
    {
        AntennaFixture fixture;
        RunSteps(fixture, {"RadioResistorCoil", "EditZ=50", "EditSWR=3", "EditZCapacitor=10",
                           "ButtonCalculate", "RadioSolution2"});
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(fixture.worksheet.WriteTo(buffer));
    }
    AntennaFixture fixture;
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    RWorksheet reopened;
    QVERIFY(reopened.ReadFrom(buffer, TypeCatalog(fixture.config)));
    fixture.context.calculation = reopened.At(0);
    fixture.form->ShowCalculation();
    QVERIFY(fixture.Radio("RadioResistorCoil")->isChecked());
    QVERIFY(fixture.form->AddedCircuitShown());
    QCOMPARE(fixture.Find<QLabel>("LabelZCapacitor")->text(), QStringLiteral("Z of added Coil"));
    QCOMPARE(fixture.Text("EditZCapacitor"), QStringLiteral("10"));
    QVERIFY(fixture.SolutionShown());
    QVERIFY(fixture.Radio("RadioSolution2")->isChecked());
    QCOMPARE(fixture.Text("EditImpedance"), QStringLiteral("30"));
    QCOMPARE(fixture.Text("EditJImpedance"), QStringLiteral("-50"));
    fixture.context.calculation = fixture.worksheet.At(0);
}

void TestAntImpedance::controlsAndTags() {
    AntennaFixture fixture;
    TFormProblem* form = fixture.form.get();
    QCOMPARE(form->Caption(), QStringLiteral("Antenna Impedance using the Autek RF 1"));
    QCOMPARE(form->GetTypeName(), QStringLiteral("AntImped"));
    QCOMPARE(form->GetUnknownField(), &fixture.Field(5));
    QVERIFY(!form->AlwaysCalculates());

    const QHash<int, QString> names = {{1, "EditF"},
                                       {5, "RadioF1"},
                                       {6, "RadioF2"},
                                       {7, "RadioF3"},
                                       {11, "EditZ"},
                                       {15, "RadioZ1"},
                                       {16, "RadioZ2"},
                                       {17, "RadioZ3"},
                                       {21, "EditSWR"},
                                       {31, "EditZResistor"},
                                       {35, "RadioZResistor1"},
                                       {36, "RadioZResistor2"},
                                       {37, "RadioZResistor3"},
                                       {41, "EditZCapacitor"},
                                       {45, "RadioZCapacitor1"},
                                       {46, "RadioZCapacitor2"},
                                       {47, "RadioZCapacitor3"},
                                       {51, "EditImpedance"},
                                       {52, "EditJImpedance"},
                                       {55, "RadioImpedance1"},
                                       {56, "RadioImpedance2"},
                                       {57, "RadioImpedance3"},
                                       {1015, "ImageOhm1"},
                                       {1035, "ImageOhm2"},
                                       {1045, "ImageOhm4"},
                                       {1055, "ImageOhm3"}};
    for (int tag = 0; tag < 1100; ++tag) {
        QWidget* control = form->GetControl(tag);
        QCOMPARE(control ? control->objectName() : QString(), names.value(tag));
        if (control)
            QCOMPARE(control->property("tag").toInt(), tag);
    }
    const QStringList units = {"Hz", "KHz", "MHz"};
    for (int unit = 0; unit < 3; ++unit)
        QCOMPARE(fixture.Radio("RadioF" + QString::number(unit + 1))->text(), units[unit]);
    QCOMPARE(fixture.Radio("RadioZ2")->text(), QStringLiteral("K"));
    QCOMPARE(fixture.Radio("RadioZ3")->text(), QStringLiteral("M"));

    const QHash<QString, QString> captions = {{"F", "f"},
                                              {"Z", "Z"},
                                              {"SWR", "SWR"},
                                              {"ZResistor", "Z of added Resistor"},
                                              {"ZCapacitor", "Z of added Capacitor"},
                                              {"Impedance", "Impedance"}};
    for (auto it = captions.begin(); it != captions.end(); ++it) {
        QCOMPARE(fixture.Find<QLabel>("Label" + it.key())->text(), it.value());
        QCOMPARE(fixture.Edit("Edit" + it.key())->accessibleName(), it.value());
    }
    QCOMPARE(fixture.Edit("EditJImpedance")->accessibleName(), QStringLiteral("Impedance +j"));

    // The boxes are grouped: the added circuit and the readings.
    for (const char* name : {"EditZResistor", "EditZCapacitor"})
        QVERIFY(fixture.Find("PanelExtra")->isAncestorOf(fixture.Edit(QString::fromLatin1(name))));
    for (const char* name : {"EditF", "EditZ", "EditSWR"})
        QVERIFY(fixture.Find("PanelBase")->isAncestorOf(fixture.Edit(QString::fromLatin1(name))));

    auto* type = fixture.Find<QGroupBox>("GroupType");
    QCOMPARE(type->title(), QStringLiteral("Type"));
    QCOMPARE(fixture.Radio("RadioNoCircuit")->text(), QStringLiteral("No additional circuit"));
    QCOMPARE(fixture.Radio("RadioResistorCapacitor")->text(),
             QStringLiteral("Add resistor/capacitor circuit"));
    QCOMPARE(fixture.Radio("RadioResistorCoil")->text(),
             QStringLiteral("Add resistor/coil circuit"));
    QCOMPARE(fixture.Find<QGroupBox>("GroupSolution")->title(), QStringLiteral("Solution"));
    QCOMPARE(fixture.Radio("RadioSolution1")->text(), QStringLiteral("Solution 1"));
    QCOMPARE(fixture.Radio("RadioSolution2")->text(), QStringLiteral("Solution 2"));
    QVERIFY(!fixture.SolutionShown());
    QVERIFY(fixture.Find<QGroupBox>("GroupUnknown") == nullptr);

    // The keyboard visits the readings, the added circuit, then the result.
    QStringList visited;
    QWidget* step = fixture.Edit("EditF");
    do {
        if (qobject_cast<QLineEdit*>(step))
            visited << step->objectName();
        step = step->nextInFocusChain();
    } while (step != fixture.Edit("EditF"));
    QCOMPARE(visited, QStringList({"EditF", "EditZ", "EditSWR", "EditZResistor", "EditZCapacitor",
                                   "EditImpedance", "EditJImpedance"}));

    // No edit is marked as the unknown.
    for (QLineEdit* edit : form->PanelMain()->findChildren<QLineEdit*>())
        QVERIFY2(!edit->isReadOnly(), qPrintable(edit->objectName()));

    // Within the size every calculator panel keeps to.
    const QSize size = form->PanelMain()->minimumSize();
    QVERIFY2(size.width() <= 560 && size.height() <= 470,
             qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
}

QTEST_MAIN(TestAntImpedance)
#include "tst_antimpedance.moc"
