#pragma once

#include "core/calc/solved.h"
#include "core/calc/solver.h"

// An LC circuit resonates at f = 1 / (2π·√(L·C)). Each function gives one
// of the three from the other two, in henrys, farads and hertz. The
// arithmetic works in microhenrys, picofarads and kilohertz.
Solved ResonantFrequency(double inductance, double capacitance);
Solved ResonantInductance(double frequency, double capacitance);
Solved ResonantCapacitance(double frequency, double inductance);

// The solvers: the frequency reads L, then C; the inductance reads f, then
// C; the capacitance reads f, then L.
SolverOutcome SolveResonantFrequency(const SolverInput& input);
SolverOutcome SolveResonantInductance(const SolverInput& input);
SolverOutcome SolveResonantCapacitance(const SolverInput& input);
