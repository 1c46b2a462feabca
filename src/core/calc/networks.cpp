#include "core/calc/networks.h"

#include "core/calc/combination.h"

#include <cmath>

namespace {

// a in parallel with b; `zeroMessage` when a + b is zero.
Solved Parallel(const Complex& a, const Complex& b, const QString& zeroMessage) {
    return Combine(CombinationRule::Reciprocal, a, b, zeroMessage);
}

// `base` plus a solved part, or the part's failure.
Solved Plus(const Complex& base, const Solved& part) {
    return part.ok ? Success(base + part.value) : part;
}

LNetworkDesign DesignFailure(const QString& message, bool emptiesElements) {
    LNetworkDesign design;
    design.message = message;
    design.emptiesElements = emptiesElements;
    return design;
}

QString NoSolutionFoundMessage() {
    return QStringLiteral("Error: No solution found.");
}

// Z1 in series: jX1 + (jX2 in parallel with Zout) equals Rin.
LNetworkDesign DesignZ1InSeries(double rin, double rout, double xout) {
    const double d = rout * rout * rout * rin + xout * xout * rout * rin - rout * rout * rin * rin;
    if (!(d >= 0))
        return DesignFailure(NoSolutionFoundMessage(), true);
    const double root = std::sqrt(d);
    const double difference = rin - rout;
    if (difference == 0)
        return DesignFailure(NoSolutionMessage(), false);
    LNetworkDesign design;
    design.x2[0] = (-rin * xout - root) / difference;
    design.x2[1] = (-rin * xout + root) / difference;
    for (int solution = 0; solution < 2; ++solution) {
        const double x2 = design.x2[solution];
        const double e = (xout + x2) * (xout + x2) + rout * rout;
        if (e == 0)
            return DesignFailure(NoSolutionMessage(), false);
        design.x1[solution] = -((xout + x2) * (xout * x2) + rout * rout * x2) / e;
    }
    design.ok = true;
    return design;
}

// Z1 in parallel: jX2 + (jX1 in parallel with Rin) equals Rout - jXout.
LNetworkDesign DesignZ1InParallel(double rin, double rout, double xout) {
    const double difference = rin - rout;
    const double t = difference == 0 ? 0 : rout / difference;
    if (difference == 0 || !(t >= 0))
        return DesignFailure(NoSolutionFoundMessage(), true);
    LNetworkDesign design;
    design.x1[0] = rin * std::sqrt(t);
    design.x1[1] = -rin * std::sqrt(t);
    for (int solution = 0; solution < 2; ++solution) {
        const double x1 = design.x1[solution];
        const double e = rin * rin + x1 * x1;
        if (e == 0)
            return DesignFailure(NoSolutionMessage(), false);
        design.x2[solution] = -((rin * rin * x1) / e + xout);
    }
    design.ok = true;
    return design;
}

} // namespace

Solved LNetworkZout(LNetworkType type, const Complex& zin, const Complex& z1, const Complex& z2) {
    if (type == LNetworkType::Z1InSeries)
        return Parallel(z1 + zin, z2, QStringLiteral("Error: Z1, Z2, and Zin are all zero."));
    return Plus(z2, Parallel(z1, zin, QStringLiteral("Error: Z1, and Zin are both zero.")));
}

Solved LNetworkZin(LNetworkType type, const Complex& zout, const Complex& z1, const Complex& z2) {
    if (type == LNetworkType::Z1InSeries)
        return Plus(z1, Parallel(z2, zout, QStringLiteral("Error: Z2, and Zout are both zero.")));
    return Parallel(z2 + zout, z1, QStringLiteral("Error: Z1, Z2, and Zout are all zero."));
}

LNetworkDesign DesignLNetwork(LNetworkType type, const Complex& zin, const Complex& zout) {
    if (zin.im != 0)
        return DesignFailure(QStringLiteral("Error: Imaginary component of Zin must be 0."), true);
    LNetworkDesign design = type == LNetworkType::Z1InSeries
                                ? DesignZ1InSeries(zin.re, zout.re, zout.im)
                                : DesignZ1InParallel(zin.re, zout.re, zout.im);
    // Extreme inputs can overflow to a reactance that is no number; the
    // boxes keep what they held rather than show one.
    if (design.ok) {
        for (int solution = 0; solution < 2; ++solution) {
            if (!std::isfinite(design.x1[solution]) || !std::isfinite(design.x2[solution]))
                return DesignFailure(NoSolutionMessage(), false);
            // A reactance of zero reads 0, not -0.
            design.x1[solution] += 0.0;
            design.x2[solution] += 0.0;
        }
    }
    return design;
}

Solved PiNetworkZout(const Complex& zin, const Complex& z1, const Complex& z2, const Complex& z3) {
    const Solved input = Parallel(zin, z1, QStringLiteral("Error: Zin and Z1 are both zero."));
    if (!input.ok)
        return input;
    return Parallel(input.value + z2, z3, NoSolutionMessage());
}

Solved PiNetworkZin(const Complex& zout, const Complex& z1, const Complex& z2, const Complex& z3) {
    const Solved output = Parallel(zout, z3, QStringLiteral("Error: Zout and Z3 are both zero."));
    if (!output.ok)
        return output;
    return Parallel(output.value + z2, z1, NoSolutionMessage());
}

Solved TNetworkZout(const Complex& zin, const Complex& z1, const Complex& z2, const Complex& z3) {
    return Plus(z3, Parallel(zin + z1, z2, QStringLiteral("Error: Z1, Z2, and Zin are all zero.")));
}

Solved TNetworkZin(const Complex& zout, const Complex& z1, const Complex& z2, const Complex& z3) {
    return Plus(z1,
                Parallel(z3 + zout, z2, QStringLiteral("Error: Z3, Z2, and Zout are all zero.")));
}

namespace {

LNetworkType LTypeOf(int configuration) {
    return configuration == 0 ? LNetworkType::Z1InSeries : LNetworkType::Z1InParallel;
}

} // namespace

SolverOutcome SolveLNetworkZout(const SolverInput& input) {
    const std::vector<Complex>& v = input.values;
    return SolvedAs(LNetworkZout(LTypeOf(input.configuration), v[0], v[1], v[2]));
}

SolverOutcome SolveLNetworkZin(const SolverInput& input) {
    const std::vector<Complex>& v = input.values;
    return SolvedAs(LNetworkZin(LTypeOf(input.configuration), v[0], v[1], v[2]));
}

SolverOutcome SolveLNetworkDesign(const SolverInput& input) {
    const LNetworkDesign design =
        DesignLNetwork(LTypeOf(input.configuration), input.values[1], input.values[0]);
    if (!design.ok)
        return FailedWith(design.message, design.emptiesElements);
    SolverOutcome outcome;
    outcome.kind = SolverOutcome::Kind::Solved;
    for (int solution = 0; solution < 2; ++solution)
        outcome.solutions.push_back(
            {Complex(0, design.x1[solution]), Complex(0, design.x2[solution])});
    return outcome;
}
