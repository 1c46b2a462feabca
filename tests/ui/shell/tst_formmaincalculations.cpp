// Working in the main window: typing into the shown calculator, its units
// and configuration, the calculation tabs and New, Rename, Delete,
// Calculate and Clear.

#include "support/mainwindowharness.h"

#include "ui/shell/rstatuspanel.h"

class TestFormMainCalculations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void typing_data();
    void typing();
    void halfTypedNumber_data();
    void halfTypedNumber();
    void unitSwitching();
    void configurationChange();
    void calculateAndClear_data();
    void calculateAndClear();
    void newCalculation();
    void proposalAfterRename();
    void proposalSkipsNamesOfOtherTypes();
    void emptyNameOnlyOnce();
    void renameRefused_data();
    void renameRefused();
    void cancelledInputChangesNothing_data();
    void cancelledInputChangesNothing();
    void newTabStandsRightOfCurrent();
    void tabSwitching();
    void typeKeepsItsChosenTab();
    void deleteOnlyCalculation();
    void deleteAnsweredNo();
    void deleteChoosesNeighbour_data();
    void deleteChoosesNeighbour();
};

namespace {

// Resistor1 with R2 = 10 and the result field as the unknown.
void PrepareResistor(MainWindowHarness& h) {
    h.Type(QStringLiteral("EditR2"), QStringLiteral("10"));
}

// Three Inductor calculations whose L1 holds their number, Inductor3 current.
void PrepareThreeInductors(MainWindowHarness& h) {
    h.ClickTreeItem(QStringLiteral("Inductor"));
    h.Type(QStringLiteral("EditL1"), QStringLiteral("1"));
    for (const char* value : {"2", "3"}) {
        h.dialogs.AcceptProposal();
        QTest::keyClick(&h.Window(), Qt::Key_N, Qt::ControlModifier);
        h.Type(QStringLiteral("EditL1"), QString::fromLatin1(value));
    }
}

} // namespace

void TestFormMainCalculations::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestFormMainCalculations::typing_data() {
    QTest::addColumn<bool>("automatic");
    QTest::newRow("automatic calculation off") << false;
    QTest::newRow("automatic calculation on") << true;
}

void TestFormMainCalculations::typing() {
    QFETCH(bool, automatic);
    MainWindowHarness h;
    QVERIFY(h.Start());
    PrepareResistor(h);
    h.Window().Config()->AutoCalculate = automatic ? 1 : 0;
    RCalculation* calculation = h.Window().CurrentCalculation();
    QLineEdit* result = h.Edit(QStringLiteral("EditRout"));

    h.Type(QStringLiteral("EditR1"), QStringLiteral("1"));
    QCOMPARE(calculation->Field(0).text, QStringLiteral("1"));
    QVERIFY(h.Window().Worksheet()->Modified);
    QCOMPARE(result->text(), automatic ? QStringLiteral("0.90909091") : QString());
    QCOMPARE(calculation->Field(2).text,
             automatic ? QStringLiteral("0.909090909090909") : QString());

    QTest::keyClick(h.Edit(QStringLiteral("EditR1")), Qt::Key_0);
    QCOMPARE(calculation->Field(0).text, QStringLiteral("10"));
    QCOMPARE(result->text(), automatic ? QStringLiteral("5") : QString());
    QCOMPARE(calculation->Field(2).text, automatic ? QStringLiteral("5") : QString());
    QVERIFY(!h.Window().StatusPanel()->Warning());

    // Half a number is only reported when something calculates.
    h.Type(QStringLiteral("EditR1"), QStringLiteral("-"));
    QCOMPARE(h.Window().StatusPanel()->Warning(), automatic);
}

void TestFormMainCalculations::halfTypedNumber_data() {
    QTest::addColumn<QStringList>("steps"); // keys typed at the cursor; "<" is Backspace
    QTest::addColumn<QStringList>("warnings");
    const QString invalid =
        QStringLiteral("Error: Real value for R1 did not contain a valid number.");
    QTest::newRow("lone minus") << QStringList{"-", "5", "<<", "5"}
                                << QStringList{invalid, "Error: Value for R1 cannot be negative.",
                                               QString(), QString()};
    QTest::newRow("exponent") << QStringList{"1", "E", "3"}
                              << QStringList{QString(), invalid, QString()};
    QTest::newRow("two points") << QStringList{"1.", ".", "<"}
                                << QStringList{QString(), invalid, QString()};
}

