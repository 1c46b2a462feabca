// The question that guards unsaved changes before a worksheet is replaced
// or the program ends, the Edit menu, and the keys that reach the menu from
// inside an edit.

#include "support/mainwindowharness.h"

#include "ui/framework/tformproblem.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include <functional>

class TestFormMainCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void saveQuestion_data();
    void saveQuestion();
    void saveQuestionYes_data();
    void saveQuestionYes();
    void saveOnUntitledAsksForName();
    void copyWithFocusInTree();
    void editCommands_data();
    void editCommands();
    void editMenuFollowsTheFocus();
    void ctrlAIsSaveAsInsideEdit();
    void ctrlDelIsMenuDelete();
    void unknownBoxKeepsItsText_data();
    void unknownBoxKeepsItsText();
};

namespace {

const QString SaveQuestion = QStringLiteral("Save changes to current worksheet?");

// Cut, Copy, Paste, Delete offered (+) or not (-).
QString EditMenu(const MainWindowHarness& h) {
    QString state;
    for (const char* name : {"MenuCut", "MenuCopy", "MenuPaste", "MenuDelete"})
        state += h.Action(QString::fromLatin1(name))->isEnabled() ? u'+' : u'-';
    return state;
}

} // namespace

void TestFormMainCommands::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestFormMainCommands::saveQuestion_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("discard"); // No; otherwise Cancel
    for (const char* command : {"new", "open", "recent", "exit", "close"}) {
        QTest::newRow(qPrintable(QString::fromLatin1(command) + " cancel"))
            << QString::fromLatin1(command) << false;
        QTest::newRow(qPrintable(QString::fromLatin1(command) + " no"))
            << QString::fromLatin1(command) << true;
    }
}

void TestFormMainCommands::saveQuestion() {
    QFETCH(QString, command);
    QFETCH(bool, discard);
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    const QString other =
        WriteWorksheet(h.Path(QStringLiteral("other.kvw")), QStringLiteral("777"));
    QVERIFY(!other.isEmpty());
    Remember(h, other);
    const QString lastFolder = QStringLiteral("/nowhere/");
    w.Config()->LastFolder = lastFolder;
    h.Type(QStringLiteral("EditR1"), QStringLiteral("123"));
    RWorksheet* before = w.Worksheet();
    h.dialogs.answers << (discard ? UserDialogs::Answer::No : UserDialogs::Answer::Cancel);

    if (command == QLatin1String("new")) {
        h.Trigger(QStringLiteral("MenuNewWorksheet"));
    } else if (command == QLatin1String("open")) {
        h.dialogs.openPaths << other;
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    } else if (command == QLatin1String("recent")) {
        h.Trigger(QStringLiteral("MenuHistory1"));
    } else if (command == QLatin1String("exit")) {
        h.Trigger(QStringLiteral("MenuExit"));
    } else {
        w.close();
    }

    const QList<RecordingDialogs::Record> questions =
        h.dialogs.Of(RecordingDialogs::Call::Question);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions.first().text, SaveQuestion);
    QVERIFY(questions.first().withCancel);
    QCOMPARE(questions.first().defaultAnswer, UserDialogs::Answer::Yes); // saving loses nothing
    QCOMPARE(h.dialogs.unscripted, 0);
    QVERIFY(h.dialogs.Messages().isEmpty());
    if (command == QLatin1String("open")) // the file is chosen before the question
        QCOMPARE(h.dialogs.records.first().call, RecordingDialogs::Call::OpenFile);

    const bool ends = command == QLatin1String("exit") || command == QLatin1String("close");
    if (!discard) {
        QCOMPARE(w.Worksheet(), before);
        QCOMPARE(w.Worksheet()->Count(), 20);
        QCOMPARE(w.CurrentCalculation()->Field(0).text, QStringLiteral("123"));
        QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("123"));
        QVERIFY(w.Worksheet()->Modified);
        QCOMPARE(w.windowTitle(), QStringLiteral("Kelvo - Untitled"));
        QCOMPARE(h.Caption(), QStringLiteral("Resistor:"));
        QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
        QVERIFY(w.isVisible());
        QVERIFY(!w.IsShutDown());
        QVERIFY(!QFile::exists(h.ConfigPath()));
        QCOMPARE(w.Config()->LastFolder, lastFolder);
        QCOMPARE(w.Config()->RecentFiles, QStringList{other});
        return;
    }
    if (ends) {
        QVERIFY(w.IsShutDown());
        QCOMPARE(h.ConfigBytes().left(4), QByteArray("%CF2"));
        if (command == QLatin1String("close"))
            QVERIFY(!w.isVisible());
        return;
    }
    QVERIFY(!w.Worksheet()->Modified);
    const bool opened = command != QLatin1String("new");
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), opened ? QStringLiteral("777") : QString());
    QCOMPARE(w.windowTitle(),
             opened ? QStringLiteral("Kelvo - other") : QStringLiteral("Kelvo - Untitled"));
    QCOMPARE(w.Worksheet()->FileName, opened ? other : QString());
    QCOMPARE(w.Config()->LastFolder,
             command == QLatin1String("open") ? h.Folder() + "/" : lastFolder);
}

