#include "support/formsteps.h"

#include "ui/calculators/rf/tformaircoil.h"

#include <QGroupBox>
#include <QLabel>
#include <QtTest>

// The air-core coil calculator through its real widgets.
class TestAirCoil : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void controls();
    void unknownSwitchRecoloursAndRecalculates();
};

void TestAirCoil::calculate_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("field"); // the unknown's field
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("warning");

    const QString noSolution = QStringLiteral("Error: No solution.");
    const Steps inches = {"RadioDiameterIn", "RadioLengthIn"};
    // Diameter and length in cm, the inductance in uH, unless a step says otherwise.
    QTest::newRow("1 in, 1 in, 10 turns")
        << inches + Steps{"EditDiameter=1", "EditLength=1", "EditTurns=10"} << 3 << "1.7241379"
        << "";
    QTest::newRow("2.54 cm is 1 in")
        << Steps{"EditDiameter=2.54", "EditLength=2.54", "EditTurns=10"} << 3 << "1.7241379"
        << "";
    QTest::newRow("diameter back from 1.7241 uH")
        << Steps{"RadioLengthIn", "RadioDiameterIn", "RadioDiameter",
                 "EditI=1.7241",  "EditLength=1",    "EditTurns=10"}
        << 0 << "0.99998698"
        << "";
    QTest::newRow("a diameter of 1 in shown in cm")
        << Steps{"RadioLengthIn", "RadioDiameter", "EditI=1.72413793103448", "EditLength=1",
                 "EditTurns=10"}
        << 0 << "2.54"
        << "";
    QTest::newRow("length back") << inches + Steps{"RadioLength", "EditDiameter=1",
                                                   "EditI=1.72413793103448", "EditTurns=10"}
                                 << 1 << "1"
                                 << "";
    QTest::newRow("turns back") << inches + Steps{"RadioTurns", "EditDiameter=1",
                                                  "EditI=1.72413793103448", "EditLength=1"}
                                << 2 << "10"
                                << "";
    QTest::newRow("turns for 10 uH")
        << inches + Steps{"RadioTurns", "EditDiameter=1", "EditI=10", "EditLength=2"} << 2
        << "31.304952"
        << "";
    QTest::newRow("no diameter and no length") << Steps{"EditTurns=10"} << 3 << "" << noSolution;
    QTest::newRow("no diameter") << Steps{"EditLength=1", "EditTurns=10"} << 3 << "0"
                                 << "";
    QTest::newRow("diameter with no turns")
        << Steps{"RadioDiameter", "EditI=1", "EditLength=1"} << 0 << "" << noSolution;
    QTest::newRow("turns with no diameter")
        << Steps{"RadioTurns", "EditI=1", "EditLength=1"} << 2 << "" << noSolution;
    QTest::newRow("length with no inductance")
        << Steps{"RadioLength", "EditDiameter=1", "EditTurns=10"} << 1 << "" << noSolution;
    QTest::newRow("length that would be negative")
        << inches + Steps{"RadioLength", "EditDiameter=1", "EditI=10", "EditTurns=10"} << 1 << ""
        << noSolution;
    QTest::newRow("Coil Diameter checked first")
        << Steps{"EditDiameter=-", "EditLength=abc", "EditTurns=-1"} << 3 << ""
        << "Error: Real value for Coil Diameter did not contain a valid number.";
    QTest::newRow("Inductance checked first for the diameter")
        << Steps{"RadioDiameter", "EditI=-1", "EditLength=abc"} << 0 << ""
        << "Error: Value for Inductance cannot be negative.";
    QTest::newRow("Inductance second for the length")
        << Steps{"RadioLength", "EditDiameter=1", "EditI=1e999", "EditTurns=x"} << 1 << ""
        << "Error: Real value for Inductance did not contain a valid number.";
    QTest::newRow("Coil Length last for the turns")
        << Steps{"RadioTurns", "EditDiameter=1", "EditI=1", "EditLength=-2"} << 2 << ""
        << "Error: Value for Coil Length cannot be negative.";
    QTest::newRow("negative turns")
        << Steps{"EditDiameter=1", "EditLength=1", "EditTurns=-10"} << 3 << ""
        << "Error: Value for Number of Turns cannot be negative.";
}