void TestFormMainCalculations::halfTypedNumber() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, warnings);
    MainWindowHarness h;
    QVERIFY(h.Start());
    PrepareResistor(h);
    h.Window().Config()->AutoCalculate = 1;
    QLineEdit* edit = h.Edit(QStringLiteral("EditR1"));
    edit->setFocus();
    RStatusPanel* status = h.Window().StatusPanel();
    for (int i = 0; i < steps.size(); ++i) {
        for (QChar key : steps[i]) {
            if (key == u'<')
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClicks(edit, QString(key));
        }
        QCOMPARE(status->Text(), warnings[i]);
        QCOMPARE(status->Warning(), !warnings[i].isEmpty());
    }
    QVERIFY(h.dialogs.records.isEmpty());
}

void TestFormMainCalculations::unitSwitching() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    RCalculation* calculation = h.Window().CurrentCalculation();
    h.Type(QStringLiteral("EditR1"), QStringLiteral("1500"));
    h.Type(QStringLiteral("EditR2"), QStringLiteral("abc"));
    h.Window().Worksheet()->Modified = false;

    h.Click(QStringLiteral("RadioR12"));
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("1.5"));
    QCOMPARE(calculation->Field(0).text, QStringLiteral("1.5"));
    QCOMPARE(calculation->Field(0).unitIndex, 1);
    QVERIFY(h.Find<QRadioButton>(QStringLiteral("RadioR12"))->isChecked());
    QVERIFY(!h.Find<QRadioButton>(QStringLiteral("RadioR11"))->isChecked());
    QVERIFY(h.Window().Worksheet()->Modified);

    h.Window().Worksheet()->Modified = false;
    h.Click(QStringLiteral("RadioR12"));
    QVERIFY(!h.Window().Worksheet()->Modified);
    QCOMPARE(calculation->Field(0).text, QStringLiteral("1.5"));

    // A text that is no number only moves the check.
    h.Click(QStringLiteral("RadioR23"));
    QCOMPARE(h.Edit(QStringLiteral("EditR2"))->text(), QStringLiteral("abc"));
    QCOMPARE(calculation->Field(1).text, QStringLiteral("abc"));
    QCOMPARE(calculation->Field(1).unitIndex, 2);
    QVERIFY(h.Find<QRadioButton>(QStringLiteral("RadioR23"))->isChecked());
}

void TestFormMainCalculations::configurationChange() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    RCalculation* calculation = h.Window().CurrentCalculation();
    h.Type(QStringLiteral("EditR1"), QStringLiteral("100"));
    h.Type(QStringLiteral("EditR2"), QStringLiteral("100"));
    QTest::keyClick(&h.Window(), Qt::Key_F6);
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QStringLiteral("50"));
    h.Window().Worksheet()->Modified = false;

    h.Click(QStringLiteral("RadioSeries"));
    QCOMPARE(calculation->Configuration(), 1);
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QString());
    QCOMPARE(calculation->Field(2).text, QString());
    QVERIFY(h.Find<QRadioButton>(QStringLiteral("RadioSeries"))->isChecked());
    QVERIFY(h.Window().Worksheet()->Modified);

    QTest::keyClick(&h.Window(), Qt::Key_F6);
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QStringLiteral("200"));
    h.Window().Worksheet()->Modified = false;
    h.Click(QStringLiteral("RadioSeries"));
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QStringLiteral("200"));
    QCOMPARE(calculation->Field(2).text, QStringLiteral("200"));
    QVERIFY(!h.Window().Worksheet()->Modified);
}

void TestFormMainCalculations::calculateAndClear_data() {
    QTest::addColumn<bool>("keys"); // F6 and F4; otherwise the buttons
    QTest::newRow("keys") << true;
    QTest::newRow("buttons") << false;
}

void TestFormMainCalculations::calculateAndClear() {
    QFETCH(bool, keys);
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    RCalculation* calculation = w.CurrentCalculation();
    h.Type(QStringLiteral("EditR1"), QStringLiteral("100"));
    h.Type(QStringLiteral("EditR2"), QStringLiteral("2.2"));
    h.Click(QStringLiteral("RadioR22"));
    QCOMPARE(calculation->Field(1).text, QStringLiteral("0.0022"));
    h.Type(QStringLiteral("EditR2"), QStringLiteral("2.2"));
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QString());

    if (keys)
        QTest::keyClick(&w, Qt::Key_F6);
    else
        h.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(calculation->Field(2).text, QStringLiteral("95.6521739130435"));
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QStringLiteral("95.652174"));
    QVERIFY(Checked(h, QStringLiteral("RadioRout1")));

    ShowWarning(QStringLiteral("Error: No solution."));
    w.Worksheet()->Modified = false;
    if (keys)
        QTest::keyClick(&w, Qt::Key_F4);
    else
        h.Click(QStringLiteral("ButtonClear"));
    for (const char* edit : {"EditR1", "EditR2", "EditRout"})
        QCOMPARE(h.Edit(QString::fromLatin1(edit))->text(), QString());
    for (const RField& field : calculation->Fields()) {
        QCOMPARE(field.text, QString());
        QCOMPARE(field.unitIndex, 0);
    }
    QVERIFY(Checked(h, QStringLiteral("RadioR21")));
    QVERIFY(!w.Worksheet()->Modified);
    QCOMPARE(w.StatusPanel()->Text(), QStringLiteral("Error: No solution."));
    QVERIFY(h.dialogs.records.isEmpty());
}

