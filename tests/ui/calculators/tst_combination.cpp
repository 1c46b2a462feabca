#include "support/formfixture.h"

#include "ui/calculators/circuits/tformcombination.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestCombination : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void captionsAndNames_data();
    void captionsAndNames();
    void invalidInputsChangeNothing();
    void seriesDrawingMovesBoxesOnce();
    void unknownMapsToItsField();
    void overflowIsNoSolution();
};

void TestCombination::calculate_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("configuration");
    QTest::addColumn<int>("unknown");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("units");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("storedUnit");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("warning");

    const QList<int> ohms = {0, 0, 0};
    QTest::newRow("resistor parallel 100 | 2.2K")
        << 1 << 0 << 0 << QStringList{"100", "2.2", "old"} << QList<int>{0, 1, 2} << 2
        << "95.6521739130435" << 0 << "95.652174" << "";
    QTest::newRow("resistor series 100 + 2.2K")
        << 1 << 1 << 0 << QStringList{"100", "2.2", ""} << QList<int>{0, 1, 0} << 2 << "2.3" << 1
        << "2.3" << "";
    QTest::newRow("capacitor series 100p, 0.001u")
        << 2 << 1 << 0 << QStringList{"100", "0.001", ""} << QList<int>{0, 1, 0} << 2
        << "90.9090909090909" << 0 << "90.909091" << "";
    QTest::newRow("capacitor parallel 100p + 0.001u")
        << 2 << 0 << 0 << QStringList{"100", "0.001", ""} << QList<int>{0, 1, 0} << 2 << "0.0011"
        << 1 << "0.0011" << "";
    QTest::newRow("inductor parallel 10u | 1m")
        << 3 << 0 << 0 << QStringList{"10", "1", ""} << QList<int>{0, 1, 0} << 2
        << "9.9009900990099" << 0 << "9.9009901" << "";
    QTest::newRow("inductor series 10u + 1m")
        << 3 << 1 << 0 << QStringList{"10", "1", ""} << QList<int>{0, 1, 0} << 2 << "1.01" << 1
        << "1.01" << "";
    QTest::newRow("resistor parallel, both zero")
        << 1 << 0 << 0 << QStringList{"0", "0", "old"} << ohms << 2 << "old" << 0 << "old"
        << "Error: R1 and R2 are both zero.";
    QTest::newRow("resistor parallel, both empty")
        << 1 << 0 << 0 << QStringList{"", "", "old"} << ohms << 2 << "old" << 0 << "old"
        << "Error: R1 and R2 are both zero.";
    QTest::newRow("capacitor series, both zero")
        << 2 << 1 << 0 << QStringList{"", "0", "old"} << ohms << 2 << "old" << 0 << "old"
        << "Error: C1 and C2 are both zero.";
    QTest::newRow("inductor parallel, both zero")
        << 3 << 0 << 0 << QStringList{"0", "", "old"} << ohms << 2 << "old" << 0 << "old"
        << "Error: L1 and L2 are both zero.";
    QTest::newRow("resistor parallel, R1 unknown, equal values")
        << 1 << 0 << 1 << QStringList{"old", "50", "50"} << ohms << 0 << "old" << 0 << "old"
        << "Error: No solution.";
    QTest::newRow("resistor parallel, R1 unknown, result above R2")
        << 1 << 0 << 1 << QStringList{"old", "50", "60"} << ohms << 0 << "old" << 0 << "old"
        << "Error: No solution.";
    QTest::newRow("resistor parallel, R1 unknown")
        << 1 << 0 << 1 << QStringList{"", "2.2", "95.6521739130435"} << QList<int>{1, 1, 0} << 0
        << "100" << 0 << "100" << "";
    QTest::newRow("resistor parallel, R2 unknown, unit of the smaller index")
        << 1 << 0 << 2 << QStringList{"0.3", "", "0.0002"} << QList<int>{1, 0, 2} << 1 << "0.6"
        << 1 << "0.6" << "";
    QTest::newRow("resistor series, R2 unknown")
        << 1 << 1 << 2 << QStringList{"1", "", "4.7"} << QList<int>{1, 0, 1} << 1 << "3.7" << 1
        << "3.7" << "";
    QTest::newRow("resistor series, R1 unknown, zero is an answer")
        << 1 << 1 << 1 << QStringList{"", "100", "100"} << ohms << 0 << "0" << 0 << "0" << "";
    QTest::newRow("resistor series, R1 unknown, negative")
        << 1 << 1 << 1 << QStringList{"old", "100", "50"} << ohms << 0 << "old" << 0 << "old"
        << "Error: No solution.";
    QTest::newRow("capacitor series, C1 unknown")
        << 2 << 1 << 1 << QStringList{"", "100", "50"} << ohms << 0 << "100" << 0 << "100" << "";
    QTest::newRow("capacitor parallel, C2 unknown")
        << 2 << 0 << 2 << QStringList{"30", "", "100"} << ohms << 1 << "70" << 0 << "70" << "";
    QTest::newRow("negative R2")
        << 1 << 0 << 0 << QStringList{"10", "-10", "old"} << ohms << 2 << "old" << 0 << "old"
        << "Error: Value for R2 cannot be negative.";
    QTest::newRow("negative result while R2 is unknown")
        << 1 << 0 << 2 << QStringList{"10", "old", "-10"} << ohms << 1 << "old" << 0 << "old"
        << "Error: Value for Rout cannot be negative.";
    QTest::newRow("both invalid: only the first is reported")
        << 1 << 0 << 0 << QStringList{"abc", "x", "old"} << ohms << 2 << "old" << 0 << "old"
        << "Error: Real value for R1 did not contain a valid number.";
    QTest::newRow("result validated first when a component is unknown")
        << 3 << 1 << 1 << QStringList{"", "abc", "1e"} << ohms << 0 << "" << 0 << ""
        << "Error: Real value for Lout did not contain a valid number.";
    QTest::newRow("the unknown itself is not validated")
        << 1 << 1 << 0 << QStringList{"1", "2", "junk"} << ohms << 2 << "3" << 0 << "3" << "";
}

