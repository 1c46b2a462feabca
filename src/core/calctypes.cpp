#include "core/calctypes.h"

#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/units.h"

#include <array>

namespace {

FieldSpec Plain(UnitKind kind) { return FieldSpec{KindNumber(kind), KindNumber(kind)}; }

FieldSpec WithSolutions(UnitKind kind, int count) {
    FieldSpec entry = Plain(kind);
    entry.solutionCount = count;
    return entry;
}

std::vector<FieldSpec> Repeat(UnitKind kind, int count) {
    return std::vector<FieldSpec>(size_t(count), Plain(kind));
}

std::array<CalcTypeInfo, CalcTypeCount> BuildTable() {
    using K = UnitKind;
    FieldSpec ro = Plain(K::Resistance);
    ro.hasInitialValue = true;
    ro.initialValue = 50.0;
    // The SWR result is dimensionless but takes the unit index of the ohm default.
    const FieldSpec swrResult{KindNumber(K::Dimensionless), KindNumber(K::Resistance)};

    return {{
        {1, "Resistor", "Resistor:", 3000, Repeat(K::Resistance, 3)},
        {2, "Capacitor", "Capacitor:", 3100, Repeat(K::Capacitance, 3)},
        {3, "Inductor", "Inductor:", 3200, Repeat(K::Inductance, 3)},
        {4, "Impedance", "Impedance:", 3300, Repeat(K::Resistance, 3)},
        {5, "ReactanceC", "Reactance with Capacitors:", 3400,
         {Plain(K::Capacitance), Plain(K::Frequency), Plain(K::Resistance)}},
        {6, "ReactanceI", "Reactance with Inductors:", 3500,
         {Plain(K::Inductance), Plain(K::Frequency), Plain(K::Resistance)}},
        {7, "LNetwork", "L Network:", 3600,
         {Plain(K::Resistance), WithSolutions(K::Resistance, 2),
          WithSolutions(K::Resistance, 2), Plain(K::Resistance)}},
        {8, "PiNetwork", "Pi Network:", 3700, Repeat(K::Resistance, 5)},
        {9, "TNetwork", "T Network:", 3800, Repeat(K::Resistance, 5)},
        {10, "SWR", "SWR Calculator:", 3900, {Plain(K::Resistance), ro, swrResult}},
        {11, "Length", "Conversions: Length", 3910,
         {Plain(K::UsLength), Plain(K::MetricLength)}},
        {12, "Area", "Conversions: Area", 3920, {Plain(K::UsArea), Plain(K::MetricArea)}},
        {13, "VolDry", "Conversions: Volume (Dry)", 3930,
         {Plain(K::UsVolume), Plain(K::MetricVolume)}},
        {14, "VolFluid", "Conversions: Volume (Fluid)", 3940,
         {Plain(K::UsFluid), Plain(K::MetricFluid)}},
        {15, "Weight", "Weight/Mass", 3950, {Plain(K::UsWeight), Plain(K::MetricWeight)}},
        {16, "Wavelen", "Wavelength/Frequency", 3960,
         {Plain(K::Frequency), Plain(K::FeetMeters)}},
        {17, "Dipole", "Half-Wave Dipole Length", 3970,
         {Plain(K::Frequency), Plain(K::FeetMeters)}},
        {18, "Resonant", "Resonant Frequency", 3980,
         {Plain(K::Inductance), Plain(K::Capacitance), Plain(K::Frequency)}},
        {19, "AirCoil", "Inductance of an Air Core Coil", 3990,
         {Plain(K::InchesCentimeters), Plain(K::InchesCentimeters), Plain(K::Dimensionless),
          Plain(K::Inductance)}},
        {20, "AntImped", "Antenna Impedance using the Autek RF 1", 3995,
         {Plain(K::Frequency), Plain(K::Resistance), Plain(K::Dimensionless),
          Plain(K::Resistance), Plain(K::Resistance), WithSolutions(K::Resistance, 2)}},
    }};
}

const std::array<CalcTypeInfo, CalcTypeCount>& Table() {
    static const std::array<CalcTypeInfo, CalcTypeCount> table = BuildTable();
    return table;
}

} // namespace

const CalcTypeInfo* FindCalcType(int type) {
    if (type < 1 || type > CalcTypeCount)
        return nullptr;
    return &Table()[size_t(type - 1)];
}

void InitCalculationOfType(int type, RCalculation& calculation, const RConfig& config) {
    calculation.SetType(type);
    calculation.ClearFields();
    const CalcTypeInfo* info = FindCalcType(type);
    if (!info)
        return;
    for (const FieldSpec& entry : info->fields) {
        RField field;
        field.unitKind = entry.unitKind;
        field.unitIndex = config.DefaultUnit(entry.defaultUnitKind);
        // Solutions are plain fields: empty, unit index 0, unit kind 0.
        field.solutions.resize(size_t(entry.solutionCount));
        if (entry.hasInitialValue)
            field.SetReal(entry.initialValue);
        calculation.Fields().push_back(std::move(field));
    }
}

bool HasFieldsOfType(const RCalculation& calculation) {
    const CalcTypeInfo* info = FindCalcType(calculation.Type());
    if (!info || calculation.FieldCount() != int(info->fields.size()))
        return false;
    for (int i = 0; i < calculation.FieldCount(); ++i) {
        if (calculation.Field(i).unitKind != info->fields[size_t(i)].unitKind)
            return false;
    }
    return true;
}

QString TypeCatalog::GetTypeName(int type) const {
    const CalcTypeInfo* info = FindCalcType(type);
    return info ? QString::fromLatin1(info->typeWord) : QStringLiteral("Unknown");
}

void TypeCatalog::InitCalculation(int type, RCalculation& calculation) const {
    InitCalculationOfType(type, calculation, config_);
}
