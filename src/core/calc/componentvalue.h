#pragma once

#include "core/calc/standardvalues.h"

// The capacitor or inductor that has a given reactance at a frequency: what
// to put on the bench for an element a network calculation gives in ohms.
struct ComponentValue {
    bool ok = false; // false for X = 0, a frequency that is not above 0, or an overflow
    PartKind kind = PartKind::Resistor;
    double value = 0.0; // farads or henrys
};

// X < 0: a capacitor, C = 1 / (2πf·|X|); X > 0: an inductor, L = X / (2πf);
// X = 0 is no component. Reactance in ohms, frequency in hertz.
ComponentValue ComponentOfReactance(double reactance, double frequency);
