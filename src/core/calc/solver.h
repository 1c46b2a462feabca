#pragma once

#include "core/calc/solved.h"

#include <QString>

#include <vector>

// The one shape of every calculator's arithmetic as the type table calls it.
// A solver is given the values of the fields its choice of unknown reads, in
// the order the table declares them, and answers with one value per field it
// writes (or several alternative sets of them), or the exact message why
// there is none.

struct SolverInput {
    std::vector<Complex> values; // by read: the value in base units
    std::vector<int> units;      // by read: the unit index the field shows
    std::vector<QString> names;  // by read: the field's name in messages
    int configuration = 0;
};

struct SolverOutcome {
    enum class Kind { Solved, Failed, Advice };
    Kind kind = Kind::Failed;
    // By solution (usually one): a value per written field, in base units.
    std::vector<std::vector<Complex>> solutions;
    // The unit index the written fields take; -1 keeps each field's own.
    int unit = -1;
    QString message; // why it failed, as the status bar shows it
    // A failure that says no answer exists at all empties the written fields
    // rather than leaving an answer that no longer belongs to the inputs.
    bool emptiesWritten = false;
    // Advice instead of an answer: its kind and the numbers it quotes.
    int advice = 0;
    std::vector<double> quoted;
};

using Solver = SolverOutcome (*)(const SolverInput& input);

// One value written into the one field solved for, or the failure.
SolverOutcome SolvedAs(const Solved& solved, int unit = -1);
SolverOutcome FailedWith(const QString& message, bool emptiesWritten = false);
