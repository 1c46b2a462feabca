#pragma once

#include <vector>

class RCalculation;
struct CalcTypeInfo;
struct SolveSpec;

// Solving one calculation the way its type declares, without any window, so
// that a form, a report or the command line solve alike.

struct SolveResult {
    enum class Kind {
        Nothing, // no input, no arithmetic to call, or fields the type lacks
        Refused, // an input failed its check or there is no answer: the warning is shown
        Stored,  // the answer is in the fields written
        Emptied, // no answer exists: the fields written are emptied, the warning shown
        Advice,  // advice instead of an answer; nothing changed
    };
    Kind kind = Kind::Nothing;
    int solutions = 0; // how many alternative answers were stored
    int advice = 0;
    std::vector<double> quoted; // the numbers the advice quotes
};

// Checks the fields the solve reads in their order, under their names in
// messages (the first failure shows its warning), calls the solver with
// their values and stores its answer in the fields it writes: one value with
// RField::StoreResult in the unit the solver chose, several solutions with
// RCalculation::StoreSolutions. A failure shows its message; success clears
// the warning. Messages go through the message sink.
SolveResult SolveCalculation(RCalculation& calculation, const CalcTypeInfo& info,
                             const SolveSpec& solve);
