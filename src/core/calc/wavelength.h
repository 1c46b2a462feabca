#pragma once

#include "core/calc/solved.h"
#include "core/calc/solver.h"

#include <QString>

// A length that belongs to a frequency as length = K / f, with K in metres
// times megahertz: the free-space wavelength (K = 299.8) and the total
// length of a half-wave dipole (K = 149.9). Frequencies are in hertz,
// lengths in metres.
constexpr double WavelengthConstant = 299.8;
constexpr double DipoleConstant = 149.9;

// "Error: Invalid frequency." for a frequency of 0.
Solved LengthOfFrequency(double constant, double hertz);
// A length of 0 has no frequency: "Error: Value for <lengthName> cannot be zero.".
Solved FrequencyOfLength(double constant, double metres, const QString& lengthName);

// The solvers: each reads the side typed into and writes the other; the
// frequency of a length names the length by its name in messages.
enum class LengthOf { Wave, Dipole };
template <LengthOf length> SolverOutcome SolveLengthOfFrequency(const SolverInput& input);
template <LengthOf length> SolverOutcome SolveFrequencyOfLength(const SolverInput& input);
