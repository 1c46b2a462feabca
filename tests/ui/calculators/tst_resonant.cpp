#include "support/formsteps.h"

#include "ui/calculators/circuits/tformresonant.h"

#include <QGroupBox>
#include <QLabel>
#include <QtTest>

// The resonance calculator through its real widgets.
class TestResonant : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void controls();
};

void TestResonant::calculate_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("field"); // the unknown's field
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("warning");

    const QString noSolution = QStringLiteral("Error: No solution.");
    // L in uH, C in pF, f in MHz unless a step says otherwise.
    QTest::newRow("1 uH with 100 pF") << Steps{"EditI=1", "EditC=100"} << 2 << "15.915494"
                                      << "15.9154943091895"
                                      << "";
    QTest::newRow("in KHz") << Steps{"RadioF2", "EditI=1", "EditC=100"} << 2 << "15915.494"
                            << "15915.4943091895"
                            << "";
    QTest::newRow("L back from 15.915494309 MHz")
        << Steps{"RadioI", "EditF=15.915494309", "EditC=100"} << 0 << "1"
        << "1.00000000002382"
        << "";
    QTest::newRow("C back from 15.915494309 MHz")
        << Steps{"RadioC", "EditF=15.915494309", "EditI=1"} << 1 << "100"
        << "100.000000002382"
        << "";
    QTest::newRow("7.1 MHz with 10 uH")
        << Steps{"RadioC", "EditF=7.1", "EditI=10"} << 1 << "50.248554"
        << "50.2485536809848"
        << "";
    QTest::newRow("all empty") << Steps{} << 2 << ""
                               << "" << noSolution;
    QTest::newRow("L with no frequency") << Steps{"RadioI", "EditC=100"} << 0 << ""
                                         << "" << noSolution;
    QTest::newRow("C with no inductance") << Steps{"RadioC", "EditF=7"} << 1 << ""
                                          << "" << noSolution;
    QTest::newRow("Inductance checked first, the capacitance ignored")
        << Steps{"RadioC", "EditF=7", "EditI=abc", "EditC=xyz"} << 1 << ""
        << ""
        << "Error: Real value for Inductance did not contain a valid number.";
    QTest::newRow("Frequency checked first") << Steps{"RadioI", "EditC=-1", "EditF=-7"} << 0 << ""
                                             << ""
                                             << "Error: Value for Frequency cannot be negative.";
    QTest::newRow("negative capacitance") << Steps{"EditI=1", "EditC=-100"} << 2 << ""
                                          << ""
                                          << "Error: Value for Capacitance cannot be negative.";
    QTest::newRow("out of range") << Steps{"EditI=1e-300", "EditC=1e-300"} << 2 << ""
                                  << "" << noSolution;
}

void TestResonant::calculate() {
    QFETCH(Steps, steps);
    QFETCH(int, field);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(QString, warning);

    FormFixture<TFormResonant> fixture(18);
    RunSteps(fixture, steps);
    fixture.worksheet.Modified = false;
    fixture.messages.ShowWarning(QStringLiteral("earlier warning"));
    fixture.Click(QStringLiteral("ButtonCalculate"));

    const QStringList edits = {"EditI", "EditC", "EditF"};
    QCOMPARE(fixture.messages.warning, warning);
    QCOMPARE(fixture.Text(edits[field]), shown);
    QCOMPARE(fixture.Field(field).text, stored);
    QCOMPARE(fixture.worksheet.Modified, warning.isEmpty());
}

void TestResonant::controls() {
    FormFixture<TFormResonant> fixture(18);
    TFormProblem& form = *fixture.form;
    QCOMPARE(form.Caption(), QStringLiteral("Resonant Frequency"));
    QCOMPARE(form.GetTypeName(), QStringLiteral("Resonant"));
    QCOMPARE(MappedTags(form), (QList<int>{1, 5, 6, 7, 11, 15, 16, 17, 21, 25, 26, 27}));
    const QStringList stems = {"I", "C", "F"};
    const QStringList captions = {"Inductance", "Capacitance", "Frequency"};
    const QList<QStringList> units = {{"uH", "mH", "H"}, {"pF", "uF", "F"}, {"Hz", "KHz", "MHz"}};
    for (int field = 0; field < 3; ++field) {
        QLineEdit* edit = fixture.Edit("Edit" + stems[field]);
        QCOMPARE(form.GetControl(field * 10 + 1), edit);
        QCOMPARE(edit->accessibleName(), captions[field]);
        QCOMPARE(fixture.Find<QLabel>("Label" + stems[field])->text(), captions[field]);
        for (int unit = 0; unit < 3; ++unit) {
            QRadioButton* radio = fixture.Radio("Radio" + stems[field] + QString::number(unit + 1));
            QCOMPARE(form.GetControl(field * 10 + 5 + unit), radio);
            QCOMPARE(radio->text(), units[field][unit]);
        }
    }
    // The Unknown group in its tab order: Frequency, Inductance, Capacitance.
    const QStringList radios = {"RadioF", "RadioI", "RadioC"};
    const QStringList marked = {"EditF", "EditI", "EditC"};
    for (int position = 2; position >= 0; --position) {
        fixture.Click(radios[position]);
        QCOMPARE(fixture.Calculation().Unknown(), position);
        QCOMPARE(fixture.Radio(radios[position])->text(), captions[(position + 2) % 3]);
        for (const QString& edit : marked)
            QCOMPARE(fixture.Edit(edit)->isReadOnly(), edit == marked[position]);
    }
    QCOMPARE(fixture.Find<QGroupBox>("GroupUnknown")->title(), QStringLiteral("Unknown"));
}

QTEST_MAIN(TestResonant)
#include "tst_resonant.moc"
