#pragma once

#include "support/formfixture.h"

#include <QStringList>

// Steps a user takes on a form, written as data: "EditZ1=50" types 50 into
// EditZ1 ("EditZ1=" empties it), "RadioZ1" clicks that radio or button.
using Steps = QStringList;

template <typename Form> void RunSteps(FormFixture<Form>& fixture, const Steps& steps) {
    for (const QString& step : steps) {
        const int equals = step.indexOf(u'=');
        if (equals < 0)
            fixture.Click(step);
        else
            fixture.Type(step.left(equals), step.mid(equals + 1));
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
