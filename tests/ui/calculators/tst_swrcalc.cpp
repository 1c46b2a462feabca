#include "support/formsteps.h"

#include "core/binaryio.h"
#include "ui/calculators/rf/tformswrcalc.h"

#include <QBuffer>
#include <QLabel>
#include <QtTest>

// The SWR calculator and its reflection reading through the real widgets.
class TestSwrCalc : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void controls();
    void readingFollowsTheSwrBox();
    void readingFollowsThePrecision();
    void unitsDoNotMatter();
    void readingIsNotSaved();
};

namespace {

QString Reading(FormFixture<TFormSWRCalc>& fixture) {
    return fixture.Find<QLabel>(QStringLiteral("LabelReflection"))->text();
}

const QString TwoToOne =
    QStringLiteral("|\u0393| 0.33333333  Return loss 9.542425 dB  Mismatch loss 0.511525 dB");

} // namespace

void TestSwrCalc::calculate_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("swr");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("warning");

    const QString noSolution = QStringLiteral("Error: No solution.");
    // Ro starts at 50 ohms.
    QTest::newRow("50 on 50") << Steps{"EditZant=50", "EditZantJ=0"} << "1"
                              << "|\u0393| 0  Return loss \u221E dB  Mismatch loss 0 dB"
                              << "";
    QTest::newRow("100 on 50") << Steps{"EditZant=100"} << "2" << TwoToOne << "";
    QTest::newRow("25 on 50") << Steps{"EditZant=25"} << "2" << TwoToOne << "";
    QTest::newRow("25+j25 on 50")
        << Steps{"EditZant=25", "EditZantJ=25"} << "2.618034"
        << "|\u0393| 0.4472136  Return loss 6.9897 dB  Mismatch loss 0.9691 dB"
        << "";
    QTest::newRow("a capacitive load like its inductive twin")
        << Steps{"EditZant=50", "EditZantJ=-30"} << "1.8064184"
        << "|\u0393| 0.28734789  Return loss 10.83184 dB  Mismatch loss 0.374265 dB"
        << "";
    QTest::newRow("empty load") << Steps{} << ""
                                << "" << noSolution;
    QTest::newRow("pure reactance") << Steps{"EditZantJ=30"} << ""
                                    << "" << noSolution;
    QTest::newRow("no line and no load") << Steps{"EditRo=0"} << ""
                                         << "" << noSolution;
    QTest::newRow("no line impedance") << Steps{"EditZant=100", "EditRo="} << ""
                                       << "" << noSolution;
    QTest::newRow("Zant checked before Ro") << Steps{"EditZant=-100", "EditRo=abc"} << ""
                                            << ""
                                            << "Error: Value for Zant cannot be negative.";
    QTest::newRow("imaginary part not a number")
        << Steps{"EditZant=100", "EditZantJ=1e999"} << ""
        << ""
        << "Error: Imaginary value for Zant did not contain a valid number.";
    QTest::newRow("negative line") << Steps{"EditZant=100", "EditRo=-50"} << ""
                                   << ""
                                   << "Error: Value for Ro cannot be negative.";
    QTest::newRow("Ro not a number") << Steps{"EditZant=100", "EditRo=-"} << ""
                                     << ""
                                     << "Error: Real value for Ro did not contain a valid number.";
    QTest::newRow("a load of 1e-300 ohms on a line of 1e-300")
        << Steps{"EditZant=1e-300", "EditRo=1e-300"} << "1"
        << "|\u0393| 0  Return loss \u221E dB  Mismatch loss 0 dB"
        << "";
    QTest::newRow("a load beyond a double") << Steps{"RadioZant3", "EditZant=1e308"} << ""
                                            << "" << noSolution;
}

void TestSwrCalc::calculate() {
    QFETCH(Steps, steps);
    QFETCH(QString, swr);
    QFETCH(QString, reading);
    QFETCH(QString, warning);

    FormFixture<TFormSWRCalc> fixture(10);
    RunSteps(fixture, steps);
    fixture.worksheet.Modified = false;
    fixture.messages.ShowWarning(QStringLiteral("earlier warning"));
    fixture.Click(QStringLiteral("ButtonCalculate"));

    QCOMPARE(fixture.messages.warning, warning);
    QCOMPARE(fixture.Text("EditSWR"), swr);
    QCOMPARE(Reading(fixture), reading);
    QCOMPARE(fixture.worksheet.Modified, warning.isEmpty());
    QCOMPARE(fixture.Field(2).imagText, warning.isEmpty() ? QStringLiteral("0") : QString());
}

