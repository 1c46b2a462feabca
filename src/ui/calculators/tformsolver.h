#pragma once

#include "ui/framework/tformproblem.h"

#include <functional>
#include <vector>

// A calculator whose unknown is one of its quantities: for each choice of
// unknown it checks some fields in a fixed order, hands their values to the
// core's arithmetic and writes the answer, in that field's unit, into the
// field the type table names for the unknown. The unknown's edit takes the
// unknown's colours.
class TFormSolver : public TFormProblem {
    Q_OBJECT

public:
    // The values of the checked fields, in base units, in the order checked.
    using Inputs = std::vector<double>;
    struct Solve {
        std::vector<int> fields; // checked in this order, none of them negative
        std::function<Solved(const Inputs&)> solve;
    };

    void Calculate() override;
    void ShowUnknown() override;

protected:
    // Solves by unknown number: the first entry for unknown 0.
    TFormSolver(AppContext& context, int type, std::vector<Solve> solves,
                QObject* parent = nullptr);

    // The entry of the current unknown, or nullptr for one out of range.
    const Solve* CurrentSolve() const;

private:
    std::vector<Solve> solves_;
};
