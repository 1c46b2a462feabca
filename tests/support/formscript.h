#pragma once

#include "support/formfixture.h"

#include <QtTest>

// A calculator form driven by short scripts, so that one table row tells a
// whole story on the real widgets.
//
// Steps: "EditZin=50" types into an edit (an empty text clears it),
// "RadioZin" or "ButtonCalculate" clicks, "mark" starts the part under test:
// the worksheet counts as unchanged and an earlier warning stands in the
// status bar.
//
// Checks: "EditZ1J=-86.60254" the edit's text; "EditZinJ~0" the edit's
// number within 1e-9; "GroupSolution:visible", ":hidden", "RadioSolution1:checked",
// ":unchecked", ":readonly", ":editable"; "field1=0|-86.6025403784439" the
// stored texts of field 1, "field1.2=..." those of its second solution;
// "modified=yes" or "modified=no".
template <typename Form> void RunSteps(FormFixture<Form>& fixture, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step == QLatin1String("mark")) {
            fixture.worksheet.Modified = false;
            fixture.messages.ShowWarning(QStringLiteral("earlier warning"));
            continue;
        }
        const int equals = step.indexOf(u'=');
        if (equals < 0)
            fixture.Click(step);
        else
            fixture.Type(step.left(equals), step.mid(equals + 1));
    }
}

template <typename Form> void RunChecks(FormFixture<Form>& fixture, const QStringList& checks) {
    for (const QString& check : checks) {
        const QByteArray what = check.toUtf8();
        const int colon = check.indexOf(u':');
        if (colon > 0) {
            QWidget* widget = fixture.Find(check.left(colon));
            QVERIFY2(widget, what.constData());
            const QString state = check.mid(colon + 1);
            auto* button = qobject_cast<QAbstractButton*>(widget);
            auto* edit = qobject_cast<QLineEdit*>(widget);
            if (state == QLatin1String("visible") || state == QLatin1String("hidden"))
                QVERIFY2(widget->isVisibleTo(fixture.form->PanelMain()) ==
                             (state == QLatin1String("visible")),
                         what.constData());
            else if (state == QLatin1String("checked") || state == QLatin1String("unchecked"))
                QVERIFY2(button && button->isChecked() == (state == QLatin1String("checked")),
                         what.constData());
            else
                QVERIFY2(edit && edit->isReadOnly() == (state == QLatin1String("readonly")),
                         what.constData());
            continue;
        }
        const int approx = check.indexOf(u'~');
        if (approx > 0) {
            const double value = fixture.Text(check.left(approx)).toDouble();
            QVERIFY2(std::abs(value - check.mid(approx + 1).toDouble()) < 1e-9, what.constData());
            continue;
        }
        const int equals = check.indexOf(u'=');
        QVERIFY2(equals > 0, what.constData());
        const QString name = check.left(equals);
        const QString expected = check.mid(equals + 1);
        if (name == QLatin1String("modified")) {
            QCOMPARE(fixture.worksheet.Modified, expected == QLatin1String("yes"));
        } else if (name.startsWith(QLatin1String("field"))) {
            const QStringList parts = name.mid(5).split(u'.');
            const RField* field = &fixture.Field(parts[0].toInt());
            if (parts.size() > 1) {
                const size_t solution = size_t(parts[1].toInt() - 1);
                QVERIFY2(solution < field->solutions.size(), what.constData());
                field = &field->solutions[solution];
            }
            QCOMPARE(field->text + u'|' + field->imagText, expected);
        } else {
            QCOMPARE(fixture.Text(name), expected);
        }
    }
}