void TestFormMainCommands::saveQuestionYes_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("saved"); // a name was given; otherwise Save As was cancelled
    for (const char* command : {"new", "recent", "exit", "close"}) {
        QTest::newRow(qPrintable(QString::fromLatin1(command) + " saved"))
            << QString::fromLatin1(command) << true;
        QTest::newRow(qPrintable(QString::fromLatin1(command) + " cancelled"))
            << QString::fromLatin1(command) << false;
    }
}

void TestFormMainCommands::saveQuestionYes() {
    QFETCH(QString, command);
    QFETCH(bool, saved);
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    const QString other =
        WriteWorksheet(h.Path(QStringLiteral("other.kvw")), QStringLiteral("777"));
    Remember(h, other);
    h.Type(QStringLiteral("EditR1"), QStringLiteral("123"));
    const QString target = h.Path(QStringLiteral("mine.kvw"));
    h.dialogs.answers << UserDialogs::Answer::Yes;
    h.dialogs.savePaths << (saved ? std::optional<QString>(target) : std::nullopt);

    if (command == QLatin1String("new"))
        h.Trigger(QStringLiteral("MenuNewWorksheet"));
    else if (command == QLatin1String("recent"))
        h.Trigger(QStringLiteral("MenuHistory1"));
    else if (command == QLatin1String("exit"))
        h.Trigger(QStringLiteral("MenuExit"));
    else
        w.close();

    const QList<RecordingDialogs::Record> dialogs = h.dialogs.records;
    QCOMPARE(dialogs.size(), 2);
    QCOMPARE(dialogs[0].text, SaveQuestion);
    QCOMPARE(dialogs[1].call, RecordingDialogs::Call::SaveFile);
    QCOMPARE(dialogs[1].title, QStringLiteral("Save Worksheet"));
    QCOMPARE(QFile::exists(target), saved);

    const bool ends = command == QLatin1String("exit") || command == QLatin1String("close");
    if (!saved) {
        QVERIFY(w.Worksheet()->Modified);
        QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("123"));
        QVERIFY(w.isVisible());
        QVERIFY(!w.IsShutDown());
        QVERIFY(!QFile::exists(h.ConfigPath()));
        return;
    }
    // The saved worksheet holds what was typed.
    RConfig config;
    TypeCatalog catalog(config);
    RWorksheet reread;
    reread.FileName = target;
    QVERIFY(reread.Read(catalog));
    QCOMPARE(reread.At(0)->Field(0).text, QStringLiteral("123"));
    QCOMPARE(w.IsShutDown(), ends);
    if (ends) {
        QCOMPARE(h.ConfigBytes().left(4), QByteArray("%CF2"));
        QCOMPARE(w.Config()->RecentFiles.first(), target);
        return;
    }
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(),
             command == QLatin1String("recent") ? QStringLiteral("777") : QString());
}

