#include "core/calc/reactance.h"

#include "core/calc/pi.h"
#include "core/calc/positiveresult.h"

namespace {

// 1 / (x·(f·2π)), the capacitive formula in both directions.
Solved CapacitiveInverse(double x, double frequency) {
    const double b = x * (frequency * TwoPi);
    if (b == 0)
        return Failure(NoSolutionMessage());
    return PositiveResult(1 / b);
}

} // namespace

Solved ReactanceOf(Reactor reactor, double element, double frequency) {
    if (reactor == Reactor::Capacitor)
        return CapacitiveInverse(element, frequency);
    // A zero inductance or frequency has no reactance: 0 is the answer.
    return Success(Complex(element * (frequency * TwoPi)));
}

Solved ElementOfReactance(Reactor reactor, double reactance, double frequency) {
    if (reactor == Reactor::Capacitor)
        return CapacitiveInverse(reactance, frequency);
    const double w = frequency * TwoPi;
    if (w == 0)
        return Failure(NoSolutionMessage());
    const double inductance = reactance / w;
    if (reactance == 0)
        return Success(Complex(inductance));
    return PositiveResult(inductance);
}

template <Reactor reactor> SolverOutcome SolveReactance(const SolverInput& input) {
    return SolvedAs(ReactanceOf(reactor, input.values[0].re, input.values[1].re));
}

template <Reactor reactor> SolverOutcome SolveReactor(const SolverInput& input) {
    return SolvedAs(ElementOfReactance(reactor, input.values[1].re, input.values[0].re));
}

template SolverOutcome SolveReactance<Reactor::Capacitor>(const SolverInput&);
template SolverOutcome SolveReactance<Reactor::Inductor>(const SolverInput&);
template SolverOutcome SolveReactor<Reactor::Capacitor>(const SolverInput&);
template SolverOutcome SolveReactor<Reactor::Inductor>(const SolverInput&);
