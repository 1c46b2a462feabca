#pragma once

#include "support/formfixture.h"

#include <QStringList>
#include <QtTest>

#include <cmath>

// What a user does on a form and what the form then shows, written as data,
// so that one table row tells a whole story on the real widgets.
//
// Steps: "EditZ1=50" types 50 into EditZ1 over what it holds ("EditZ1="
// empties it), "EditZ1+=5" types at the end of what it holds, "RadioZ1" or
// "ButtonCalculate" clicks, "mark" starts the part under test: the worksheet
// counts as unchanged and an earlier warning stands in the status bar.
//
// Checks: "EditZ1J=-86.60254" the edit's text; "EditZinJ~0" the edit's
// number within 1e-9; "GroupSolution:visible", ":hidden", "RadioSolution1:checked",
// ":unchecked", ":readonly", ":editable"; "field1=0|-86.6025403784439" the
// stored texts of field 1, "field1.2=..." those of its second solution;
// "modified=yes" or "modified=no".
using Steps = QStringList;

template <typename Form> void RunSteps(FormFixture<Form>& fixture, const Steps& steps) {
    for (const QString& step : steps) {
        const int equals = step.indexOf(u'=');
        if (step == QLatin1String("mark")) {
            fixture.worksheet.Modified = false;
            fixture.messages.ShowWarning(QStringLiteral("earlier warning"));
        } else if (equals < 0) {
            fixture.Click(step);
        } else if (equals > 0 && step[equals - 1] == u'+') {
            QLineEdit* edit = fixture.Edit(step.left(equals - 1));
            QVERIFY2(edit, qPrintable(step));
            edit->setFocus();
            edit->end(false);
            QTest::keyClicks(edit, step.mid(equals + 1));
        } else {
            fixture.Type(step.left(equals), step.mid(equals + 1));
        }
    }
}

template <typename Form> void CheckState(FormFixture<Form>& fixture, const QString& check) {
    const int colon = check.indexOf(u':');
    QWidget* widget = fixture.Find(check.left(colon));
    QVERIFY2(widget, qPrintable(check));
    const QString state = check.mid(colon + 1);
    auto* button = qobject_cast<QAbstractButton*>(widget);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (state == QLatin1String("visible") || state == QLatin1String("hidden"))
        QVERIFY2(widget->isVisibleTo(fixture.form->PanelMain()) ==
                     (state == QLatin1String("visible")),
                 qPrintable(check));
    else if (state == QLatin1String("checked") || state == QLatin1String("unchecked"))
        QVERIFY2(button && button->isChecked() == (state == QLatin1String("checked")),
                 qPrintable(check));
    else
        QVERIFY2(edit && edit->isReadOnly() == (state == QLatin1String("readonly")),
                 qPrintable(check));
}

template <typename Form> void RunChecks(FormFixture<Form>& fixture, const Steps& checks) {
    for (const QString& check : checks) {
        const int approx = check.indexOf(u'~');
        const int equals = check.indexOf(u'=');
        if (check.indexOf(u':') > 0) {
            CheckState(fixture, check);
        } else if (approx > 0) {
            const double value = fixture.Text(check.left(approx)).toDouble();
            QVERIFY2(std::abs(value - check.mid(approx + 1).toDouble()) < 1e-9, qPrintable(check));
        } else if (check.startsWith(QLatin1String("modified="))) {
            QCOMPARE(fixture.worksheet.Modified, check.endsWith(QLatin1String("=yes")));
        } else if (check.startsWith(QLatin1String("field"))) {
            const QStringList parts = check.mid(5, equals - 5).split(u'.');
            const RField* field = &fixture.Field(parts[0].toInt());
            if (parts.size() > 1) {
                const size_t solution = size_t(parts[1].toInt() - 1);
                QVERIFY2(solution < field->solutions.size(), qPrintable(check));
                field = &field->solutions[solution];
            }
            QCOMPARE(field->text + u'|' + field->imagText, check.mid(equals + 1));
        } else {
            QVERIFY2(equals > 0, qPrintable(check));
            QCOMPARE(fixture.Text(check.left(equals)), check.mid(equals + 1));
        }
    }
}

// A form of two edits that fill each other (a converter, wavelength and
// frequency), edits[0] showing field 0 and edits[1] field 1: after `setup`,
// `typed` ("EditFreq=7", "EditFreq+=5") stays in its edit and field as typed,
// and the other edit shows `other`, or with `other` empty keeps its text and
// field. The worksheet counts as unchanged and an earlier warning stands
// before the typing.
template <typename Form>
void CheckTypingIntoOneOfTwo(FormFixture<Form>& fixture, const QStringList& edits,
                             const Steps& setup, const QString& typed, const QString& other) {
    RunSteps(fixture, setup);
    const int equals = typed.indexOf(u'=');
    const bool append = typed[equals - 1] == u'+';
    const QString edit = typed.left(append ? equals - 1 : equals);
    const int field = edits.indexOf(edit);
    QVERIFY2(field >= 0, qPrintable(typed));
    const QString before = fixture.Text(edits[1 - field]);
    const QString storedBefore = fixture.Field(1 - field).text;
    const QString expectedText = (append ? fixture.Text(edit) : QString()) + typed.mid(equals + 1);
    RunSteps(fixture, {QStringLiteral("mark"), typed});
    QCOMPARE(fixture.Text(edit), expectedText);
    QCOMPARE(fixture.Field(field).text, expectedText);
    if (other.isEmpty()) {
        QVERIFY(!before.isEmpty());
        QCOMPARE(fixture.Text(edits[1 - field]), before);
        QCOMPARE(fixture.Field(1 - field).text, storedBefore);
    } else {
        QCOMPARE(fixture.Text(edits[1 - field]), other);
    }
}

// Every tag from 0 to 1099 that the form maps to a control, in order.
inline QList<int> MappedTags(const TFormProblem& form) {
    QList<int> tags;
    for (int tag = 0; tag < 1100; ++tag) {
        if (form.GetControl(tag))
            tags << tag;
    }
    return tags;
}