void TestCombination::calculate() {
    QFETCH(int, type);
    QFETCH(int, configuration);
    QFETCH(int, unknown);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, units);
    QFETCH(int, target);
    QFETCH(QString, stored);
    QFETCH(int, storedUnit);
    QFETCH(QString, shown);
    QFETCH(QString, warning);

    FormFixture<> fixture(type);
    RCalculation& calculation = fixture.Calculation();
    calculation.SetConfiguration(configuration);
    calculation.SetUnknown(unknown);
    for (int i = 0; i < 3; ++i) {
        calculation.Field(i).text = texts[i];
        calculation.Field(i).unitIndex = units[i];
    }
    fixture.form->ShowCalculation();
    fixture.messages.ShowWarning(QStringLiteral("earlier warning"));
    fixture.worksheet.Modified = false;

    fixture.form->Calculate();

    const RField& result = calculation.Field(target);
    QCOMPARE(result.text, stored);
    QCOMPARE(result.unitIndex, warning.isEmpty() ? storedUnit : units[target]);
    const QString letter = type == 1 ? "R" : type == 2 ? "C" : "L";
    const QString editName = target == 2 ? "Edit" + letter + "out"
                                         : "Edit" + letter + QString::number(target + 1);
    QLineEdit* edit = fixture.Edit(editName);
    QVERIFY(edit);
    QCOMPARE(edit->text(), shown);
    if (warning.isEmpty()) {
        QCOMPARE(fixture.messages.warning, QString());
        QVERIFY(fixture.worksheet.Modified);
        QCOMPARE(result.imagText, QStringLiteral("0"));
        // The unit radio of the stored unit is checked.
        const QString radioName = (target == 2 ? "Radio" + letter + "out"
                                               : "Radio" + letter + QString::number(target + 1)) +
                                  QString::number(storedUnit + 1);
        QVERIFY(fixture.Radio(radioName)->isChecked());
    } else {
        QCOMPARE(fixture.messages.warning, warning);
        QVERIFY(!fixture.worksheet.Modified);
        QCOMPARE(result.imagText, QString());
    }
    QVERIFY(fixture.messages.boxes.isEmpty());
}

