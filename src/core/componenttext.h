#pragma once

#include "core/calc/complexvalue.h"
#include "core/calc/standardvalues.h"

#include <QString>

// The texts that tell a builder which parts to use: a value in the
// engineering unit that reads best, the nearest standard part with its
// error, and the best pair of standard parts. The forms' component lines,
// their status and the reports all take their words from here.
//
// Numbers are written like the forms write them (general format at the
// configured precision, the locale's decimal separator); a unit follows after
// one space; pieces of a line are separated by two spaces. Errors are
// percentages with one decimal, signed with "+" or the minus sign U+2212
// ("+1.7 %", "−1.9 %"), and "0 %" when they round to nothing.

// "C", "L" or "R".
QString PartSymbol(PartKind kind);

// A value in base units (ohms, farads, henrys) at `precision` significant
// digits in the unit that keeps it at 1 or more and below 1000 where the
// kind has one: Ω, kΩ, MΩ; pF, nF, µF, F; nH, µH, mH, H ("224.16189 pF",
// "3.7360315 µH", "2.95 kΩ"). Smaller values stay in the smallest unit
// ("0.5 pF"), larger ones in the largest.
QString PartValueText(double value, PartKind kind, int precision);

// "C = 224.16189 pF": the kind's symbol before PartValueText.
QString PartEquationText(double value, PartKind kind, int precision);

// A standard part in the same units, with the series' significant digits:
// two for E6 to E24 ("3.0 kΩ", "750 Ω", "220 pF"), three for E48 to E192
// ("3.01 kΩ", "10.0 µH"); integers are never cut ("100 Ω" in E12).
QString StandardPartText(const StandardPart& part, PartKind kind, ESeries series);

// "+1.7 %", "−1.9 %", "0 %".
QString RelativeErrorText(double error);

// "E12: 220 pF (−1.9 %)"; empty when there is no part (!nearest.ok).
QString NearestPartText(const NearestPart& nearest, PartKind kind, ESeries series);

// "2.2 kΩ + 750 Ω (0 %)" for a pair in series, "10 kΩ ∥ 15 kΩ (0 %)" for one
// in parallel, the larger part first, whatever the kind: "+" always means in
// series and "∥" (U+2225, read out as "parallel to") in parallel. Empty when
// no pair was found.
QString PairText(const PartPair& pair, PartKind kind, ESeries series);

// What the resistor, capacitor and inductor results show beneath them: the
// nearest part and, where a pair comes nearer, the best pair:
// "E24: 3.0 kΩ (+1.7 %)  pair: 2.2 kΩ + 750 Ω (0 %)". A part that matches
// stands alone ("E24: 2.2 kΩ (0 %)"). Empty for a value that is not a part
// (0, negative, not finite, beyond MinPartValue and MaxPartValue).
QString StandardPartsText(double value, PartKind kind, ESeries series);

// The line beneath a network element or result of impedance R + jX at a
// design frequency in hertz: the capacitor or inductor of X with its nearest
// standard part, after the resistance when there is one:
//   "C = 224.16189 pF  E12: 220 pF (−1.9 %)"
//   "R = 50 Ω  L = 3.7360315 µH  E12: 3.9 µH (+4.4 %)"
//   "R = 50 Ω"                                   (X = 0)
// Empty when R and X are both 0, and when X has no component at that
// frequency (frequency not above 0, an overflow).
QString ComponentLineText(const Complex& impedance, double frequency, ESeries series,
                          int precision);

// The same line in its two pieces, as a parts list shows them: what the
// impedance is made of ("R = 50 Ω  L = 3.7360315 µH") and the standard part
// for its reactance ("E12: 3.9 µH (+4.4 %)"). Both empty where the line is.
struct ComponentPieces {
    QString value;
    QString part;
    // The line: the value, two spaces and the part when there is one.
    QString Line() const;
};
ComponentPieces ComponentLinePieces(const Complex& impedance, double frequency, ESeries series,
                                    int precision);
