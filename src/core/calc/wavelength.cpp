#include "core/calc/wavelength.h"

Solved LengthOfFrequency(double constant, double hertz) {
    const double megahertz = hertz * 0.000001;
    if (!(megahertz > 0))
        return Failure(QStringLiteral("Error: Invalid frequency."));
    return Success(constant / megahertz);
}

Solved FrequencyOfLength(double constant, double metres, const QString& lengthName) {
    if (metres == 0)
        return Failure(QStringLiteral("Error: Value for ") + lengthName +
                       QStringLiteral(" cannot be zero."));
    return Success(constant / metres * 1000000.0);
}

namespace {

constexpr double ConstantOf(LengthOf length) {
    return length == LengthOf::Wave ? WavelengthConstant : DipoleConstant;
}

} // namespace

template <LengthOf length> SolverOutcome SolveLengthOfFrequency(const SolverInput& input) {
    return SolvedAs(LengthOfFrequency(ConstantOf(length), input.values[0].re));
}

template <LengthOf length> SolverOutcome SolveFrequencyOfLength(const SolverInput& input) {
    return SolvedAs(FrequencyOfLength(ConstantOf(length), input.values[0].re, input.names[0]));
}

template SolverOutcome SolveLengthOfFrequency<LengthOf::Wave>(const SolverInput&);
template SolverOutcome SolveLengthOfFrequency<LengthOf::Dipole>(const SolverInput&);
template SolverOutcome SolveFrequencyOfLength<LengthOf::Wave>(const SolverInput&);
template SolverOutcome SolveFrequencyOfLength<LengthOf::Dipole>(const SolverInput&);
