#include "core/calc/converters.h"

#include <array>

namespace {

constexpr CrossFactor Factor(double k, bool usPerMetric) {
    return {k, 1.0 / k, usPerMetric};
}

// In the order of the Converter enumeration.
constexpr std::array<CrossFactor, 5> factors = {{
    Factor(3.28084, true),   // feet per metre
    Factor(10.763911, true), // square feet per square metre
    Factor(35.31446, true),  // cubic feet per cubic metre
    Factor(29.57353, false), // millilitres per US fluid ounce
    Factor(28.34953, false), // grams per ounce
}};

} // namespace

const CrossFactor& FactorOf(Converter converter) {
    return factors[size_t(converter)];
}

Solved UsToMetric(Converter converter, double us) {
    const CrossFactor& factor = FactorOf(converter);
    return Success(us * (factor.usPerMetric ? factor.reciprocal : factor.k));
}

Solved MetricToUs(Converter converter, double metric) {
    const CrossFactor& factor = FactorOf(converter);
    return Success(metric * (factor.usPerMetric ? factor.k : factor.reciprocal));
}

template <Converter converter> SolverOutcome SolveUsToMetric(const SolverInput& input) {
    return SolvedAs(UsToMetric(converter, input.values[0].re));
}

template <Converter converter> SolverOutcome SolveMetricToUs(const SolverInput& input) {
    return SolvedAs(MetricToUs(converter, input.values[0].re));
}

template SolverOutcome SolveUsToMetric<Converter::Length>(const SolverInput&);
template SolverOutcome SolveMetricToUs<Converter::Length>(const SolverInput&);
template SolverOutcome SolveUsToMetric<Converter::Area>(const SolverInput&);
template SolverOutcome SolveMetricToUs<Converter::Area>(const SolverInput&);
template SolverOutcome SolveUsToMetric<Converter::DryVolume>(const SolverInput&);
template SolverOutcome SolveMetricToUs<Converter::DryVolume>(const SolverInput&);
template SolverOutcome SolveUsToMetric<Converter::FluidVolume>(const SolverInput&);
template SolverOutcome SolveMetricToUs<Converter::FluidVolume>(const SolverInput&);
template SolverOutcome SolveUsToMetric<Converter::Weight>(const SolverInput&);
template SolverOutcome SolveMetricToUs<Converter::Weight>(const SolverInput&);
