#pragma once

#include "core/calc/complexvalue.h"
#include "core/calc/solved.h"

#include <QString>

// The impedance of an antenna from the readings of an Autek RF 1 analyser:
// the SWR against 50 ohms and the magnitude |Z|, taken with or without a
// resistor and a capacitor (or coil) in series between the analyser and the
// antenna. The readings give R and the size of X but not its sign, hence two
// solutions. Readings outside the range where this is accurate give advice
// on what to add in series instead of a result.

// The analyser shows "H" when a reading is off scale; such a reading counts
// as this value.
constexpr double OffScaleReading = 1e10;
// Whether a reading's displayed text is the off-scale mark, in any case.
bool IsOffScale(const QString& displayedText);

// The added circuits by configuration number.
enum AddedCircuit : int { NoAddedCircuit = 0, AddedCapacitor = 1, AddedCoil = 2 };
// Whether the configuration puts a resistor and a capacitor or coil in series.
bool HasAddedCircuit(int configuration);
// The added reactance Xa from the typed magnitude: a capacitor's is negative,
// a coil's positive; 0 without an added circuit.
double AddedReactance(int configuration, double magnitude);

// The kinds of advice; their texts are AdviceText's.
enum AdviceKind : int {
    AdviceNone = 0,
    AdviceSwrTooHigh = 1,
    AdviceSwrTooLow = 2,
    AdviceReactanceTooSmall = 3, // |R / X1| above 500
    AdviceReactanceTooLarge = 4, // |R / X1| below 0.2
};

struct AntennaReading {
    double z = 0.0; // |Z| in ohms
    double swr = 0.0;
    QString swrText;              // the SWR as the form displays it; quoted by the advice
    double addedResistance = 0.0; // Ra in ohms
    double addedReactance = 0.0;  // Xa in ohms, signed
};

struct AntennaOutcome {
    enum class Kind { Solutions, Advice, Failure };
    Kind kind = Kind::Failure;
    Complex solution1; // R + jX1, in ohms
    Complex solution2; // R + jX2
    int advice = AdviceNone;
    QString first; // the advice's two texts: the SWR, or R and X1
    QString second;
    QString message; // the status bar text of a failure
};

// The antenna's impedance, or the advice, or the failure. R and X1 in the
// advice are written as the form displays numbers, at the given precision.
AntennaOutcome SolveAntenna(const AntennaReading& reading, int precision);

// What the advice window shows for a kind, given the advice's two texts.
// An unknown kind has an empty title, equation and advice.
struct AdviceText {
    QString titleLine; // "WARNING: " and the title
    QString equation;
    QString advice;
};
AdviceText AntennaAdviceText(int kind, const QString& first, const QString& second);
QString AdviceDismissText();