void TestSwrCalc::controls() {
    FormFixture<TFormSWRCalc> fixture(10);
    TFormProblem& form = *fixture.form;
    QCOMPARE(form.Caption(), QStringLiteral("SWR Calculator:"));
    QCOMPARE(form.GetTypeName(), QStringLiteral("SWR"));
    QCOMPARE(MappedTags(form), (QList<int>{1, 2, 5, 6, 7, 11, 15, 16, 17, 21, 1005, 1015}));
    QCOMPARE(form.GetControl(1), fixture.Edit("EditZant"));
    QCOMPARE(form.GetControl(2), fixture.Edit("EditZantJ"));
    QCOMPARE(form.GetControl(11), fixture.Edit("EditRo"));
    QCOMPARE(form.GetControl(21), fixture.Edit("EditSWR"));
    QCOMPARE(form.GetControl(1005), fixture.Find("ImageOhm2"));
    QCOMPARE(form.GetControl(1015), fixture.Find("ImageOhm3"));
    for (int unit = 0; unit < 3; ++unit) {
        QCOMPARE(form.GetControl(5 + unit), fixture.Radio("RadioZant" + QString::number(unit + 1)));
        QCOMPARE(form.GetControl(15 + unit), fixture.Radio("RadioRo" + QString::number(unit + 1)));
    }
    QVERIFY(!fixture.Find("GroupUnknown"));
    QCOMPARE(fixture.Edit("EditZantJ")->accessibleName(), QStringLiteral("Zant +j"));
    QCOMPARE(fixture.Edit("EditSWR")->accessibleName(), QStringLiteral("SWR"));
    QVERIFY(fixture.Edit("EditSWR")->isReadOnly());
    QVERIFY(fixture.Edit("EditSWR")->width() > fixture.Edit("EditRo")->width());
    QCOMPARE(fixture.Text("EditRo"), QStringLiteral("50"));

    // The reading stands under the SWR and overlaps none of the boxes.
    auto* reading = fixture.Find<QLabel>(QStringLiteral("LabelReflection"));
    QCOMPARE(reading->accessibleName(), QStringLiteral("Reflection"));
    QVERIFY(reading->text().isEmpty());
    for (const char* name : {"BoxSWR", "BoxZant", "BoxRo", "ButtonCalculate", "ButtonHelp"})
        QVERIFY2(!reading->geometry().intersects(fixture.Find(name)->geometry()), name);
    QVERIFY(reading->y() >= fixture.Find("BoxSWR")->geometry().bottom());
    QVERIFY(fixture.Find("BoxSWR")->geometry().contains(
        fixture.Edit("EditSWR")->geometry().translated(fixture.Find("BoxSWR")->pos())));

    fixture.Type(QStringLiteral("EditZant"), QStringLiteral("100"));
    fixture.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(reading->accessibleDescription(), TwoToOne);
}

void TestSwrCalc::readingFollowsTheSwrBox() {
    FormFixture<TFormSWRCalc> fixture(10);
    fixture.Type(QStringLiteral("EditZant"), QStringLiteral("100"));
    fixture.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(Reading(fixture), TwoToOne);

    // A failed calculation keeps the SWR, and with it its reading.
    for (const char* load : {"abc", "0"}) {
        fixture.Type(QStringLiteral("EditZant"), QString::fromLatin1(load));
        fixture.Click(QStringLiteral("ButtonCalculate"));
        QCOMPARE(fixture.Text("EditSWR"), QStringLiteral("2"));
        QCOMPARE(Reading(fixture), TwoToOne);
    }

    // Shown again (another tab and back, a worksheet read): the reading is
    // that of the SWR in the box, whatever the inputs now say.
    fixture.form->ShowCalculation();
    QCOMPARE(Reading(fixture), TwoToOne);
    fixture.Set(2, QStringLiteral("3"));
    QCOMPARE(Reading(fixture),
             QStringLiteral("|\u0393| 0.5  Return loss 6.0206 dB  Mismatch loss 1.249387 dB"));
    fixture.Set(2, QStringLiteral("abc"));
    QCOMPARE(fixture.Text("EditSWR"), QStringLiteral("abc"));
    QCOMPARE(Reading(fixture), QString());
    fixture.Set(2, QStringLiteral("0.5")); // no load and line give an SWR below 1
    QCOMPARE(Reading(fixture), QString());

    // Clear empties the SWR and its reading, and Ro too.
    fixture.Set(2, QStringLiteral("2"));
    fixture.Click(QStringLiteral("ButtonClear"));
    QCOMPARE(fixture.Text("EditSWR"), QString());
    QCOMPARE(fixture.Text("EditRo"), QString());
    QCOMPARE(Reading(fixture), QString());

    // With automatic calculation every keystroke renews it.
    fixture.config.AutoCalculate = 1;
    fixture.Type(QStringLiteral("EditRo"), QStringLiteral("50"));
    fixture.Type(QStringLiteral("EditZant"), QStringLiteral("75"));
    QCOMPARE(fixture.Text("EditSWR"), QStringLiteral("1.5"));
    QCOMPARE(Reading(fixture),
             QStringLiteral("|\u0393| 0.2  Return loss 13.9794 dB  Mismatch loss 0.177288 dB"));
    fixture.Type(QStringLiteral("EditZantJ"), QStringLiteral("-"));
    QCOMPARE(fixture.Text("EditSWR"), QStringLiteral("1.5"));
    QVERIFY(Reading(fixture).startsWith(QStringLiteral("|\u0393| 0.2 ")));
}

