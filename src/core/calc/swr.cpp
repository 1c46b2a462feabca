#include "core/calc/swr.h"

#include <algorithm>
#include <cmath>
#include <limits>

SwrSolved SwrOf(const Complex& load, double lineImpedance) {
    double r = load.re;
    double x = load.im;
    double ro = lineImpedance;
    // |Γ| depends only on the ratios of R, X and Ro. Scaling all three by one
    // power of two changes no rounding, so the result is that of the plain
    // formula, but it keeps the squares below from overflowing for a load of
    // 1e200 ohms or vanishing for one of 1e-200 ohms.
    const double largest = std::max({std::abs(r), std::abs(x), std::abs(ro)});
    if (largest > 0 && std::isfinite(largest)) {
        const int exponent = std::ilogb(largest);
        r = std::scalbn(r, -exponent);
        x = std::scalbn(x, -exponent);
        ro = std::scalbn(ro, -exponent);
    }
    const double num = (r - ro) * (r - ro) + x * x;
    const double den = (r + ro) * (r + ro) + x * x;
    if (den == 0)
        return {Failure(NoSolutionMessage()), {}};
    const double rho = std::sqrt(num / den);
    if (rho == 1)
        return {Failure(NoSolutionMessage()), {}};
    const Solved swr = Success(Complex((1 + rho) / (1 - rho)));
    if (!swr.ok)
        return {swr, {}};
    return {swr, ReadingOfSwr(swr.value.re).value_or(SwrReading())};
}

std::optional<SwrReading> ReadingOfSwr(double swr) {
    if (!(swr >= 1) || !std::isfinite(swr))
        return std::nullopt;
    SwrReading reading;
    reading.swr = swr;
    reading.reflection = (swr - 1) / (swr + 1);
    // The losses are never below 0; max() also turns a -0 into 0.
    reading.returnLoss = reading.reflection == 0
                             ? std::numeric_limits<double>::infinity()
                             : std::max(0.0, -20 * std::log10(reading.reflection));
    // 1 − |Γ|² = (1 − |Γ|)·(1 + |Γ|) = 2/(SWR + 1) · 2/(1 + 1/SWR), which
    // stays above 0 where |Γ| itself rounds to 1 for the largest SWRs.
    const double delivered = 2 / (swr + 1) * (2 / (1 + 1 / swr));
    reading.mismatchLoss = std::max(0.0, -10 * std::log10(delivered));
    return reading;
}

SolverOutcome SolveSwr(const SolverInput& input) {
    return SolvedAs(SwrOf(input.values[0], input.values[1].re).swr);
}
