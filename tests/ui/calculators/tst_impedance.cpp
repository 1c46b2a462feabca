#include "support/formsteps.h"

#include "ui/calculators/circuits/tformcombination.h"

#include <QLabel>
#include <QtTest>

// The impedance calculator through its real widgets: typing, radios and the
// Calculate button, read back from the edits and the status bar.
class TestImpedance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void controlsAndTags();
    void seriesSwitchEmptiesResultAndRedraws();
};

void TestImpedance::calculate_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("result"); // the edit read afterwards; its "J" edit too
    QTest::addColumn<QString>("real");
    QTest::addColumn<QString>("imag");
    QTest::addColumn<QString>("unitRadio"); // checked afterwards; empty: not checked
    QTest::addColumn<QString>("warning");

    const Steps parallel = {"RadioParallel"};
    const Steps series = {"RadioSeries"};
    QTest::newRow("50+j30 | 20-j40")
        << parallel + Steps{"EditZ1=50", "EditZ1J=30", "EditZ2=20", "EditZ2J=-40"} << "Zout"
        << "33.6"
        << "-15.2"
        << "RadioZout1"
        << "";
    QTest::newRow("Z1 back from the result")
        << parallel +
               Steps{"RadioZ1", "EditZout=33.6", "EditZoutJ=-15.2", "EditZ2=20", "EditZ2J=-40"}
        << "Z1"
        << "50"
        << "30"
        << "RadioZ11"
        << "";
    QTest::newRow("100 K | 100 ohm in ohms")
        << parallel + Steps{"RadioZ12", "EditZ1=100", "EditZ2=100", "RadioZout3"} << "Zout"
        << "99.9001"
        << "0"
        << "RadioZout1"
        << "";
    QTest::newRow("1 K + 500 ohm in K")
        << series + Steps{"RadioZ12", "EditZ1=1", "EditZ2=500"} << "Zout"
        << "1.5"
        << "0"
        << "RadioZout2"
        << "";
    QTest::newRow("j100 | -j100") << parallel + Steps{"EditZ1J=100", "EditZ2J=-100"} << "Zout"
                                  << ""
                                  << ""
                                  << ""
                                  << "Error: Z1 and Z2 are both zero.";
    QTest::newRow("all empty in parallel") << parallel << "Zout"
                                           << ""
                                           << ""
                                           << ""
                                           << "Error: Z1 and Z2 are both zero.";
    QTest::newRow("all empty in series") << series << "Zout"
                                         << "0"
                                         << "0"
                                         << "RadioZout1"
                                         << "";
    QTest::newRow("Z2 unknown, result equal to Z1")
        << parallel + Steps{"RadioZ2", "EditZ1=30", "EditZ1J=10", "EditZout=30", "EditZoutJ=10"}
        << "Z2"
        << ""
        << ""
        << ""
        << "Error: No solution.";
    QTest::newRow("negative resistance takes part")
        << series + Steps{"EditZ1=-50", "EditZ2=20", "EditZ2J=3"} << "Zout"
        << "-30"
        << "3"
        << "RadioZout1"
        << "";
    QTest::newRow("imaginary text checked after the real one")
        << parallel + Steps{"EditZ1=1", "EditZ2=2", "EditZ2J=abc"} << "Zout"
        << ""
        << ""
        << ""
        << "Error: Imaginary value for Z2 did not contain a valid number.";
    QTest::newRow("result named Zout in messages")
        << series + Steps{"RadioZ2", "EditZout=-", "EditZ1=1"} << "Z2"
        << ""
        << ""
        << ""
        << "Error: Real value for Zout did not contain a valid number.";
}

void TestImpedance::calculate() {
    QFETCH(Steps, steps);
    QFETCH(QString, result);
    QFETCH(QString, real);
    QFETCH(QString, imag);
    QFETCH(QString, unitRadio);
    QFETCH(QString, warning);

    FormFixture<TFormCombination> fixture(4);
    RunSteps(fixture, steps);
    fixture.worksheet.Modified = false;
    fixture.messages.ShowWarning(QStringLiteral("earlier warning"));
    fixture.Click(QStringLiteral("ButtonCalculate"));

    QCOMPARE(fixture.Text("Edit" + result), real);
    QCOMPARE(fixture.Text("Edit" + result + "J"), imag);
    QCOMPARE(fixture.messages.warning, warning);
    QCOMPARE(fixture.worksheet.Modified, warning.isEmpty());
    if (!unitRadio.isEmpty())
        QVERIFY(fixture.Radio(unitRadio)->isChecked());
}

