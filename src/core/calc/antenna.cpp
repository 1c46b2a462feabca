#include "core/calc/antenna.h"

#include <cmath>

namespace {

constexpr double ReferenceSquared = 2500.0; // the analyser's 50 ohms, squared
constexpr double HighestSwr = 5.0;
constexpr double LowestSwr = 1.2;
constexpr double HighestQ = 500.0;
constexpr double LowestQ = 0.2;

AntennaOutcome Advice(int kind, double r = 0.0, double x1 = 0.0) {
    AntennaOutcome outcome;
    outcome.kind = AntennaOutcome::Kind::Advice;
    outcome.advice = kind;
    outcome.r = r;
    outcome.x1 = x1;
    return outcome;
}

AntennaOutcome NoSolution() {
    AntennaOutcome outcome;
    outcome.message = NoSolutionMessage();
    return outcome;
}

} // namespace

bool IsOffScale(const QString& displayedText) {
    return displayedText.toUpper() == QStringLiteral("H");
}

bool HasAddedCircuit(int configuration) {
    return configuration == AddedCapacitor || configuration == AddedCoil;
}

double AddedReactance(int configuration, double magnitude) {
    switch (configuration) {
    case AddedCapacitor:
        return -magnitude;
    case AddedCoil:
        return magnitude;
    default:
        return 0.0;
    }
}

AntennaOutcome SolveAntenna(const AntennaReading& reading) {
    const double s = reading.swr;
    if (s > HighestSwr)
        return Advice(AdviceSwrTooHigh);
    if (s < LowestSwr)
        return Advice(AdviceSwrTooLow);

    // The total series resistance seen by the analyser, and what is left
    // once the added resistor is taken away.
    const double z2 = reading.z * reading.z;
    const double total = s * (z2 + ReferenceSquared) / (50.0 * (s * s + 1.0));
    const double r = total - reading.addedResistance;
    const double h = z2 - (r + reading.addedResistance) * (r + reading.addedResistance);
    // Written so that an overflow (NaN) is refused too.
    if (!(h > 0.0))
        return NoSolution();
    const double root = std::sqrt(h);
    const double x1 = root - reading.addedReactance;
    const double x2 = -root - reading.addedReactance;
    // An added value beyond the range of a double leaves no number to show.
    if (!std::isfinite(r) || !std::isfinite(x1) || !std::isfinite(x2))
        return NoSolution();

    if (x1 != 0.0) {
        const double q = std::abs(r / x1);
        if (q > HighestQ)
            return Advice(AdviceReactanceTooSmall, r, x1);
        if (q < LowestQ)
            return Advice(AdviceReactanceTooLarge, r, x1);
    }
    // An added resistor larger than the total leaves a negative resistance:
    // the reading and the added circuit do not belong together.
    if (r < 0.0)
        return NoSolution();

    AntennaOutcome outcome;
    outcome.kind = AntennaOutcome::Kind::Solutions;
    outcome.solution1 = Complex(r, x1);
    outcome.solution2 = Complex(r, x2);
    return outcome;
}

SolverOutcome SolveAntennaImpedance(const SolverInput& input) {
    AntennaReading reading;
    reading.z = input.values[1].re;
    reading.swr = input.values[2].re;
    reading.addedResistance = input.values[3].re;
    reading.addedReactance = AddedReactance(input.configuration, input.values[4].re);
    const AntennaOutcome outcome = SolveAntenna(reading);
    switch (outcome.kind) {
    case AntennaOutcome::Kind::Failure:
        return FailedWith(outcome.message);
    case AntennaOutcome::Kind::Advice: {
        SolverOutcome advice;
        advice.kind = SolverOutcome::Kind::Advice;
        advice.advice = outcome.advice;
        advice.quoted = {outcome.r, outcome.x1};
        return advice;
    }
    case AntennaOutcome::Kind::Solutions:
        break;
    }
    SolverOutcome solved;
    solved.kind = SolverOutcome::Kind::Solved;
    solved.solutions = {{outcome.solution1}, {outcome.solution2}};
    return solved;
}
