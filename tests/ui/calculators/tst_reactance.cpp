#include "support/formsteps.h"

#include "ui/calculators/circuits/tformreactance.h"

#include <QGroupBox>
#include <QLabel>
#include <QtTest>

// The capacitive and inductive reactance calculators through their real
// widgets: typing, radios and the Calculate button, read back from the
// edits and the status bar.
class TestReactance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void controls_data();
    void controls();
    void unitTooSmallForTheValue();
};

namespace {

struct Outcome {
    QString shown;  // the result edit
    QString stored; // the result field's text
    QString warning;
    bool modified = false;
};

Outcome Run(int type, const Steps& steps, const QString& resultEdit, int resultField) {
    FormFixture<> fixture(type);
    RunSteps(fixture, steps);
    const QString before = fixture.Field(resultField).text;
    fixture.worksheet.Modified = false;
    fixture.messages.ShowWarning(QStringLiteral("earlier warning"));
    fixture.Click(QStringLiteral("ButtonCalculate"));
    Outcome outcome{fixture.Text(resultEdit), fixture.Field(resultField).text,
                    fixture.messages.warning, fixture.worksheet.Modified};
    if (!outcome.warning.isEmpty() && outcome.stored != before)
        outcome.stored = QStringLiteral("changed on failure: ") + outcome.stored;
    return outcome;
}

} // namespace

void TestReactance::calculate_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("result"); // the edit of the unknown
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored"); // the field's text; for a failure, its text before
    QTest::addColumn<QString>("warning");

    const QString noSolution = QStringLiteral("Error: No solution.");
    // Capacitors: C in pF, f in MHz, Xc in ohms unless a step says otherwise.
    QTest::newRow("100 pF at 1 MHz, Xc in K")
        << 5 << Steps{"RadioXc2", "EditC=100", "EditF=1"} << "EditXc"
        << "1.5915494"
        << "1.59154943091895"
        << "";
    QTest::newRow("100 pF at 1 MHz in ohms") << 5 << Steps{"EditC=100", "EditF=1"} << "EditXc"
                                             << "1591.5494"
                                             << "1591.54943091895"
                                             << "";
    QTest::newRow("C back from that Xc, in pF")
        << 5 << Steps{"RadioC", "RadioXc2", "EditXc=1.59154943091895", "EditF=1"} << "EditC"
        << "100"
        << "100"
        << "";
    QTest::newRow("Xc without a frequency") << 5 << Steps{"EditC=100"} << "EditXc"
                                            << ""
                                            << "" << noSolution;
    QTest::newRow("C without a frequency")
        << 5 << Steps{"RadioC", "EditXc=50", "EditF=0"} << "EditC"
        << ""
        << "" << noSolution;
    QTest::newRow("C of 0") << 5 << Steps{"EditC=0", "EditF=1"} << "EditXc"
                            << ""
                            << "" << noSolution;
    QTest::newRow("Xc of 0") << 5 << Steps{"RadioC", "EditXc=0", "EditF=1"} << "EditC"
                             << ""
                             << "" << noSolution;
    QTest::newRow("negative frequency") << 5 << Steps{"EditC=100", "EditF=-1"} << "EditXc"
                                        << ""
                                        << ""
                                        << "Error: Value for f cannot be negative.";
    QTest::newRow("negative reactance") << 5 << Steps{"RadioC", "EditXc=-50", "EditF=1"} << "EditC"
                                        << ""
                                        << ""
                                        << "Error: Value for Xc cannot be negative.";
    QTest::newRow("C checked before f")
        << 5 << Steps{"EditC=abc", "EditF=-"} << "EditXc"
        << ""
        << ""
        << "Error: Real value for C did not contain a valid number.";
    QTest::newRow("f checked before Xc")
        << 5 << Steps{"RadioC", "EditXc=-5", "EditF=1e999"} << "EditC"
        << ""
        << ""
        << "Error: Real value for f did not contain a valid number.";
    QTest::newRow("a result too large for pF")
        << 5 << Steps{"RadioC", "EditXc=1e-300", "EditF=1e-12"} << "EditC"
        << ""
        << "" << noSolution;

    // Inductors: L in uH, f in MHz, Xl in ohms.
    QTest::newRow("1 uH at 7 MHz") << 6 << Steps{"EditL=1", "EditF=7"} << "EditXl"
                                   << "43.982297"
                                   << "43.9822971502571"
                                   << "";
    QTest::newRow("L for 50 ohms at 14 MHz")
        << 6 << Steps{"RadioL", "EditXl=50", "EditF=14"} << "EditL"
        << "0.56841051"
        << "0.568410511042483"
        << "";
    QTest::newRow("Xl at 0 Hz is 0") << 6 << Steps{"EditL=1"} << "EditXl"
                                     << "0"
                                     << "0"
                                     << "";
    QTest::newRow("L at 0 Hz") << 6 << Steps{"RadioL", "EditXl=50"} << "EditL"
                               << ""
                               << "" << noSolution;
    QTest::newRow("negative inductance") << 6 << Steps{"EditL=-1", "EditF=7"} << "EditXl"
                                         << ""
                                         << ""
                                         << "Error: Value for L cannot be negative.";
    QTest::newRow("Xl not a number") << 6 << Steps{"RadioL", "EditXl=12abc", "EditF=7"} << "EditL"
                                     << ""
                                     << ""
                                     << "Error: Real value for Xl did not contain a valid number.";
}

