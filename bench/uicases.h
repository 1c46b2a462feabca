#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A keystroke-to-result measurement on one calculator: the calculator's type
// is shown, the setup steps are done ("EditZ1=50" types into an edit,
// "RadioZ1" clicks a radio), then keystrokes alternate between a digit and
// Backspace in the timed edit while automatic calculation is on.
struct KeystrokeCase {
    int type;
    QString title;
    QStringList setup;
    QString edit;   // typed into while timed
    QString result; // shows the result
};

std::vector<KeystrokeCase>& KeystrokeCases();

// Each calculator family registers its cases from its own file.
struct KeystrokeCaseRegistration {
    explicit KeystrokeCaseRegistration(std::initializer_list<KeystrokeCase> cases) {
        for (const KeystrokeCase& entry : cases)
            KeystrokeCases().push_back(entry);
    }
};