void TestImpedance::controlsAndTags() {
    FormFixture<TFormCombination> fixture(4);
    TFormProblem* form = fixture.form.get();
    QCOMPARE(form->Caption(), QStringLiteral("Impedance:"));
    QCOMPARE(form->GetTypeName(), QStringLiteral("Impedance"));
    const QStringList stems = {"Z1", "Z2", "Zout"};
    const QStringList pictures = {"ImageOhm2", "ImageOhm3", "ImageOhm4"};
    QList<int> tags;
    for (int field = 0; field < 3; ++field) {
        const int base = field * 10;
        QCOMPARE(form->GetControl(base + 1), fixture.Edit("Edit" + stems[field]));
        QCOMPARE(form->GetControl(base + 2), fixture.Edit("Edit" + stems[field] + "J"));
        QCOMPARE(fixture.Edit("Edit" + stems[field] + "J")->accessibleName(),
                 (field == 2 ? QStringLiteral("Result") : stems[field]) + " +j");
        for (int unit = 0; unit < 3; ++unit)
            QCOMPARE(form->GetControl(base + 5 + unit),
                     fixture.Radio("Radio" + stems[field] + QString::number(unit + 1)));
        QCOMPARE(form->GetControl(1000 + base + 5), fixture.Find(pictures[field]));
        tags << base + 1 << base + 2 << base + 5 << base + 6 << base + 7 << 1000 + base + 5;
    }
    for (int tag = 0; tag < 1100; ++tag)
        QCOMPARE(form->GetControl(tag) != nullptr, tags.contains(tag));
    QCOMPARE(fixture.Radio("RadioZout")->text(), QStringLiteral("Result"));
    QCOMPARE(fixture.Find<QLabel>("LabelZout")->text(), QStringLiteral("Result"));

    // The unknown's edits take the unknown's colours and refuse typing.
    fixture.Click(QStringLiteral("RadioZ1"));
    QVERIFY(fixture.Edit("EditZ1")->isReadOnly());
    QVERIFY(fixture.Edit("EditZ1J")->isReadOnly());
    QVERIFY(!fixture.Edit("EditZout")->isReadOnly());
    QCOMPARE(fixture.Calculation().Unknown(), 1);
}

void TestImpedance::seriesSwitchEmptiesResultAndRedraws() {
    FormFixture<TFormCombination> fixture(4);
    fixture.config.AutoCalculate = 1;
    fixture.Type(QStringLiteral("EditZ1"), QStringLiteral("10"));
    fixture.Type(QStringLiteral("EditZ2"), QStringLiteral("10"));
    QCOMPARE(fixture.Text("EditZout"), QStringLiteral("5"));
    QWidget* first = fixture.Find("BoxZ1");
    QWidget* second = fixture.Find("BoxZ2");
    const QPoint firstParallel = first->pos();

    fixture.Click(QStringLiteral("RadioSeries"));
    // Emptied, then recalculated at once.
    QCOMPARE(fixture.Text("EditZout"), QStringLiteral("20"));
    QCOMPARE(first->y() + first->height() / 2, second->y() + second->height() / 2);
    QVERIFY(first->x() < second->x()); // Z1 first from the input
    QVERIFY(first->x() < firstParallel.x() && first->y() > firstParallel.y());

    fixture.config.AutoCalculate = 0;
    fixture.Click(QStringLiteral("RadioParallel"));
    QCOMPARE(fixture.Text("EditZout"), QString());
    QCOMPARE(fixture.Field(2).text, QString());
    QCOMPARE(first->pos(), firstParallel);
}

QTEST_MAIN(TestImpedance)
#include "tst_impedance.moc"
