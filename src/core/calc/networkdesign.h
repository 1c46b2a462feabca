#pragma once

#include "core/calc/complexvalue.h"
#include "core/calc/solver.h"

#include <QString>

// Pi and T matching networks designed from a loaded Q, between a resistive
// input Rin and a resistive output Rout (ohms). The elements are those the
// Pi and T calculators transform through (networks.h), so that
// PiNetworkZin(Rout, z1, z2, z3) and TNetworkZin(Rout, z1, z2, z3) give Rin
// back.
//
// Pi (low-pass tank): Z1 = −jX1 a capacitor to ground at the input,
// Z2 = +jX2 a series coil, Z3 = −jX3 a capacitor to ground at the output;
// Q = Rin / X1, the loaded Q of the input tank. Both halves are L sections
// that meet at a virtual resistance Rin / (Q² + 1), which must lie below
// Rout:
//   X1 = Rin / Q,  X3 = Rout / √((Rout / Rin)(Q² + 1) − 1),
//   X2 = (Q·Rin + Rin·Rout / X3) / (Q² + 1).
//
// T (high-pass tuner): Z1 = −jX1 a series capacitor at the input,
// Z2 = +jX2 a coil to ground, Z3 = −jX3 a series capacitor at the output;
// Q = X1 / Rin. The halves meet at a virtual resistance Rv = Rin (1 + Q²),
// which must lie above Rout:
//   X1 = Q·Rin,  Q3 = √(Rv / Rout − 1),  X3 = Q3·Rout,
//   X2 = (Rv / Q) in parallel with (Rv / Q3) = Rv / (Q + Q3).
//
// Either network transforms in both directions: Rin may be above or below
// Rout.

struct NetworkDesign {
    bool ok = false;
    // The three elements as impedances in ohms, real parts 0: Z1 = −jX1,
    // Z2 = +jX2, Z3 = −jX3 with X1, X2, X3 > 0 and finite.
    Complex z1;
    Complex z2;
    Complex z3;
    QString message; // the status bar text of a failure
};

// The checks, in this order; the first that fails gives the message:
// 1. im(Zin) not 0: "Error: Imaginary component of Zin must be 0."
// 2. im(Zout) not 0: "Error: Imaginary component of Zout must be 0."
// 3. Rin, Rout or Q not above 0 (zero, negative or not a finite number):
//    "Error: No solution."
// 4. Q not above the network's minimum Q for these resistances (Pi:
//    (Rout / Rin)(Q² + 1) ≤ 1; T: Rin (1 + Q²) ≤ Rout): QTooLowMessage.
//    At exactly the minimum the output element would be an open (Pi) or a
//    short (T) and the network an L section, so the minimum itself is
//    refused: Q must be greater than it. (A Q so small that Q² vanishes
//    beside 1 between equal resistances, where the minimum is 0, and a
//    ratio of resistances whose minimum Q overflows give "Error: No
//    solution." instead.)
// 5. An element that overflows or underflows the range of a double on
//    extreme inputs: "Error: No solution."
NetworkDesign DesignPiNetwork(const Complex& zin, const Complex& zout, double q);
NetworkDesign DesignTNetwork(const Complex& zin, const Complex& zout, double q);

// The minimum Q of each network for these resistances (ohms, both above 0);
// a design needs a Q greater than this. 0 when every Q above 0 works.
//   Pi: √(Rin / Rout − 1) when Rin > Rout;  T: √(Rout / Rin − 1) when Rout > Rin.
double PiMinimumQ(double rin, double rout);
double TMinimumQ(double rin, double rout);

// "Error: Q must be greater than 6.245 for these resistances." with the
// minimum written with 4 significant digits in the locale's number format,
// rounded up so that any Q greater than the printed figure works
// (√3 = 1.73205 reads 1.733, not 1.732).
QString QTooLowMessage(double minimumQ);

// The solvers of the Pi and T calculators' design: they read Zin, Zout and
// the loaded Q, in that order, and write Z1, Z2 and Z3 as one answer, or
// fail with the design's message and leave the elements as they were.
template <NetworkDesign (*design)(const Complex&, const Complex&, double)>
SolverOutcome SolveNetworkDesign(const SolverInput& input) {
    const NetworkDesign result = design(input.values[0], input.values[1], input.values[2].re);
    if (!result.ok)
        return FailedWith(result.message);
    SolverOutcome outcome;
    outcome.kind = SolverOutcome::Kind::Solved;
    outcome.solutions = {{result.z1, result.z2, result.z3}};
    return outcome;
}
