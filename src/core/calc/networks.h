#pragma once

#include "core/calc/solved.h"
#include "core/calc/solver.h"

// Matching networks between an input port (Zin) and an output port (Zout).
// Every value is a complex impedance in ohms.

// An L network: Z1 in series with the line and Z2 from the junction to
// ground, or Z1 to ground at the input and Z2 in series towards the output.
enum class LNetworkType { Z1InSeries, Z1InParallel };

// The impedance seen at the output when the input is terminated in Zin.
Solved LNetworkZout(LNetworkType type, const Complex& zin, const Complex& z1, const Complex& z2);
// The impedance seen at the input when the output is terminated in Zout.
Solved LNetworkZin(LNetworkType type, const Complex& zout, const Complex& z1, const Complex& z2);

// The two lossless reactances Z1 = jX1 and Z2 = jX2 that match a load Zout
// to a resistive Zin, for both roots of the design equation.
struct LNetworkDesign {
    bool ok = false;
    double x1[2] = {0.0, 0.0}; // by solution: Solution 1, Solution 2
    double x2[2] = {0.0, 0.0};
    QString message;
    // A failure that says no network of the type exists empties the elements'
    // boxes; one that only finds a degenerate root leaves them as they were.
    bool emptiesElements = false;
};
LNetworkDesign DesignLNetwork(LNetworkType type, const Complex& zin, const Complex& zout);

// A Pi network: Z1 to ground at the input, Z2 in series, Z3 to ground at the output.
Solved PiNetworkZout(const Complex& zin, const Complex& z1, const Complex& z2, const Complex& z3);
Solved PiNetworkZin(const Complex& zout, const Complex& z1, const Complex& z2, const Complex& z3);

// A T network: Z1 in series at the input, Z2 to ground, Z3 in series at the output.
Solved TNetworkZout(const Complex& zin, const Complex& z1, const Complex& z2, const Complex& z3);
Solved TNetworkZin(const Complex& zout, const Complex& z1, const Complex& z2, const Complex& z3);

// The L network's solvers (configuration 0 puts Z1 in series): Zout reads
// Zin, Z1, Z2; Zin reads Zout, Z1, Z2. The design reads Zout, then Zin, and
// writes Z1 and Z2 as two solutions; a design that finds no network of the
// type empties them.
SolverOutcome SolveLNetworkZout(const SolverInput& input);
SolverOutcome SolveLNetworkZin(const SolverInput& input);
SolverOutcome SolveLNetworkDesign(const SolverInput& input);
