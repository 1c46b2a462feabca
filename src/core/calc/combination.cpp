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