void TestReactance::calculate() {
    QFETCH(int, type);
    QFETCH(Steps, steps);
    QFETCH(QString, result);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(QString, warning);

    const int field = result == "EditF" ? 1 : (result.startsWith("EditX") ? 2 : 0);
    const Outcome outcome = Run(type, steps, result, field);
    QCOMPARE(outcome.warning, warning);
    QCOMPARE(outcome.shown, shown);
    QCOMPARE(outcome.stored, stored);
    QCOMPARE(outcome.modified, warning.isEmpty());
}

void TestReactance::controls_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("reactance");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("elementUnits");
    QTest::newRow("capacitors") << 5 << "C"
                                << "Xc"
                                << "Reactance with Capacitors:" << QStringList{"pF", "uF", "F"};
    QTest::newRow("inductors") << 6 << "L"
                               << "Xl"
                               << "Reactance with Inductors:" << QStringList{"uH", "mH", "H"};
}

namespace {

void CheckControls(const QString& x, const QString& xr, const QString& caption,
                   const QStringList& elementUnits, int type) {
    FormFixture<> fixture(type);
    TFormProblem& form = *fixture.form;
    QCOMPARE(form.Caption(), caption);
    QCOMPARE(form.GetTypeName(), type == 5 ? QStringLiteral("ReactanceC") : "ReactanceI");
    QCOMPARE(MappedTags(form), (QList<int>{1, 5, 6, 7, 11, 15, 16, 17, 21, 25, 26, 27, 1025}));
    const QStringList stems = {x, "F", xr};
    const QList<QStringList> units = {elementUnits, {"Hz", "KHz", "MHz"}, {"", "K", "M"}};
    for (int field = 0; field < 3; ++field) {
        const int base = field * 10;
        QLineEdit* edit = fixture.Edit("Edit" + stems[field]);
        QCOMPARE(form.GetControl(base + 1), edit);
        QCOMPARE(edit->accessibleName(), field == 1 ? QStringLiteral("f") : stems[field]);
        QCOMPARE(fixture.template Find<QLabel>("Label" + stems[field])->text(),
                 field == 1 ? QStringLiteral("f") : stems[field]);
        for (int unit = 0; unit < 3; ++unit) {
            QRadioButton* radio = fixture.Radio("Radio" + stems[field] + QString::number(unit + 1));
            QCOMPARE(form.GetControl(base + 5 + unit), radio);
            QCOMPARE(radio->text(), units[field][unit]);
        }
    }
    QCOMPARE(form.GetControl(1025), fixture.Find("ImageOhm1"));
    QCOMPARE(fixture.template Find<QGroupBox>("GroupUnknown")->title(), QStringLiteral("Unknown"));
    QCOMPARE(fixture.Radio("Radio" + xr)->text(), xr);
    QCOMPARE(fixture.Radio("Radio" + x)->text(), x);

    // The unknown's edit takes the unknown's look; the frequency never does.
    QVERIFY(fixture.Edit("Edit" + xr)->isReadOnly());
    QVERIFY(!fixture.Edit("Edit" + x)->isReadOnly());
    QVERIFY(fixture.Radio("Radio" + xr)->isChecked());
    fixture.Click("Radio" + x);
    QCOMPARE(fixture.Calculation().Unknown(), 1);
    QVERIFY(fixture.Edit("Edit" + x)->isReadOnly());
    QVERIFY(!fixture.Edit("Edit" + xr)->isReadOnly());
    QVERIFY(!fixture.Edit("EditF")->isReadOnly());
    QCOMPARE(fixture.Edit("Edit" + x)->palette().color(QPalette::Base), QColor(0, 0, 0x80));
}

} // namespace

void TestReactance::controls() {
    QFETCH(int, type);
    QFETCH(QString, element);
    QFETCH(QString, reactance);
    QFETCH(QString, caption);
    QFETCH(QStringList, elementUnits);
    CheckControls(element, reactance, caption, elementUnits, type);
}

void TestReactance::unitTooSmallForTheValue() {
    // 1e300 F cannot be written in pF: the unit stays, and so does the text.
    FormFixture<TFormReactance> fixture(5);
    fixture.Click(QStringLiteral("RadioC3"));
    fixture.Type(QStringLiteral("EditC"), QStringLiteral("1e300"));
    fixture.worksheet.Modified = false;
    fixture.Click(QStringLiteral("RadioC1"));
    QCOMPARE(fixture.Field(0).text, QStringLiteral("1e300"));
    QCOMPARE(fixture.Field(0).unitIndex, 2);
    QVERIFY(fixture.Radio(QStringLiteral("RadioC3"))->isChecked());
    QVERIFY(!fixture.Radio(QStringLiteral("RadioC1"))->isChecked());
    QVERIFY(!fixture.worksheet.Modified);
    // A value that fits converts as before.
    fixture.Type(QStringLiteral("EditC"), QStringLiteral("1e-10"));
    fixture.Click(QStringLiteral("RadioC1"));
    QCOMPARE(fixture.Field(0).text, QStringLiteral("100"));
}

QTEST_MAIN(TestReactance)
#include "tst_reactance.moc"
