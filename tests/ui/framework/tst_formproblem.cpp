#include "support/formfixture.h"
#include "support/formsteps.h"

#include "core/report/worksheetreport.h"
#include "ui/calculators/calculatorforms.h"
#include "ui/calculators/circuits/tformcombination.h"
#include "ui/framework/rschematic.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The shared behaviour of every calculator, on the resistor form.
class TestFormProblem : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void typingWithAutomaticCalculation();
    void typingWithoutAutomaticCalculation();
    void loneMinusWarnsUntilADigitFollows();
    void unitSwitching_data();
    void unitSwitching();
    void checkedUnitRadioChangesNothing();
    void ohmPictureClickAndFocusFrame();
    void unknownMarkedInConfiguredColours();
    void unknownChoiceCalculatesOnlyWithAutomaticCalculation();
    void configurationChangeEmptiesTheUnknown();
    void clearRestoresDefaultUnits();
    void showingNeverWritesDisplayTextBack();
    void solutionsShownWhenSelected();
    void programTextsShowTheirStart_data();
    void programTextsShowTheirStart();
    void unlistedUnitIsTheFirstUnit();
    void buttonsCalculateClearHelp();
    void baseOperations();
};

void TestFormProblem::typingWithAutomaticCalculation() {
    FormFixture<TFormCombination> fixture(1);
    fixture.config.AutoCalculate = 1;
    fixture.Set(1, QStringLiteral("10"));
    QLineEdit* r1 = fixture.Edit("EditR1");
    QTest::keyClicks(r1, QStringLiteral("1"));
    QCOMPARE(fixture.messages.clears, 1);
    QCOMPARE(fixture.Field(2).text, QStringLiteral("0.909090909090909"));
    QTest::keyClicks(r1, QStringLiteral("0"));
    QCOMPARE(fixture.messages.clears, 2);
    QCOMPARE(fixture.Field(0).text, QStringLiteral("10"));
    QCOMPARE(fixture.Field(2).text, QStringLiteral("5"));
    QCOMPARE(fixture.Edit("EditRout")->text(), QStringLiteral("5"));
    QVERIFY(fixture.worksheet.Modified);
    // The typing stays where the user put it; a result shows its start.
    QCOMPARE(r1->cursorPosition(), 2);
    QCOMPARE(fixture.Edit("EditRout")->cursorPosition(), 0);
}

void TestFormProblem::typingWithoutAutomaticCalculation() {
    FormFixture<TFormCombination> fixture(1);
    fixture.Set(1, QStringLiteral("10"));
    QTest::keyClicks(fixture.Edit("EditR1"), QStringLiteral("10"));
    QCOMPARE(fixture.Field(0).text, QStringLiteral("10"));
    QCOMPARE(fixture.Field(2).text, QString());
    QCOMPARE(fixture.messages.clears, 0);
    QVERIFY(fixture.worksheet.Modified);
    QTest::mouseClick(fixture.Find<QPushButton>("ButtonCalculate"), Qt::LeftButton);
    QCOMPARE(fixture.Field(2).text, QStringLiteral("5"));
}

void TestFormProblem::loneMinusWarnsUntilADigitFollows() {
    FormFixture<TFormCombination> fixture(1);
    fixture.config.AutoCalculate = 1;
    fixture.Set(1, QStringLiteral("10"));
    QTest::keyClicks(fixture.Edit("EditR1"), QStringLiteral("-"));
    QCOMPARE(fixture.messages.warning,
             QStringLiteral("Error: Real value for R1 did not contain a valid number."));
    QTest::keyClicks(fixture.Edit("EditR1"), QStringLiteral("5"));
    QCOMPARE(fixture.messages.warning, QStringLiteral("Error: Value for R1 cannot be negative."));
    QTest::keyClick(fixture.Edit("EditR1"), Qt::Key_Home);
    QTest::keyClick(fixture.Edit("EditR1"), Qt::Key_Delete);
    QCOMPARE(fixture.Field(0).text, QStringLiteral("5"));
    QCOMPARE(fixture.messages.warning, QString());
}

