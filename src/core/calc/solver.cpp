#include "core/calc/solver.h"

SolverOutcome SolvedAs(const Solved& solved, int unit) {
    if (!solved.ok)
        return FailedWith(solved.message);
    SolverOutcome outcome;
    outcome.kind = SolverOutcome::Kind::Solved;
    outcome.solutions = {{solved.value}};
    outcome.unit = unit;
    return outcome;
}

SolverOutcome FailedWith(const QString& message, bool emptiesWritten) {
    SolverOutcome outcome;
    outcome.message = message;
    outcome.emptiesWritten = emptiesWritten;
    return outcome;
}
