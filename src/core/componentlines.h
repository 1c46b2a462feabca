#pragma once

#include "core/calc/standardvalues.h"
#include "core/designfrequency.h"

#include <QString>

#include <vector>

class RCalculation;

// The component lines of a calculation: beneath a box, the parts a builder
// puts on the bench for the value in it. The calculator forms show them under
// their boxes and every report lists them, so both read them from here.
//
// Which boxes have one:
//  - Impedance, L, Pi and T network calculations, while their design
//    frequency is valid: every element (Z1, Z2, Z3) and every field the
//    unknown writes whose reactance is not 0, as the capacitor or inductor of
//    that reactance with its nearest standard part, after the resistance when
//    there is one ("C = 224.16189 pF  E12: 220 pF (−1.9 %)");
//  - the antenna impedance, at the reading's own frequency (its field f);
//  - the result of the resistor, capacitor and inductor calculators, and the
//    C or L the reactance and resonance calculators solve for: the nearest
//    standard part and the best pair ("E24: 3.0 kΩ (+1.7 %)  pair: 2.2 kΩ +
//    750 Ω (0 %)").
// A box whose texts are empty or not numbers has none.

struct ComponentLine {
    int field = 0;
    // -1: the line of the field's own value. While a calculation shows its
    // solutions, each solution of a field has its line (0, 1, ...) instead.
    int solution = -1;
    // The part the value stands for: "C = 224.16189 pF", "R = 50 Ω  L =
    // 3.7360315 µH", "R = 2.95 kΩ".
    QString value;
    // The standard part(s): "E12: 220 pF (−1.9 %)", "E24: 3.0 kΩ (+1.7 %)
    // pair: 2.2 kΩ + 750 Ω (0 %)"; empty for a value no part comes near.
    QString part;
    // What the box shows beneath it: the value and its part for a network's
    // element, only the parts under a result whose box already holds the value.
    QString text;
};

struct ComponentLines {
    // The design frequency of a network calculation as evaluated: with the
    // message for the status bar when it is not valid. None for the other
    // types, the antenna impedance included.
    DesignFrequencyValue designFrequency;
    // By field, each field's by solution.
    std::vector<ComponentLine> lines;

    // The line of a field's own value (solution -1) or of one of its
    // solutions; nullptr when it has none.
    const ComponentLine* Find(int field, int solution = -1) const;
};

// Whether a calculation of the type has a design frequency of its own: the
// types whose table declares elements (the impedance combination and the
// L, Pi and T networks).
bool HasDesignFrequency(int type);

// The solution whose value a field's box shows: the calculation's chosen
// solution when the field has it, else -1 (the field's own value).
int ShownSolution(const RCalculation& calculation, int field);

// The lines of a calculation with parts from a series, numbers at the
// display precision.
ComponentLines ComponentLinesOf(const RCalculation& calculation, ESeries series, int precision);
