#pragma once

#include "core/calc/solved.h"
#include "core/calc/solver.h"

// The reactance of a capacitor or an inductor at a frequency, and the
// capacitance or inductance with a given reactance. Values in farads,
// henrys, hertz and ohms.
enum class Reactor { Capacitor, Inductor };

// Xc = 1 / (C·(f·2π)) or Xl = L·(f·2π).
Solved ReactanceOf(Reactor reactor, double element, double frequency);
// C = 1 / (Xc·(f·2π)) or L = Xl / (f·2π).
Solved ElementOfReactance(Reactor reactor, double reactance, double frequency);

// The solvers: the reactance reads the component, then the frequency; the
// component reads the frequency, then the reactance.
template <Reactor reactor> SolverOutcome SolveReactance(const SolverInput& input);
template <Reactor reactor> SolverOutcome SolveReactor(const SolverInput& input);