void TestFormMainCalculations::newCalculation() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    h.Type(QStringLiteral("EditR1"), QStringLiteral("7"));
    w.Worksheet()->Modified = false;
    h.dialogs.AcceptProposal();
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);

    QCOMPARE(h.dialogs.records.size(), 1);
    const RecordingDialogs::Record input = h.dialogs.records.first();
    QCOMPARE(input.call, RecordingDialogs::Call::Text);
    QCOMPARE(input.title, QStringLiteral("New Calculation"));
    QCOMPARE(input.text, QStringLiteral("Enter name for new calculation:"));
    QCOMPARE(input.initial, QStringLiteral("Resistor2"));
    QCOMPARE(input.maxLength, 255);

    QCOMPARE(h.TabCaptions(), (QStringList{"Resistor1", "Resistor2"}));
    QCOMPARE(h.Tabs()->TabIndex(), 1);
    RCalculation* created = w.CurrentCalculation();
    QCOMPARE(created->Name(), QStringLiteral("Resistor2"));
    QCOMPARE(created->Type(), 1);
    QVERIFY(created->Current());
    QVERIFY(!w.Worksheet()->At(0)->Current());
    QCOMPARE(w.Worksheet()->Count(), 21);
    QCOMPARE(w.Worksheet()->At(1), created);
    QCOMPARE(w.Worksheet()->CurrentIndex, 0);
    QVERIFY(w.Worksheet()->Modified);
    QCOMPARE(created->FieldCount(), 3);
    QCOMPARE(created->Configuration(), 0);
    QCOMPARE(created->Unknown(), 0);
    QCOMPARE(created->Solution(), -1);
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QString());
    QCOMPARE(w.Worksheet()->At(0)->Field(0).text, QStringLiteral("7"));
}

void TestFormMainCalculations::proposalAfterRename() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.dialogs.EnterText(QStringLiteral("X"));
    QTest::keyClick(&h.Window(), Qt::Key_R, Qt::ControlModifier);
    const RecordingDialogs::Record input = h.dialogs.records.first();
    QCOMPARE(input.title, QStringLiteral("Rename Calculation"));
    QCOMPARE(input.text, QStringLiteral("Enter new name for calculation:"));
    QCOMPARE(input.initial, QStringLiteral("Resistor1"));
    QCOMPARE(input.maxLength, 255);
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("X")});
    QCOMPARE(h.Window().CurrentCalculation()->Name(), QStringLiteral("X"));
    QVERIFY(h.Window().Worksheet()->Modified);

    h.dialogs.AcceptProposal();
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    QCOMPARE(h.dialogs.records.last().initial, QStringLiteral("Resistor1"));
    QCOMPARE(h.TabCaptions(), (QStringList{"X", "Resistor1"}));
}

void TestFormMainCalculations::proposalSkipsNamesOfOtherTypes() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.ClickTreeItem(QStringLiteral("Capacitor"));
    h.dialogs.EnterText(QStringLiteral("Resistor2"));
    h.Trigger(QStringLiteral("MenuRenameCalculation"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor2")});

    h.ClickTreeItem(QStringLiteral("Resistor"));
    h.dialogs.AcceptProposal();
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    QCOMPARE(h.dialogs.records.last().initial, QStringLiteral("Resistor3"));
    QCOMPARE(h.TabCaptions(), (QStringList{"Resistor1", "Resistor3"}));
}

void TestFormMainCalculations::emptyNameOnlyOnce() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.dialogs.EnterText(QString());
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    QCOMPARE(h.TabCaptions(), (QStringList{"Resistor1", ""}));
    QCOMPARE(h.Window().Worksheet()->Count(), 21);
    QVERIFY(h.dialogs.Messages().isEmpty());

    h.Window().Worksheet()->Modified = false;
    h.dialogs.EnterText(QString());
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    QCOMPARE(h.dialogs.Messages(),
             QStringList{QStringLiteral("Error: Calculation '' is not unique.")});
    QCOMPARE(h.dialogs.Of(RecordingDialogs::Call::Message).first().kind, MessageBoxKind::Error);
    QCOMPARE(h.TabCaptions(), (QStringList{"Resistor1", ""}));
    QCOMPARE(h.Tabs()->TabIndex(), 1);
    QCOMPARE(h.Window().Worksheet()->Count(), 21);
    QVERIFY(!h.Window().Worksheet()->Modified);
}