void TestSwrCalc::readingFollowsThePrecision() {
    FormFixture<TFormSWRCalc> fixture(10);
    fixture.Type(QStringLiteral("EditZant"), QStringLiteral("100"));
    fixture.Click(QStringLiteral("ButtonCalculate"));
    // The preferences dialog closes with OK: the main window shows the calculation again.
    fixture.config.Precision = 4;
    fixture.form->ShowCalculation();
    QCOMPARE(Reading(fixture),
             QStringLiteral("|\u0393| 0.3333  Return loss 9.54 dB  Mismatch loss 0.51 dB"));

    // At the highest precision the line breaks between its parts only.
    fixture.config.Precision = 15;
    fixture.form->ShowCalculation();
    const QString full = QStringLiteral("|\u0393| 0.333333333333333  Return loss 9.5424250943933 dB"
                                        "  Mismatch loss 0.5115252244738 dB");
    auto* label = fixture.Find<QLabel>(QStringLiteral("LabelReflection"));
    QCOMPARE(label->accessibleDescription(), full);
    QVERIFY(Reading(fixture).contains(u'\n'));
    QCOMPARE(QString(Reading(fixture)).replace(u'\n', QStringLiteral("  ")), full);
    for (const QString& line : Reading(fixture).split(u'\n'))
        QVERIFY(label->fontMetrics().horizontalAdvance(line) <= label->width());
    QVERIFY(label->height() >= 2 * label->fontMetrics().lineSpacing());
}

void TestSwrCalc::unitsDoNotMatter() {
    // With kilohms as the default, a new calculation's Ro shows 0.05.
    FormFixture<TFormSWRCalc> fixture(10);
    fixture.config.DefaultUnits[0] = 1;
    RCalculation calculation;
    fixture.form->InitCalculation(calculation);
    fixture.context.calculation = &calculation;
    fixture.form->ShowCalculation();
    QCOMPARE(fixture.Text("EditRo"), QStringLiteral("0.05"));
    QVERIFY(fixture.Radio("RadioRo2")->isChecked());
    fixture.Type(QStringLiteral("EditZant"), QStringLiteral("0.1"));
    fixture.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(fixture.Text("EditSWR"), QStringLiteral("2"));
    QCOMPARE(Reading(fixture), TwoToOne);
    // Changing a unit converts the value and leaves the SWR and its reading.
    fixture.Click(QStringLiteral("RadioZant1"));
    QCOMPARE(fixture.Text("EditZant"), QStringLiteral("100"));
    QCOMPARE(Reading(fixture), TwoToOne);
    fixture.context.calculation = fixture.worksheet.At(0);
}

void TestSwrCalc::readingIsNotSaved() {
    // The record of a calculated SWR is that of the same texts typed by hand.
    FormFixture<TFormSWRCalc> fixture(10);
    fixture.Type(QStringLiteral("EditZant"), QStringLiteral("100"));
    fixture.Click(QStringLiteral("ButtonCalculate"));
    QVERIFY(!Reading(fixture).isEmpty());

    RCalculation typed;
    fixture.form->InitCalculation(typed);
    typed.SetName(fixture.Calculation().Name());
    typed.SetCurrent(true);
    typed.Field(0).text = QStringLiteral("100");
    typed.Field(2).SetTexts(QStringLiteral("2"), QStringLiteral("0"));
    auto bytes = [](const RCalculation& calculation) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        BinaryWriter writer(buffer);
        calculation.Write(writer);
        return buffer.data();
    };
    QCOMPARE(bytes(fixture.Calculation()), bytes(typed));
}

QTEST_MAIN(TestSwrCalc)
#include "tst_swrcalc.moc"
