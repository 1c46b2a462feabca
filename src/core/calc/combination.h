#pragma once

#include "core/calc/solved.h"
#include "core/calc/solver.h"

// Two quantities X1 and X2 combined into X, by the reciprocal rule
// 1/X = 1/X1 + 1/X2 (resistors in parallel, capacitors in series) or by the
// additive rule X = X1 + X2. Given X and one part, the other part follows.
// Values are complex, in base units.
enum class CombinationRule { Reciprocal, Additive };

// Whether a part solved back from the combination may come out with a
// negative real part: a component (R, C, L) may not, an impedance may.
enum class PartSign { Any, NotNegative };

// X from X1 and X2; bothZeroMessage when X1 + X2 is zero under the reciprocal rule.
Solved Combine(CombinationRule rule, const Complex& x1, const Complex& x2,
               const QString& bothZeroMessage);
// One part from the combination and the other part.
Solved CombinationPart(CombinationRule rule, const Complex& combined, const Complex& other,
                       PartSign sign);
// The unit index of a result: the finer of the two inputs' units for the
// reciprocal rule, the coarser for the additive rule.
int CombinedUnit(CombinationRule rule, int unitA, int unitB);

// The solvers of the combination calculators (configuration 0 parallel, 1
// series). The combination reads the two parts; it is "Error: <first> and
// <second> are both zero." when the reciprocal rule has nothing to add up. A
// part reads the combination, then the other part. Either result takes the
// unit CombinedUnit picks from the two read.
// Resistors, inductors and impedances follow the reciprocal rule in parallel.
SolverOutcome SolveCombination(const SolverInput& input);
// Capacitors add in parallel.
SolverOutcome SolveCapacitorCombination(const SolverInput& input);
// A resistor or an inductor, never negative; a capacitor; an impedance.
SolverOutcome SolveComponentPart(const SolverInput& input);
SolverOutcome SolveCapacitorPart(const SolverInput& input);
SolverOutcome SolveImpedancePart(const SolverInput& input);