void TestFormMainCalculations::renameRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("unchanged") << QString(); // accepted as filled in
    QTest::newRow("of another type") << QStringLiteral("Capacitor1");
    QTest::newRow("another of the type") << QStringLiteral("Resistor2");
}

void TestFormMainCalculations::renameRefused() {
    QFETCH(QString, name);
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.dialogs.AcceptProposal();
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    h.ClickTab(0);
    h.Window().Worksheet()->Modified = false;
    h.dialogs.records.clear();

    if (name.isNull())
        h.dialogs.AcceptProposal();
    else
        h.dialogs.EnterText(name);
    h.Trigger(QStringLiteral("MenuRenameCalculation"));
    const QString shown = name.isNull() ? QStringLiteral("Resistor1") : name;
    QCOMPARE(h.dialogs.Messages(),
             QStringList{QStringLiteral("Error: Calculation '") + shown + "' is not unique."});
    QCOMPARE(h.Window().CurrentCalculation()->Name(), QStringLiteral("Resistor1"));
    QCOMPARE(h.TabCaptions(), (QStringList{"Resistor1", "Resistor2"}));
    QCOMPARE(h.Tabs()->TabIndex(), 0);
    QVERIFY(!h.Window().Worksheet()->Modified);
}

void TestFormMainCalculations::cancelledInputChangesNothing_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("new") << QStringLiteral("MenuNewCalculation");
    QTest::newRow("rename") << QStringLiteral("MenuRenameCalculation");
}

void TestFormMainCalculations::cancelledInputChangesNothing() {
    QFETCH(QString, action);
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.dialogs.CancelText();
    h.Trigger(action);
    QCOMPARE(h.dialogs.Of(RecordingDialogs::Call::Text).size(), 1);
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
    QCOMPARE(h.Window().Worksheet()->Count(), 20);
    QCOMPARE(h.Window().CurrentCalculation()->Name(), QStringLiteral("Resistor1"));
    QVERIFY(!h.Window().Worksheet()->Modified);
    QVERIFY(h.dialogs.Messages().isEmpty());
}

void TestFormMainCalculations::newTabStandsRightOfCurrent() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.dialogs.AcceptProposal();
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    h.ClickTab(0);
    h.dialogs.AcceptProposal();
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    QCOMPARE(h.dialogs.records.last().initial, QStringLiteral("Resistor3"));
    QCOMPARE(h.TabCaptions(), (QStringList{"Resistor1", "Resistor3", "Resistor2"}));
    QCOMPARE(h.Tabs()->TabIndex(), 1);
    const RWorksheet* sheet = h.Window().Worksheet();
    QCOMPARE(sheet->At(1)->Name(), QStringLiteral("Resistor3"));
    QCOMPARE(sheet->At(2)->Name(), QStringLiteral("Resistor2"));
    QCOMPARE(sheet->At(3)->Name(), QStringLiteral("Capacitor1"));
    QCOMPARE(sheet->CurrentIndex, 0); // as the last tab chosen left it
}

void TestFormMainCalculations::tabSwitching() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    h.Type(QStringLiteral("EditR1"), QStringLiteral("100"));
    h.dialogs.AcceptProposal();
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    h.Type(QStringLiteral("EditR1"), QStringLiteral("200"));
    w.Worksheet()->Modified = false;

    h.ClickTab(0);
    QCOMPARE(h.Tabs()->TabIndex(), 0);
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("100"));
    QCOMPARE(w.CurrentCalculation()->Name(), QStringLiteral("Resistor1"));
    QCOMPARE(w.Worksheet()->CurrentIndex, 0);
    QVERIFY(w.Worksheet()->At(0)->Current());
    QVERIFY(!w.Worksheet()->At(1)->Current());

    h.ClickTab(1);
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("200"));
    QCOMPARE(w.Worksheet()->CurrentIndex, 1);
    QVERIFY(!w.Worksheet()->At(0)->Current());
    QVERIFY(w.Worksheet()->At(1)->Current());
    QVERIFY(!w.Worksheet()->Modified);

    // A value typed as 1e3 keeps its spelling until the calculation is shown
    // again; choosing the tab already chosen does not show it again.
    h.Type(QStringLiteral("EditR1"), QStringLiteral("1e3"));
    h.ClickTab(1);
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("1e3"));
    h.ClickTab(0);
    h.ClickTab(1);
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("1000"));
    QCOMPARE(w.CurrentCalculation()->Field(0).text, QStringLiteral("1e3"));
    QVERIFY(h.dialogs.Messages().isEmpty());
}

