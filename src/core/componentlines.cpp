#include "core/componentlines.h"

#include "core/calc/numbertext.h"
#include "core/calctypes.h"
#include "core/componenttext.h"
#include "core/rcalculation.h"
#include "core/units.h"

#include <algorithm>
#include <cmath>

namespace {

// The boxes of a network calculation that are parts of its circuit.
std::vector<int> ElementFields(const CalcTypeInfo& info) {
    std::vector<int> fields;
    for (int field = 0; field < int(info.fields.size()); ++field) {
        if (info.fields[size_t(field)].element)
            fields.push_back(field);
    }
    return fields;
}

// The field of the type's own frequency reading; -1 where there is none.
int ReadingFrequencyField(const CalcTypeInfo& info) {
    for (int field = 0; field < int(info.fields.size()); ++field) {
        if (info.fields[size_t(field)].quantity == Quantity::Frequency)
            return field;
    }
    return -1;
}

bool PartKindOfUnit(int unitKind, PartKind& kind) {
    switch (UnitKind(unitKind)) {
    case UnitKind::Resistance:
        kind = PartKind::Resistor;
        return true;
    case UnitKind::Capacitance:
        kind = PartKind::Capacitor;
        return true;
    case UnitKind::Inductance:
        kind = PartKind::Inductor;
        return true;
    default:
        return false;
    }
}

// A value to describe: a text that is a number, and for an impedance an
// imaginary text that is one (empty counts as 0).
bool HoldsValue(const RField& field, bool complex) {
    if (field.text.isEmpty() && (!complex || field.imagText.isEmpty()))
        return false;
    return IsNumber(field.text) && (!complex || IsNumber(field.imagText));
}

// Calls add(value, solution) for the values a field's lines describe: its
// own unless its box shows a solution, and each solution while the
// calculation shows them.
template <typename Add> void ForEachValue(const RCalculation& calculation, int field, Add add) {
    const RField& own = calculation.Field(field);
    if (ShownSolution(calculation, field) < 0)
        add(own, -1);
    if (calculation.Solution() < 0)
        return;
    for (int k = 0; k < int(own.solutions.size()); ++k)
        add(own.solutions[size_t(k)], k);
}

void AddReactanceLines(const RCalculation& calculation, const std::vector<int>& fields,
                       double hertz, ESeries series, int precision,
                       std::vector<ComponentLine>& lines) {
    for (int field : fields) {
        ForEachValue(calculation, field, [&](const RField& value, int solution) {
            if (!HoldsValue(value, true))
                return;
            const Complex impedance = value.GetComplex();
            if (impedance.im == 0 || !std::isfinite(impedance.re))
                return;
            const ComponentPieces pieces = ComponentLinePieces(impedance, hertz, series, precision);
            if (!pieces.value.isEmpty())
                lines.push_back({field, solution, pieces.value, pieces.part, pieces.Line()});
        });
    }
}

void AddPartsLines(const RCalculation& calculation, const std::vector<int>& fields, ESeries series,
                   int precision, std::vector<ComponentLine>& lines) {
    for (int field : fields) {
        const RField& value = calculation.Field(field);
        PartKind kind = PartKind::Resistor;
        if (!HoldsValue(value, false) || !PartKindOfUnit(value.unitKind, kind))
            continue;
        const double number = value.GetReal();
        const QString parts = StandardPartsText(number, kind, series);
        if (!parts.isEmpty())
            lines.push_back({field, -1, PartEquationText(number, kind, precision), parts, parts});
    }
}

// The reading's frequency in hertz, or 0 when it is none.
double ReadingFrequency(const RCalculation& calculation, int frequencyField) {
    if (frequencyField < 0)
        return 0;
    const RField& field = calculation.Field(frequencyField);
    if (!HoldsValue(field, false))
        return 0;
    const double hertz = field.GetReal();
    return std::isfinite(hertz) && hertz > 0 ? hertz : 0;
}

} // namespace

const ComponentLine* ComponentLines::Find(int field, int solution) const {
    for (const ComponentLine& line : lines) {
        if (line.field == field && line.solution == solution)
            return &line;
    }
    return nullptr;
}

bool HasDesignFrequency(int type) {
    const CalcTypeInfo* info = FindCalcType(type);
    return info && !ElementFields(*info).empty();
}

int ShownSolution(const RCalculation& calculation, int field) {
    const int solution = calculation.Solution();
    if (field < 0 || field >= calculation.FieldCount() || solution < 0 ||
        solution >= int(calculation.Field(field).solutions.size()))
        return -1;
    return solution;
}

ComponentLines ComponentLinesOf(const RCalculation& calculation, ESeries series, int precision) {
    ComponentLines result;
    const int type = calculation.Type();
    // A calculation a damaged file left without its type's fields shows none.
    if (!HasFieldsOfType(calculation))
        return result;
    const CalcTypeInfo& info = *FindCalcType(type);
    // The fields the calculation's unknown writes, and what they are to a builder.
    const UnknownSpec* unknown = UnknownOf(info, calculation);
    std::vector<int> fields = unknown ? unknown->solve.writes : std::vector<int>();
    const ResultPart part = unknown ? unknown->part : ResultPart::None;
    if (HasDesignFrequency(type)) {
        result.designFrequency = EvaluateDesignFrequency(GetDesignFrequency(calculation.Extras()));
        if (result.designFrequency.state != DesignFrequencyValue::State::Valid)
            return result;
        const std::vector<int> elements = ElementFields(info);
        fields.insert(fields.end(), elements.begin(), elements.end());
        std::sort(fields.begin(), fields.end());
        fields.erase(std::unique(fields.begin(), fields.end()), fields.end());
        AddReactanceLines(calculation, fields, result.designFrequency.hertz, series, precision,
                          result.lines);
    } else if (part == ResultPart::AtReadingFrequency) {
        if (const double hertz = ReadingFrequency(calculation, ReadingFrequencyField(info)))
            AddReactanceLines(calculation, fields, hertz, series, precision, result.lines);
    } else if (part == ResultPart::StandardPart) {
        AddPartsLines(calculation, fields, series, precision, result.lines);
    }
    return result;
}