void TestFormMainCommands::saveOnUntitledAsksForName() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Type(QStringLiteral("EditR1"), QStringLiteral("1"));
    h.dialogs.savePaths << std::nullopt;
    QTest::keyClick(&h.Window(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(h.dialogs.records.size(), 1);
    QCOMPARE(h.dialogs.records.first().call, RecordingDialogs::Call::SaveFile);
    QCOMPARE(h.dialogs.records.first().title, QStringLiteral("Save Worksheet"));
    QVERIFY(h.Window().Worksheet()->Modified);
    QVERIFY(h.Window().Worksheet()->FileName.isEmpty());
    QCOMPARE(h.Window().windowTitle(), QStringLiteral("Kelvo - Untitled"));
}

void TestFormMainCommands::copyWithFocusInTree() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Type(QStringLiteral("EditR1"), QStringLiteral("123"));
    h.Edit(QStringLiteral("EditR1"))->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("before"));
    h.Tree()->setFocus();
    QCOMPARE(QApplication::focusWidget(), h.Tree());
    h.Trigger(QStringLiteral("MenuCopy"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    h.Trigger(QStringLiteral("MenuCut"));
    h.Trigger(QStringLiteral("MenuPaste"));
    h.Trigger(QStringLiteral("MenuDelete"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("123"));
}

void TestFormMainCommands::editCommands_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("clipboard"); // afterwards; "clip" before
    QTest::newRow("cut") << "MenuCut"
                         << "1234" << 0 << 4 << ""
                         << "1234";
    QTest::newRow("cut part") << "MenuCut"
                              << "1234" << 1 << 2 << "14"
                              << "23";
    QTest::newRow("copy") << "MenuCopy"
                          << "1234" << 0 << 2 << "1234"
                          << "12";
    QTest::newRow("paste") << "MenuPaste"
                           << "1234" << 1 << 1 << "1clip34"
                           << "clip";
    QTest::newRow("delete") << "MenuDelete"
                            << "1234" << 1 << 2 << "14"
                            << "clip";
    QTest::newRow("delete nothing selected") << "MenuDelete"
                                             << "1234" << 2 << 0 << "1234"
                                             << "clip";
}

void TestFormMainCommands::editCommands() {
    QFETCH(QString, action);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QFETCH(QString, clipboard);
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Type(QStringLiteral("EditR1"), text);
    h.Window().Worksheet()->Modified = false;
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    QLineEdit* edit = h.Edit(QStringLiteral("EditR1"));
    if (length > 0)
        edit->setSelection(start, length);
    else
        edit->setCursorPosition(start);
    h.Trigger(action);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(h.Window().CurrentCalculation()->Field(0).text, expected);
    QCOMPARE(h.Window().Worksheet()->Modified, expected != text);
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
}

void TestFormMainCommands::editMenuFollowsTheFocus() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    QCOMPARE(QApplication::focusWidget(), h.Edit(QStringLiteral("EditR1")));
    QCOMPARE(EditMenu(h), QStringLiteral("++++"));
    h.Edit(QStringLiteral("EditRout"))->setFocus(); // the unknown's read-only box
    QCOMPARE(EditMenu(h), QStringLiteral("-+--"));
    h.Tree()->setFocus(); // as ever: offered, and doing nothing there
    QCOMPARE(EditMenu(h), QStringLiteral("++++"));

    // The focused box stops being the unknown's, and becomes it again.
    h.Edit(QStringLiteral("EditRout"))->setFocus();
    w.CurrentCalculation()->SetUnknown(1);
    w.CurrentCalculator()->ShowUnknown();
    QCOMPARE(EditMenu(h), QStringLiteral("++++"));
    w.CurrentCalculation()->SetUnknown(0);
    w.CurrentCalculator()->ShowUnknown();
    QCOMPARE(EditMenu(h), QStringLiteral("-+--"));
}

void TestFormMainCommands::ctrlAIsSaveAsInsideEdit() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Type(QStringLiteral("EditR1"), QStringLiteral("12"));
    QLineEdit* edit = h.Edit(QStringLiteral("EditR1"));
    edit->setCursorPosition(1);
    QCOMPARE(QApplication::focusWidget(), edit);
    h.dialogs.savePaths << std::nullopt;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(h.dialogs.records.size(), 1);
    QCOMPARE(h.dialogs.records.first().call, RecordingDialogs::Call::SaveFile);
    QVERIFY(!edit->hasSelectedText());
    QCOMPARE(edit->text(), QStringLiteral("12"));
}

void TestFormMainCommands::ctrlDelIsMenuDelete() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Type(QStringLiteral("EditR1"), QStringLiteral("12 34"));
    QLineEdit* edit = h.Edit(QStringLiteral("EditR1"));
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("12 34")); // no word deleted: nothing was selected
    edit->setSelection(0, 3);
    QTest::keyClick(edit, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("34"));
    QCOMPARE(h.Window().CurrentCalculation()->Field(0).text, QStringLiteral("34"));
}

using EditAction = std::function<void(MainWindowHarness&, QLineEdit*)>;
Q_DECLARE_METATYPE(EditAction)

