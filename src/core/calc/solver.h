#pragma once

#include "core/calc/solved.h"

#include <QString>

#include <type_traits>
#include <utility>
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

namespace solver_detail {

template <typename T> T ValueAs(const Complex& value);
template <> inline double ValueAs<double>(const Complex& value) {
    return value.re;
}
template <> inline Complex ValueAs<Complex>(const Complex& value) {
    return value;
}

template <typename... Args, size_t... Read>
Solved Call(Solved (*function)(Args...), const SolverInput& input, std::index_sequence<Read...>) {
    return function(ValueAs<std::decay_t<Args>>(input.values[Read])...);
}

template <typename... Args> constexpr size_t ArityOf(Solved (*)(Args...)) {
    return sizeof...(Args);
}

} // namespace solver_detail

// The solver of a function that takes the values read in their order: a
// real parameter takes the value's real part, a complex one the value.
template <auto function> SolverOutcome SolveWith(const SolverInput& input) {
    return SolvedAs(solver_detail::Call(
        function, input, std::make_index_sequence<solver_detail::ArityOf(function)>()));
}
