#include "core/calc/combination.h"

#include <algorithm>

Solved Combine(CombinationRule rule, const Complex& x1, const Complex& x2,
               const QString& bothZeroMessage) {
    if (rule == CombinationRule::Additive)
        return Success(x1 + x2);
    const Complex sum = x1 + x2;
    if (norm(sum) == 0)
        return Failure(bothZeroMessage);
    return Success(x1 * x2 / sum);
}

Solved CombinationPart(CombinationRule rule, const Complex& combined, const Complex& other,
                       PartSign sign) {
    const bool positive = sign == PartSign::NotNegative;
    if (rule == CombinationRule::Additive) {
        const Complex part = combined - other;
        if (positive && part.re < 0)
            return Failure(NoSolutionMessage());
        return Success(part);
    }
    // 1/part = 1/combined - 1/other; the difference is zero when the other
    // part alone already gives the combination.
    const Complex difference = other - combined;
    if (norm(difference) == 0 || (positive && difference.re < 0))
        return Failure(NoSolutionMessage());
    return Success(combined * other / difference);
}

int CombinedUnit(CombinationRule rule, int unitA, int unitB) {
    return rule == CombinationRule::Reciprocal ? std::min(unitA, unitB) : std::max(unitA, unitB);
}

namespace {

CombinationRule RuleOf(int configuration, bool parallelAdds) {
    const bool series = configuration != 0;
    return series != parallelAdds ? CombinationRule::Additive : CombinationRule::Reciprocal;
}

SolverOutcome Combined(const SolverInput& input, bool parallelAdds) {
    const CombinationRule rule = RuleOf(input.configuration, parallelAdds);
    const QString bothZero = QStringLiteral("Error: ") + input.names[0] + QStringLiteral(" and ") +
                             input.names[1] + QStringLiteral(" are both zero.");
    return SolvedAs(Combine(rule, input.values[0], input.values[1], bothZero),
                    CombinedUnit(rule, input.units[0], input.units[1]));
}

SolverOutcome Part(const SolverInput& input, bool parallelAdds, PartSign sign) {
    const CombinationRule rule = RuleOf(input.configuration, parallelAdds);
    return SolvedAs(CombinationPart(rule, input.values[0], input.values[1], sign),
                    CombinedUnit(rule, input.units[0], input.units[1]));
}

} // namespace

SolverOutcome SolveCombination(const SolverInput& input) {
    return Combined(input, false);
}

SolverOutcome SolveCapacitorCombination(const SolverInput& input) {
    return Combined(input, true);
}

SolverOutcome SolveComponentPart(const SolverInput& input) {
    return Part(input, false, PartSign::NotNegative);
}

SolverOutcome SolveCapacitorPart(const SolverInput& input) {
    return Part(input, true, PartSign::NotNegative);
}

SolverOutcome SolveImpedancePart(const SolverInput& input) {
    return Part(input, false, PartSign::Any);
}
