#pragma once

#include "core/calc/solved.h"
#include "core/calc/solver.h"

// The five conversions between US customary and metric quantities. Values
// are in the base units of their side (foot and metre, square foot and
// square metre, cubic foot and cubic metre, US fluid ounce and millilitre,
// ounce and gram); the typed unit and the shown unit are the fields' own.
enum class Converter { Length, Area, DryVolume, FluidVolume, Weight };

// A converter's cross factor k, as it is quoted (3.28084 feet per metre,
// 28.34953 grams per ounce), and its reciprocal, so that no conversion ever
// divides: a division by k is a multiplication by the reciprocal.
struct CrossFactor {
    double k;
    double reciprocal;
    // k counts US units per metric unit (feet per metre) rather than metric
    // units per US unit (grams per ounce).
    bool usPerMetric;
};

const CrossFactor& FactorOf(Converter converter);

// The other side of a typed value; a value that does not fit a double is
// "Error: No solution.".
Solved UsToMetric(Converter converter, double us);
Solved MetricToUs(Converter converter, double metric);

// The solvers: each reads the side typed into and writes the other.
template <Converter converter> SolverOutcome SolveUsToMetric(const SolverInput& input);
template <Converter converter> SolverOutcome SolveMetricToUs(const SolverInput& input);
