#pragma once

#include "core/calc/complexvalue.h"
#include "core/calc/solved.h"
#include "core/calc/solver.h"

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

// The kinds of advice; their texts are AntennaAdviceText's (core/text).
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
    double addedResistance = 0.0; // Ra in ohms
    double addedReactance = 0.0;  // Xa in ohms, signed
};

struct AntennaOutcome {
    enum class Kind { Solutions, Advice, Failure };
    Kind kind = Kind::Failure;
    Complex solution1; // R + jX1, in ohms
    Complex solution2; // R + jX2
    int advice = AdviceNone;
    // R and X1 in ohms, which the advice on an inaccurate impedance quotes.
    double r = 0.0;
    double x1 = 0.0;
    QString message; // the status bar text of a failure
};

// The antenna's impedance, or the advice, or the failure.
AntennaOutcome SolveAntenna(const AntennaReading& reading);

// The solver: it reads the frequency (which the readings do not depend on),
// |Z| and the SWR (OffScaleReading where off scale), and with an added
// circuit its resistance and the size of its reactance; it writes the
// impedance as two solutions, or gives advice quoting R and X1.
SolverOutcome SolveAntennaImpedance(const SolverInput& input);