void TestFormProblem::unitSwitching_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("shown");

    QTest::newRow("1500 to K") << "1500" << "RadioR12" << 1 << "1.5" << "1.5";
    QTest::newRow("1500 to M") << "1500" << "RadioR13" << 2 << "0.0015" << "0.0015";
    QTest::newRow("third of an ohm to K")
        << "0.333333333333333" << "RadioR12" << 1 << "0.000333333333333333" << "0.00033333333";
    QTest::newRow("empty only moves the check") << "" << "RadioR12" << 1 << "" << "";
    QTest::newRow("invalid only moves the check") << "abc" << "RadioR13" << 2 << "abc" << "abc";
    QTest::newRow("exponent text") << "1e3" << "RadioR12" << 1 << "1" << "1";
}

void TestFormProblem::unitSwitching() {
    QFETCH(QString, before);
    QFETCH(QString, radio);
    QFETCH(int, unit);
    QFETCH(QString, after);
    QFETCH(QString, shown);
    FormFixture<TFormCombination> fixture(1);
    fixture.config.AutoCalculate = 1;
    fixture.Set(0, before);
    fixture.Set(2, QStringLiteral("result"));
    QTest::mouseClick(fixture.Radio(radio), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(fixture.Field(0).text, after);
    QCOMPARE(fixture.Field(0).unitIndex, unit);
    QCOMPARE(fixture.Edit("EditR1")->text(), shown);
    QVERIFY(fixture.Radio(radio)->isChecked());
    QVERIFY(!fixture.Radio("RadioR11")->isChecked());
    QVERIFY(fixture.worksheet.Modified);
    // A unit change never recalculates.
    QCOMPARE(fixture.Field(2).text, QStringLiteral("result"));

    // And back again.
    QTest::mouseClick(fixture.Radio("RadioR11"), Qt::LeftButton, {}, QPoint(6, 6));
    if (before == QStringLiteral("1500"))
        QCOMPARE(fixture.Field(0).text, QStringLiteral("1500"));
}

void TestFormProblem::checkedUnitRadioChangesNothing() {
    FormFixture<TFormCombination> fixture(1);
    fixture.Set(0, QStringLiteral("1500"));
    fixture.worksheet.Modified = false;
    QTest::mouseClick(fixture.Radio("RadioR11"), Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(!fixture.worksheet.Modified);
    QCOMPARE(fixture.Field(0).text, QStringLiteral("1500"));
}

void TestFormProblem::ohmPictureClickAndFocusFrame() {
    FormFixture<TFormCombination> fixture(1);
    fixture.Set(1, QStringLiteral("2.2"), 1);
    auto* picture = fixture.Find<RPicture>("ImageOhm2");
    QVERIFY(picture);
    QCOMPARE(picture->Pixmap().cacheKey(), fixture.form->BaseOhm().cacheKey());
    fixture.form->PanelMain()->activateWindow();
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(fixture.Field(1).text, QStringLiteral("2200"));
    QCOMPARE(fixture.Field(1).unitIndex, 0);
    QVERIFY(fixture.Radio("RadioR21")->isChecked());
    QTRY_VERIFY(fixture.Radio("RadioR21")->hasFocus());
    QCOMPARE(picture->Pixmap().cacheKey(), fixture.form->SelectedOhm().cacheKey());
    fixture.Edit("EditR1")->setFocus();
    QTRY_COMPARE(picture->Pixmap().cacheKey(), fixture.form->BaseOhm().cacheKey());
    // The two pictures differ only by the frame.
    QCOMPARE(fixture.form->BaseOhm().size(), fixture.form->SelectedOhm().size());
    QVERIFY(fixture.form->BaseOhm().toImage() != fixture.form->SelectedOhm().toImage());
}

void TestFormProblem::unknownMarkedInConfiguredColours() {
    FormFixture<TFormCombination> fixture(1);
    fixture.config.UnknownForeground = 0x0000FFFF; // yellow
    fixture.config.UnknownBackground = 0x00004000; // dark green
    fixture.form->ShowCalculation();
    QLineEdit* result = fixture.Edit("EditRout");
    QLineEdit* r1 = fixture.Edit("EditR1");
    QCOMPARE(result->palette().color(QPalette::Base), QColor(0, 0x40, 0));
    QCOMPARE(result->palette().color(QPalette::Text), QColor(0xFF, 0xFF, 0));
    QVERIFY(result->isReadOnly());
    QCOMPARE(r1->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(r1->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(!r1->isReadOnly());
    QVERIFY(fixture.Radio("RadioRout")->isChecked());

    QTest::mouseClick(fixture.Radio("RadioR1"), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(fixture.Calculation().Unknown(), 1);
    QVERIFY(r1->isReadOnly());
    QVERIFY(!result->isReadOnly());
    QCOMPARE(result->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(fixture.Radio("RadioR1")->isChecked());
    QVERIFY(!fixture.Radio("RadioRout")->isChecked());
}

void TestFormProblem::unknownChoiceCalculatesOnlyWithAutomaticCalculation() {
    FormFixture<TFormCombination> fixture(1);
    fixture.Calculation().SetConfiguration(1);
    fixture.Set(1, QStringLiteral("30"));
    fixture.Set(2, QStringLiteral("100"));
    QTest::mouseClick(fixture.Radio("RadioR1"), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(fixture.Field(0).text, QString());
    QVERIFY(fixture.worksheet.Modified);

    fixture.config.AutoCalculate = 1;
    QTest::mouseClick(fixture.Radio("RadioR2"), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(fixture.Calculation().Unknown(), 2);
    QCOMPARE(fixture.Field(1).text, QStringLiteral("100")); // 100 - R1 (empty)
    fixture.messages.Reset();
    QTest::mouseClick(fixture.Radio("RadioR2"), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(fixture.messages.clears, 0); // the same unknown again does nothing
}

void TestFormProblem::configurationChangeEmptiesTheUnknown() {
    FormFixture<TFormCombination> fixture(1);
    fixture.Set(0, QStringLiteral("100"));
    fixture.Set(1, QStringLiteral("100"));
    fixture.Field(2).SetTexts(QStringLiteral("50"), QStringLiteral("0"));
    fixture.form->ShowCalculation();
    fixture.worksheet.Modified = false;
    QTest::mouseClick(fixture.Radio("RadioSeries"), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(fixture.Calculation().Configuration(), 1);
    QCOMPARE(fixture.Field(2).text, QString());
    QCOMPARE(fixture.Field(2).imagText, QString());
    QCOMPARE(fixture.Edit("EditRout")->text(), QString());
    QVERIFY(fixture.worksheet.Modified);
    QCOMPARE(fixture.Field(0).text, QStringLiteral("100"));

    fixture.Field(2).text = QStringLiteral("kept");
    QTest::mouseClick(fixture.Radio("RadioSeries"), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(fixture.Field(2).text, QStringLiteral("kept"));

    fixture.config.AutoCalculate = 1;
    QTest::mouseClick(fixture.Radio("RadioParallel"), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(fixture.Field(2).text, QStringLiteral("50"));
}

void TestFormProblem::clearRestoresDefaultUnits() {
    FormFixture<TFormCombination> fixture(1);
    fixture.config.DefaultUnits[0] = 1;
    fixture.Set(0, QStringLiteral("abc"), 2);
    fixture.Field(2).SetTexts(QStringLiteral("5"), QStringLiteral("0"));
    fixture.Calculation().SetSolution(1);
    fixture.messages.ShowWarning(QStringLiteral("Error: earlier"));
    fixture.worksheet.Modified = false;
    QTest::mouseClick(fixture.Find<QPushButton>("ButtonClear"), Qt::LeftButton);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(fixture.Field(i).text, QString());
        QCOMPARE(fixture.Field(i).imagText, QString());
        QCOMPARE(fixture.Field(i).unitIndex, 1);
    }
    QVERIFY(fixture.Radio("RadioR12")->isChecked());
    QCOMPARE(fixture.Edit("EditR1")->text(), QString());
    QCOMPARE(fixture.Calculation().Solution(), -1);
    QVERIFY(!fixture.worksheet.Modified);
    QCOMPARE(fixture.messages.warning, QStringLiteral("Error: earlier"));
}

void TestFormProblem::showingNeverWritesDisplayTextBack() {
    FormFixture<TFormCombination> fixture(1);
    fixture.Set(0, QStringLiteral("1e3"));
    fixture.Set(1, QStringLiteral("0.333333333333333"));
    fixture.worksheet.Modified = false;
    fixture.form->ShowCalculation();
    QCOMPARE(fixture.Edit("EditR1")->text(), QStringLiteral("1000"));
    QCOMPARE(fixture.Edit("EditR2")->text(), QStringLiteral("0.33333333"));
    QCOMPARE(fixture.Field(0).text, QStringLiteral("1e3"));
    QCOMPARE(fixture.Field(1).text, QStringLiteral("0.333333333333333"));
    QVERIFY(!fixture.worksheet.Modified);
    QVERIFY(!fixture.context.loading);

    // Typing one more digit stores the edit's whole text.
    QLineEdit* r2 = fixture.Edit("EditR2");
    r2->end(false);
    QTest::keyClicks(r2, QStringLiteral("4"));
    QCOMPARE(fixture.Field(1).text, QStringLiteral("0.333333334"));

    fixture.config.Precision = 3;
    fixture.form->ShowCalculation();
    QCOMPARE(fixture.Edit("EditR2")->text(), QStringLiteral("0.333"));
}

void TestFormProblem::solutionsShownWhenSelected() {
    FormFixture<TFormCombination> fixture(1);
    fixture.Field(0).text = QStringLiteral("plain");
    fixture.Field(0).solutions.resize(2);
    fixture.Field(0).solutions[0].text = QStringLiteral("first");
    fixture.Field(0).solutions[1].text = QStringLiteral("second");
    fixture.Field(0).solutions[1].unitIndex = 2;
    fixture.Field(1).text = QStringLiteral("other");
    fixture.Calculation().SetSolution(1);
    fixture.form->ShowCalculation();
    QCOMPARE(fixture.Edit("EditR1")->text(), QStringLiteral("second"));
    QVERIFY(fixture.Radio("RadioR13")->isChecked());
    QCOMPARE(fixture.Edit("EditR2")->text(), QStringLiteral("other"));

    // A selection beyond the solutions shows the field itself.
    fixture.Calculation().SetSolution(5);
    fixture.form->ShowCalculation();
    QCOMPARE(fixture.Edit("EditR1")->text(), QStringLiteral("plain"));

    // Typing into a field with solutions ends the selection.
    fixture.Calculation().SetSolution(0);
    fixture.form->ShowCalculation();
    fixture.Edit("EditR1")->end(false);
    QTest::keyClicks(fixture.Edit("EditR1"), QStringLiteral("1"));
    QCOMPARE(fixture.Calculation().Solution(), -1);
    QCOMPARE(fixture.Field(0).text, QStringLiteral("first1"));
}

void TestFormProblem::programTextsShowTheirStart_data() {
    QTest::addColumn<int>("type");
    for (int type = 1; type <= CalcTypeCount; ++type)
        QTest::addRow("%s", FindCalcType(type)->typeWord) << type;
}

// Every box of every calculator, shown from the calculation or written by a
// calculation, a solution shown or not: the edit shows the start of its text,
// so a long number keeps its sign in view. Every panel has the size declared.
void TestFormProblem::programTextsShowTheirStart() {
    QFETCH(int, type);
    MessageRecorder messages;
    RWorksheet worksheet;
    RConfig config;
    config.Precision = 15;
    AppContext context;
    context.worksheet = &worksheet;
    context.config = &config;
    std::unique_ptr<TFormProblem> form(CreateCalculatorForm(type, context));
    // The main window sizes its page by the panels the type table declares.
    const PanelSize& panel = FindCalcType(type)->panel;
    QCOMPARE(form->PanelMain()->minimumSize(), QSize(panel.width, panel.height));
    RCalculation calculation;
    form->InitCalculation(calculation);
    for (RField& field : calculation.Fields()) {
        field.SetTexts(QStringLiteral("-123456789.012345"), QStringLiteral("-98765.4321012345"));
        for (RField& solution : field.solutions)
            solution.SetTexts(QStringLiteral("-0.000123456789012"), QStringLiteral("-4.5E-11"));
    }
    context.calculation = &calculation;
    context.calculator = form.get();
    form->PanelMain()->show();
    int edits = 0;
    for (int solution : {-1, 1}) {
        calculation.SetSolution(solution);
        form->ShowCalculation();
        form->Calculate();
        for (int tag : MappedTags(*form)) {
            auto* edit = qobject_cast<QLineEdit*>(form->GetControl(tag));
            if (!edit || edit->text().isEmpty())
                continue;
            QVERIFY2(edit->cursorPosition() == 0, qPrintable(edit->objectName() + edit->text()));
            ++edits;
        }
    }
    QVERIFY(edits >= 4);
}

// A unit index the field's kind does not list (a damaged or foreign file)
// stands for the kind's first unit on the form, in the arithmetic and in the
// report alike, and is stored unchanged until the user picks a unit.
void TestFormProblem::unlistedUnitIsTheFirstUnit() {
    FormFixture<TFormCombination> fixture(2);
    fixture.Field(1).text = QStringLiteral("100");
    fixture.Set(0, QStringLiteral("100"), 7);
    QVERIFY(fixture.Radio("RadioC11")->isChecked());
    fixture.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(fixture.Text("EditCout"), QStringLiteral("200"));
    QCOMPARE(fixture.Field(2).Unit(), 0);
    const WorksheetReport report = BuildReport(fixture.worksheet, 8);
    QCOMPARE(report.calculations[0].quantities[0].unit, QStringLiteral("pF"));
    QCOMPARE(fixture.Field(0).unitIndex, 7);

    fixture.worksheet.Modified = false;
    fixture.Click(QStringLiteral("RadioC11"));
    QCOMPARE(fixture.Field(0).unitIndex, 7);
    QVERIFY(!fixture.worksheet.Modified);
    fixture.Click(QStringLiteral("RadioC12"));
    QCOMPARE(fixture.Field(0).text, QStringLiteral("0.0001"));
    QCOMPARE(fixture.Field(0).unitIndex, 1);

    // A configured default the kind does not list gives new fields its first unit.
    fixture.config.DefaultUnits[1] = 9;
    RCalculation fresh;
    fixture.form->InitCalculation(fresh);
    QCOMPARE(fresh.Field(0).unitIndex, 0);
}

void TestFormProblem::buttonsCalculateClearHelp() {
    FormFixture<TFormCombination> fixture(1);
    auto* calculate = fixture.Find<QPushButton>("ButtonCalculate");
    auto* clear = fixture.Find<QPushButton>("ButtonClear");
    auto* help = fixture.Find<QPushButton>("ButtonHelp");
    QVERIFY(calculate && clear && help);
    QVERIFY(calculate->isVisible());
    // One above the other at the lower right, Calculate on top.
    QVERIFY(calculate->y() < clear->y());
    QVERIFY(clear->y() < help->y());
    QCOMPARE(calculate->x(), help->x());
    QWidget* panel = fixture.form->PanelMain();
    QVERIFY(help->geometry().bottom() < panel->height());
    QVERIFY(help->geometry().right() < panel->width());
    QVERIFY(help->x() > panel->width() / 2);
    // The hidden source pictures exist.
    QVERIFY(fixture.Find<QLabel>("ImageBaseOhm"));
    QVERIFY(!fixture.Find<QLabel>("ImageSelectedOhm")->isVisible());
}

void TestFormProblem::baseOperations() {
    RWorksheet worksheet;
    RConfig config;
    AppContext context;
    context.worksheet = &worksheet;
    context.config = &config;
    TFormProblem base(context, QStringLiteral("Problem:"));
    QCOMPARE(base.GetTypeName(), QStringLiteral("Unknown"));
    QCOMPARE(base.GetControl(1), nullptr);
    QCOMPARE(base.GetUnknownField(), nullptr);
    QVERIFY(!base.AlwaysCalculates());
    RCalculation calculation;
    base.InitCalculation(calculation);
    QCOMPARE(calculation.FieldCount(), 0);
    QCOMPARE(calculation.Type(), 0);
    base.ShowCalculation(); // no current calculation: nothing happens
    base.ClearCalculation();
}

QTEST_MAIN(TestFormProblem)
#include "tst_formproblem.moc"
