#pragma once

#include "support/formfixture.h"

#include <QStringList>

// Steps a user takes on a form, written as data: "EditZ1=50" types 50 into
// EditZ1 over what it holds ("EditZ1=" empties it), "EditZ1+=5" types at
// the end of what it holds, "RadioZ1" clicks that radio or button.
using Steps = QStringList;

template <typename Form> void RunSteps(FormFixture<Form>& fixture, const Steps& steps) {
    for (const QString& step : steps) {
        const int equals = step.indexOf(u'=');
        if (equals < 0) {
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

// Every tag from 0 to 1099 that the form maps to a control, in order.
inline QList<int> MappedTags(const TFormProblem& form) {
    QList<int> tags;
    for (int tag = 0; tag < 1100; ++tag) {
        if (form.GetControl(tag))
            tags << tag;
    }
    return tags;
}
