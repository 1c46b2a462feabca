#include "core/calculationsolver.h"

#include "core/calc/antenna.h"
#include "core/calctypes.h"
#include "core/messages.h"
#include "core/rcalculation.h"

namespace {

bool HasFields(const RCalculation& calculation, const SolveSpec& solve) {
    auto has = [&calculation](int field) { return field >= 0 && field < calculation.FieldCount(); };
    for (const ReadSpec& read : solve.reads) {
        if (!read.IsExtra() && !has(read.field))
            return false;
    }
    for (int field : solve.writes) {
        if (!has(field))
            return false;
    }
    return true;
}

bool ReadIn(const ReadSpec& read, int configuration) {
    return configuration >= 0 && configuration < 32 && (read.configurations >> configuration) & 1u;
}

// Takes the values the solve reads into the input; false when one fails its
// check (its warning shown) or is no input at all.
bool ReadInputs(const RCalculation& calculation, const CalcTypeInfo& info, const SolveSpec& solve,
                SolverInput& input, bool& noInput) {
    input.configuration = calculation.Configuration();
    for (const ReadSpec& read : solve.reads) {
        const RField extra = read.IsExtra() ? calculation.ExtraAsField(read.extraKey) : RField();
        const RField& field = read.IsExtra() ? extra : calculation.Field(read.field);
        const QString name = ReadName(info, read, input.configuration);
        Complex value;
        if (solve.emptyIsNoInput && field.text.isEmpty()) {
            noInput = true;
            return false;
        }
        if (!ReadIn(read, input.configuration)) {
            value = Complex();
        } else if (read.offScaleMark && IsOffScale(field.text)) {
            value = Complex(OffScaleReading);
        } else if (!field.Validate(name, solve.allowNegative)) {
            return false;
        } else {
            value = field.GetComplex();
        }
        input.values.push_back(value);
        input.units.push_back(field.Unit());
        input.names.push_back(name);
    }
    return true;
}

// One answer goes into the fields themselves, all of them or none; several
// into their solutions.
bool Store(RCalculation& calculation, const SolveSpec& solve, const SolverOutcome& outcome) {
    if (outcome.solutions.size() != 1)
        return calculation.StoreSolutions(solve.writes, outcome.solutions);
    std::vector<RField> written;
    for (size_t i = 0; i < solve.writes.size(); ++i) {
        written.push_back(calculation.Field(solve.writes[i]));
        if (!written.back().StoreResult(outcome.solutions.front().at(i), outcome.unit))
            return false;
    }
    for (size_t i = 0; i < solve.writes.size(); ++i)
        calculation.Field(solve.writes[i]) = std::move(written[i]);
    return true;
}

} // namespace

SolveResult SolveCalculation(RCalculation& calculation, const CalcTypeInfo& info,
                             const SolveSpec& solve) {
    SolveResult result;
    if (!solve.solver || !HasFields(calculation, solve))
        return result;
    SolverInput input;
    bool noInput = false;
    if (!ReadInputs(calculation, info, solve, input, noInput)) {
        result.kind = noInput ? SolveResult::Kind::Nothing : SolveResult::Kind::Refused;
        return result;
    }
    const SolverOutcome outcome = solve.solver(input);
    switch (outcome.kind) {
    case SolverOutcome::Kind::Advice:
        result.kind = SolveResult::Kind::Advice;
        result.advice = outcome.advice;
        result.quoted = outcome.quoted;
        return result;
    case SolverOutcome::Kind::Failed:
        if (outcome.emptiesWritten) {
            for (int field : solve.writes)
                calculation.Field(field).SetTexts(QString(), QString());
            calculation.SetSolution(-1);
        }
        ShowWarning(outcome.message);
        result.kind =
            outcome.emptiesWritten ? SolveResult::Kind::Emptied : SolveResult::Kind::Refused;
        return result;
    case SolverOutcome::Kind::Solved:
        break;
    }
    if (!Store(calculation, solve, outcome)) {
        ShowWarning(NoSolutionMessage());
        result.kind = SolveResult::Kind::Refused;
        return result;
    }
    ClearWarning();
    result.kind = SolveResult::Kind::Stored;
    result.solutions = int(outcome.solutions.size());
    return result;
}
