#pragma once

#include "core/calc/solved.h"

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