void TestCombination::captionsAndNames_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<int>("help");

    QTest::newRow("resistor") << 1 << "Resistor:" << "Resistor" << "R"
                              << QStringList{"", "K", "M"} << 3000;
    QTest::newRow("capacitor") << 2 << "Capacitor:" << "Capacitor" << "C"
                               << QStringList{"pF", "uF", "F"} << 3100;
    QTest::newRow("inductor") << 3 << "Inductor:" << "Inductor" << "L"
                              << QStringList{"uH", "mH", "H"} << 3200;
}

void TestCombination::captionsAndNames() {
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, word);
    QFETCH(QString, letter);
    QFETCH(QStringList, units);
    QFETCH(int, help);

    FormFixture<> fixture(type);
    int helpShown = 0;
    fixture.context.showHelp = [&helpShown](int topic) { helpShown = topic; };
    QCOMPARE(fixture.form->Caption(), caption);
    QCOMPARE(fixture.form->GetTypeName(), word);
    QWidget* panel = fixture.form->PanelMain();
    QCOMPARE(panel->objectName(), QStringLiteral("PanelMain"));

    const QStringList stems = {letter + "1", letter + "2", letter + "out"};
    for (int field = 0; field < 3; ++field) {
        auto* edit = panel->findChild<QLineEdit*>("Edit" + stems[field]);
        QVERIFY2(edit, qPrintable("Edit" + stems[field]));
        QCOMPARE(fixture.form->GetControl(field * 10 + 1), edit);
        QCOMPARE(fixture.form->GetControl(field * 10 + 2), nullptr);
        for (int unit = 0; unit < 3; ++unit) {
            auto* radio = panel->findChild<QRadioButton*>("Radio" + stems[field] +
                                                          QString::number(unit + 1));
            QVERIFY(radio);
            QCOMPARE(fixture.form->GetControl(field * 10 + 5 + unit), radio);
            QCOMPARE(radio->text(), units[unit]);
        }
        QCOMPARE(fixture.form->GetControl(field * 10 + 8), nullptr);
        QCOMPARE(fixture.form->GetControl(1000 + field * 10 + 5) != nullptr, type == 1);
    }
    if (type == 1) {
        QVERIFY(panel->findChild<QWidget*>("ImageOhm1"));
        QVERIFY(panel->findChild<QWidget*>("ImageOhm2"));
        QVERIFY(panel->findChild<QWidget*>("ImageOhmOut"));
    }
    QCOMPARE(panel->findChild<QLabel*>("Label" + stems[2])->text(), QStringLiteral("Result"));
    QCOMPARE(panel->findChild<QLabel*>("Label" + stems[0])->text(), stems[0]);
    QCOMPARE(panel->findChild<QRadioButton*>("RadioParallel")->text(), QStringLiteral("Parallel"));
    QCOMPARE(panel->findChild<QRadioButton*>("RadioSeries")->text(), QStringLiteral("Series"));
    QCOMPARE(panel->findChild<QGroupBox*>("GroupType")->title(), QStringLiteral("Type"));
    QCOMPARE(panel->findChild<QGroupBox*>("GroupUnknown")->title(), QStringLiteral("Unknown"));
    QCOMPARE(panel->findChild<QRadioButton*>("Radio" + stems[2])->text(), QStringLiteral("Result"));
    QCOMPARE(panel->findChild<QRadioButton*>("Radio" + stems[0])->text(), stems[0]);
    QCOMPARE(panel->findChild<QPushButton*>("ButtonCalculate")->text(), QStringLiteral("Calculate"));

    QTest::mouseClick(panel->findChild<QPushButton*>("ButtonHelp"), Qt::LeftButton);
    QCOMPARE(helpShown, help);
}