void TestFormMainCommands::unknownBoxKeepsItsText_data() {
    QTest::addColumn<EditAction>("action");
    QTest::addColumn<bool>("copies"); // the box's text reaches the clipboard
    auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        return EditAction([k, modifiers](MainWindowHarness&, QLineEdit* edit) {
            QTest::keyClick(edit, k, modifiers);
        });
    };
    auto menu = [](const char* name) {
        return EditAction(
            [name](MainWindowHarness& h, QLineEdit*) { h.Trigger(QString::fromLatin1(name)); });
    };
    QTest::newRow("typing") << EditAction([](MainWindowHarness&, QLineEdit* edit) {
        QTest::keyClicks(edit, QStringLiteral("5"));
    }) << false;
    QTest::newRow("Backspace") << key(Qt::Key_Backspace) << false;
    QTest::newRow("Ctrl+X") << key(Qt::Key_X, Qt::ControlModifier) << false;
    QTest::newRow("Ctrl+V") << key(Qt::Key_V, Qt::ControlModifier) << false;
    QTest::newRow("Shift+Delete") << key(Qt::Key_Delete, Qt::ShiftModifier) << false;
    QTest::newRow("Shift+Insert") << key(Qt::Key_Insert, Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+Z") << key(Qt::Key_Z, Qt::ControlModifier) << false;
    QTest::newRow("Edit > Cut") << menu("MenuCut") << false;
    QTest::newRow("Edit > Paste") << menu("MenuPaste") << false;
    QTest::newRow("Edit > Delete") << menu("MenuDelete") << false;
    QTest::newRow("Edit > Copy") << menu("MenuCopy") << true;
    QTest::newRow("Ctrl+C") << key(Qt::Key_C, Qt::ControlModifier) << true;
    QTest::newRow("context menu") << EditAction([](MainWindowHarness&, QLineEdit* edit) {
        std::unique_ptr<QMenu> context(edit->createStandardContextMenu());
        for (QAction* action : context->actions()) {
            // What the user can choose there: every entry that is enabled.
            if (action->isEnabled() && !action->text().contains(QLatin1String("Copy")))
                action->trigger();
        }
    }) << false;
    QTest::newRow("drop") << EditAction([](MainWindowHarness&, QLineEdit* edit) {
        QMimeData data;
        data.setText(QStringLiteral("9"));
        const QPoint point = edit->rect().center();
        QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(edit, &enter);
        QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(edit, &drop);
    }) << false;
    QTest::newRow("assistive tool") << EditAction([](MainWindowHarness&, QLineEdit* edit) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(edit);
        if (QAccessibleEditableTextInterface* text = box ? box->editableTextInterface() : nullptr)
            text->replaceText(0, int(edit->text().size()), QStringLiteral("9"));
        else if (box)
            box->setText(QAccessible::Value, QStringLiteral("9"));
    }) << false;
}

// Every calculator that marks its unknown's box read-only, now and as more
// are added: whatever the user does to that box, the box and its field keep
// the text and the worksheet stays unmodified; only copying works.
void TestFormMainCommands::unknownBoxKeepsItsText() {
    QFETCH(EditAction, action);
    QFETCH(bool, copies);
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    int checked = 0;
    for (int type = 1; type <= CalcTypeCount; ++type) {
        TFormProblem* form = w.Calculator(type);
        if (!form)
            continue;
        w.ShowType(type);
        RCalculation* calculation = w.CurrentCalculation();
        QVERIFY(calculation);
        for (int field = 0; field < calculation->FieldCount(); ++field) {
            for (int part : {1, 2}) {
                auto* edit = qobject_cast<QLineEdit*>(form->GetControl(field * 10 + part));
                if (!edit || !edit->isReadOnly() || !edit->isVisible())
                    continue;
                const QString label =
                    QStringLiteral("%1 %2").arg(form->GetTypeName(), edit->objectName());
                calculation->Field(field).SetTexts(QStringLiteral("200"), QStringLiteral("7"));
                form->ShowField(field);
                const QString shown = edit->text();
                QVERIFY2(!shown.isEmpty(), qPrintable(label));
                w.Worksheet()->Modified = false;
                QApplication::clipboard()->setText(QStringLiteral("9"));
                edit->setFocus(Qt::MouseFocusReason);
                edit->selectAll();
                QVERIFY2(EditMenu(h) == QLatin1String("-+--"), qPrintable(label));

                action(h, edit);

                QVERIFY2(edit->text() == shown, qPrintable(label + ": " + edit->text()));
                QCOMPARE(calculation->Field(field).text, QStringLiteral("200"));
                QCOMPARE(calculation->Field(field).imagText, QStringLiteral("7"));
                QVERIFY2(!w.Worksheet()->Modified, qPrintable(label));
                QCOMPARE(QApplication::clipboard()->text(), copies ? shown : QStringLiteral("9"));
                ++checked;
            }
        }
    }
    // The resistor, capacitor and inductor calculators at least.
    QVERIFY(checked >= 3);
    QVERIFY(h.dialogs.records.isEmpty());
}

QTEST_MAIN(TestFormMainCommands)
#include "tst_formmaincommands.moc"
