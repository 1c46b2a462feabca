#pragma once

#include "core/calc/solved.h"
#include "core/calc/solver.h"

#include <QString>

#include <optional>

// What a standing-wave ratio says about the power on the line.
struct SwrReading {
    double swr = 1;
    // |Γ|, the share of the voltage wave the load sends back: (SWR − 1) / (SWR + 1).
    double reflection = 0;
    // −20·log10 |Γ| in dB: how far below the forward power the reflected
    // power is. Infinite for a matched load, which reflects nothing.
    double returnLoss = 0;
    // −10·log10 (1 − |Γ|²) in dB: the power that does not reach the load.
    double mismatchLoss = 0;
};

struct SwrSolved {
    Solved swr; // the SWR as a real value, or the message why there is none
    SwrReading reading;
};

// The SWR on a line of real characteristic impedance terminated by a complex
// load, both in ohms, and what that SWR means.
SwrSolved SwrOf(const Complex& load, double lineImpedance);

// The reading of an SWR: nothing for a value below 1 or not finite, which no
// load and line give.
std::optional<SwrReading> ReadingOfSwr(double swr);

// The solver: the SWR reads the load, then the line impedance.
SolverOutcome SolveSwr(const SolverInput& input);