void TestCombination::invalidInputsChangeNothing() {
    FormFixture<> fixture(1);
    RCalculation& calculation = fixture.Calculation();
    calculation.Field(0).text = QStringLiteral("-");
    calculation.Field(2).SetTexts(QStringLiteral("5"), QStringLiteral("7"));
    fixture.form->Calculate();
    QCOMPARE(fixture.messages.warning,
             QStringLiteral("Error: Real value for R1 did not contain a valid number."));
    QCOMPARE(calculation.Field(2).text, QStringLiteral("5"));
    QCOMPARE(calculation.Field(2).imagText, QStringLiteral("7"));
    calculation.SetUnknown(7); // from a damaged file: nothing happens
    fixture.messages.Reset();
    fixture.form->Calculate();
    QVERIFY(fixture.messages.warnings.isEmpty());
    QCOMPARE(fixture.messages.clears, 0);
}

void TestCombination::seriesDrawingMovesBoxesOnce() {
    FormFixture<TFormCombination> fixture(1);
    auto* form = fixture.form.get();
    QWidget* first = fixture.Find("BoxR1");
    QWidget* second = fixture.Find("BoxR2");
    QWidget* label = fixture.Find("LabelR1");
    const QPoint firstParallel = first->pos();
    const QPoint secondParallel = second->pos();
    const QPoint labelParallel = label->pos();

    fixture.Calculation().SetConfiguration(1);
    form->ShowConfiguration();
    const QPoint firstSeries = first->pos();
    // One straight line: both boxes at one height, the second towards the input.
    QCOMPARE(first->y() + first->height() / 2, second->y() + second->height() / 2);
    QVERIFY(second->x() < first->x());
    QVERIFY(firstSeries.x() > firstParallel.x());
    QVERIFY(second->x() < secondParallel.x());
    QCOMPARE(label->pos() - labelParallel, firstSeries - firstParallel);
    QVERIFY(fixture.Radio("RadioSeries")->isChecked());
    QVERIFY(!fixture.Radio("RadioParallel")->isChecked());

    form->ShowConfiguration(); // the same drawing again moves nothing
    QCOMPARE(first->pos(), firstSeries);

    fixture.Calculation().SetConfiguration(0);
    form->ShowConfiguration();
    QCOMPARE(first->pos(), firstParallel);
    QCOMPARE(second->pos(), secondParallel);
    QVERIFY(fixture.Radio("RadioParallel")->isChecked());
}

void TestCombination::unknownMapsToItsField() {
    FormFixture<TFormCombination> fixture(2);
    const int expected[3] = {2, 0, 1};
    for (int unknown = 0; unknown < 3; ++unknown) {
        fixture.Calculation().SetUnknown(unknown);
        QCOMPARE(fixture.form->GetUnknownField(), &fixture.Field(expected[unknown]));
    }
    fixture.Calculation().SetUnknown(3);
    QCOMPARE(fixture.form->GetUnknownField(), nullptr);
}

void TestCombination::overflowIsNoSolution() {
    FormFixture<TFormCombination> fixture(1);
    fixture.Calculation().SetConfiguration(1);
    fixture.Set(0, QStringLiteral("1e308"));
    fixture.Set(1, QStringLiteral("1e308"));
    fixture.Set(2, QStringLiteral("old"));
    fixture.form->Calculate();
    QCOMPARE(fixture.messages.warning, QStringLiteral("Error: No solution."));
    QCOMPARE(fixture.Field(2).text, QStringLiteral("old"));
}

QTEST_MAIN(TestCombination)
#include "tst_combination.moc"