void TestAirCoil::calculate() {
    QFETCH(Steps, steps);
    QFETCH(int, field);
    QFETCH(QString, shown);
    QFETCH(QString, warning);

    FormFixture<TFormAirCoil> fixture(19);
    RunSteps(fixture, steps);
    fixture.worksheet.Modified = false;
    fixture.messages.ShowWarning(QStringLiteral("earlier warning"));
    fixture.Click(QStringLiteral("ButtonCalculate"));

    const QStringList edits = {"EditDiameter", "EditLength", "EditTurns", "EditI"};
    QCOMPARE(fixture.messages.warning, warning);
    QCOMPARE(fixture.Text(edits[field]), shown);
    QCOMPARE(fixture.Field(field).text.isEmpty(), shown.isEmpty());
    QCOMPARE(fixture.worksheet.Modified, warning.isEmpty());
}

void TestAirCoil::controls() {
    FormFixture<TFormAirCoil> fixture(19);
    TFormProblem& form = *fixture.form;
    QCOMPARE(form.Caption(), QStringLiteral("Inductance of an Air Core Coil"));
    QCOMPARE(form.GetTypeName(), QStringLiteral("AirCoil"));
    QCOMPARE(MappedTags(form), (QList<int>{1, 5, 6, 11, 15, 16, 21, 31, 35, 36, 37}));
    const QStringList edits = {"EditDiameter", "EditLength", "EditTurns", "EditI"};
    const QStringList captions = {"Coil Diameter", "Coil Length", "Number of Turns", "Inductance"};
    for (int field = 0; field < 4; ++field) {
        QCOMPARE(form.GetControl(field * 10 + 1), fixture.Edit(edits[field]));
        QCOMPARE(fixture.Edit(edits[field])->accessibleName(), captions[field]);
    }
    const QList<QPair<int, QString>> radios = {{5, "RadioDiameterIn"}, {6, "RadioDiameterCm"},
                                               {15, "RadioLengthIn"},  {16, "RadioLengthCm"},
                                               {35, "RadioI1"},        {36, "RadioI2"},
                                               {37, "RadioI3"}};
    const QStringList units = {"in", "cm", "in", "cm", "uH", "mH", "H"};
    for (int i = 0; i < radios.size(); ++i) {
        QCOMPARE(form.GetControl(radios[i].first), fixture.Radio(radios[i].second));
        QCOMPARE(fixture.Radio(radios[i].second)->text(), units[i]);
    }
    QCOMPARE(fixture.Find<QLabel>("LabelTurns")->text(), QStringLiteral("Number of Turns"));
    QCOMPARE(fixture.Find<QGroupBox>("GroupUnknown")->title(), QStringLiteral("Unknown"));
    const QStringList unknowns = {"RadioI", "RadioDiameter", "RadioLength", "RadioTurns"};
    for (int position = 0; position < 4; ++position)
        QCOMPARE(fixture.Radio(unknowns[position])->text(), captions[(position + 3) % 4]);
    // A new calculation: centimetres (the factory default), microhenrys.
    QVERIFY(fixture.Radio("RadioDiameterCm")->isChecked());
    QVERIFY(fixture.Radio("RadioLengthCm")->isChecked());
    QVERIFY(fixture.Radio("RadioI1")->isChecked());
}

void TestAirCoil::unknownSwitchRecoloursAndRecalculates() {
    FormFixture<TFormAirCoil> fixture(19);
    fixture.config.AutoCalculate = 1;
    RunSteps(fixture, {"RadioDiameterIn", "RadioLengthIn", "EditDiameter=1", "EditLength=1",
                       "EditTurns=10"});
    QCOMPARE(fixture.Text("EditI"), QStringLiteral("1.7241379"));
    QVERIFY(fixture.Edit("EditI")->isReadOnly());

    fixture.Type(QStringLiteral("EditTurns"), QStringLiteral("abc"));
    fixture.Click(QStringLiteral("RadioTurns"));
    // The old inductance is an input now; the turns come back at once.
    QVERIFY(fixture.Edit("EditTurns")->isReadOnly());
    QVERIFY(!fixture.Edit("EditI")->isReadOnly());
    QCOMPARE(fixture.Text("EditTurns"), QStringLiteral("10"));
    QCOMPARE(fixture.messages.warning, QString());
}

QTEST_MAIN(TestAirCoil)
#include "tst_aircoil.moc"