void TestFormMainCalculations::typeKeepsItsChosenTab() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.dialogs.AcceptProposal();
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    h.ClickTab(0);
    h.ClickTab(1);
    h.ClickTreeItem(QStringLiteral("Capacitor"));
    h.ClickTreeItem(QStringLiteral("Resistor"));
    QCOMPARE(h.Tabs()->TabIndex(), 1);
    QCOMPARE(h.Window().CurrentCalculation()->Name(), QStringLiteral("Resistor2"));
    QCOMPARE(h.Window().Worksheet()->CurrentIndex, 1);
}

void TestFormMainCalculations::deleteOnlyCalculation() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    QTest::keyClick(&h.Window(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(h.dialogs.records.size(), 1);
    const RecordingDialogs::Record box = h.dialogs.records.first();
    QCOMPARE(box.call, RecordingDialogs::Call::Message);
    QCOMPARE(box.kind, MessageBoxKind::Warning);
    QCOMPARE(
        box.text,
        QStringLiteral("Warning: Could not delete calculation because there is only one left."));
    QCOMPARE(h.Window().Worksheet()->Count(), 20);
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
    QVERIFY(!h.Window().Worksheet()->Modified);
}

void TestFormMainCalculations::deleteAnsweredNo() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    PrepareThreeInductors(h);
    h.ClickTab(1);
    h.Window().Worksheet()->Modified = false;
    h.dialogs.records.clear();
    h.dialogs.PressEnter(); // the default keeps the calculation
    h.Trigger(QStringLiteral("MenuDeleteCalculation"));
    QCOMPARE(h.dialogs.Questions(), QStringList{QStringLiteral("Delete calculation 'Inductor2'?")});
    QVERIFY(!h.dialogs.records.first().withCancel);
    QCOMPARE(h.dialogs.records.first().defaultAnswer, UserDialogs::Answer::No);
    QCOMPARE(h.TabCaptions(), (QStringList{"Inductor1", "Inductor2", "Inductor3"}));
    QCOMPARE(h.Tabs()->TabIndex(), 1);
    QCOMPARE(h.Window().Worksheet()->Count(), 22);
    QVERIFY(!h.Window().Worksheet()->Modified);
}

void TestFormMainCalculations::deleteChoosesNeighbour_data() {
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("first") << 0 << "Inductor2" << QStringList{"Inductor2", "Inductor3"};
    QTest::newRow("second") << 1 << "Inductor1" << QStringList{"Inductor1", "Inductor3"};
    QTest::newRow("third") << 2 << "Inductor2" << QStringList{"Inductor1", "Inductor2"};
}

void TestFormMainCalculations::deleteChoosesNeighbour() {
    QFETCH(int, deleted);
    QFETCH(QString, next);
    QFETCH(QStringList, tabs);
    MainWindowHarness h;
    QVERIFY(h.Start());
    PrepareThreeInductors(h);
    h.ClickTab(deleted);
    h.Window().Worksheet()->Modified = false;
    h.dialogs.answers << UserDialogs::Answer::Yes;
    h.Trigger(QStringLiteral("MenuDeleteCalculation"));

    TFormMain& w = h.Window();
    QCOMPARE(w.Worksheet()->Count(), 21);
    QCOMPARE(h.TabCaptions(), tabs);
    QCOMPARE(h.Tabs()->TabIndex(), int(tabs.indexOf(next)));
    QCOMPARE(w.CurrentCalculation()->Name(), next);
    QVERIFY(w.CurrentCalculation()->Current());
    QCOMPARE(w.Worksheet()->CurrentIndex, w.Worksheet()->IndexOf(w.CurrentCalculation()));
    QCOMPARE(h.Edit(QStringLiteral("EditL1"))->text(), next.right(1));
    QVERIFY(w.Worksheet()->Modified);
    int current = 0;
    for (int i = 0; i < w.Worksheet()->Count(); ++i)
        current += w.Worksheet()->At(i)->Type() == 3 && w.Worksheet()->At(i)->Current();
    QCOMPARE(current, 1);
}

QTEST_MAIN(TestFormMainCalculations)
#include "tst_formmaincalculations.moc"
