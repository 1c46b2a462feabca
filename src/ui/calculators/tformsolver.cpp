#include "ui/calculators/tformsolver.h"

#include "core/rcalculation.h"

TFormSolver::TFormSolver(AppContext& context, int type, std::vector<Solve> solves, QObject* parent)
    : TFormProblem(context, type, parent), solves_(std::move(solves)) {}

const TFormSolver::Solve* TFormSolver::CurrentSolve() const {
    const RCalculation* calculation = Calculation();
    const int unknown = calculation ? calculation->Unknown() : -1;
    if (unknown < 0 || unknown >= int(solves_.size()))
        return nullptr;
    return &solves_[size_t(unknown)];
}

void TFormSolver::Calculate() {
    const Solve* entry = CurrentSolve();
    const std::vector<int> target = UnknownFields();
    if (!entry || target.empty())
        return;
    Inputs values;
    for (int field : entry->fields) {
        if (!ValidateFields({field}, false))
            return;
        values.push_back(Calculation()->Field(field).GetReal());
    }
    Finish(target.front(), entry->solve(values));
}

void TFormSolver::ShowUnknown() {
    MarkUnknownFields();
}
