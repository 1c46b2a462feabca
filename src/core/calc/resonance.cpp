#include "core/calc/resonance.h"

#include "core/calc/pi.h"
#include "core/calc/positiveresult.h"

#include <cmath>

namespace {

// 1 / ((2π·f)²·X), with the frequency in kilohertz and X in microhenrys or
// picofarads: 1e12 / D in the other one of the two.
Solved InverseOfTuning(double frequency, double scaledElement, double resultScale) {
    const double fk = frequency * 0.001;
    const double d = fk * fk * 4 * Pi * Pi * scaledElement;
    // Also false for a value that is not a number.
    if (!(d > 0))
        return Failure(NoSolutionMessage());
    return PositiveResult((1e12 / d) * resultScale);
}

} // namespace

Solved ResonantFrequency(double inductance, double capacitance) {
    const double microhenrys = inductance * 1e6;
    const double picofarads = capacitance * 1e12;
    const double p = microhenrys * picofarads;
    if (!(p > 0))
        return Failure(NoSolutionMessage());
    const double s = std::sqrt(p) * TwoPi;
    if (!(s > 0))
        return Failure(NoSolutionMessage());
    return PositiveResult(1e9 / s);
}

Solved ResonantInductance(double frequency, double capacitance) {
    return InverseOfTuning(frequency, capacitance * 1e12, 1e-6);
}

Solved ResonantCapacitance(double frequency, double inductance) {
    return InverseOfTuning(frequency, inductance * 1e6, 1e-12);
}
