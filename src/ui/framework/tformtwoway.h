#pragma once

#include "ui/framework/tformproblem.h"

// Two quantities side by side that follow from each other both ways, with a
// double-headed arrow between their boxes. The edit that has the keyboard
// focus is the input and the other edit follows on every change, whatever
// the preference for automatic calculation says; there is no unknown and no
// Calculate button. A unit radio converts only its own quantity.
class TFormTwoWay : public TFormProblem {
    Q_OBJECT

public:
    TFormTwoWay(AppContext& context, int type, QObject* parent = nullptr);

    bool AlwaysCalculates() const override { return true; }

protected:
    // The type's conversion from whichever of the two value edits has the
    // focus in the application (in the calculator's window while the
    // application is not active); with the focus anywhere else none.
    const SolveSpec* CurrentSolve() const override;
    // Places field 0's box on the left, field 1's on the right and the arrow
    // between them, and sizes the panel.
    void AddBoxes(const BoxSpec& left, const BoxSpec& right);
};
