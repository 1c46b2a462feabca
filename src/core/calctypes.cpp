#include "core/calctypes.h"

#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/units.h"

#include <array>

namespace {

// A field whose box carries the label and which messages name `name`.
FieldSpec Field(UnitKind kind, const char* label, const char* name) {
    FieldSpec entry;
    entry.unitKind = KindNumber(kind);
    entry.defaultUnitKind = entry.unitKind;
    entry.label = label;
    entry.messageName = name;
    return entry;
}

FieldSpec Field(UnitKind kind, const char* label) {
    return Field(kind, label, label);
}

// An impedance: a resistance with its reactance.
FieldSpec Impedance(const char* label, const char* name) {
    FieldSpec entry = Field(UnitKind::Resistance, label, name);
    entry.complex = true;
    return entry;
}

FieldSpec Impedance(const char* label) {
    return Impedance(label, label);
}

FieldSpec WithSolutions(FieldSpec entry, int count) {
    entry.solutionCount = count;
    return entry;
}

// The three fields of a combination of two like components.
std::vector<FieldSpec> Combination(UnitKind kind, const char* first, const char* second,
                                   const char* result) {
    return {Field(kind, first), Field(kind, second), Field(kind, "Result", result)};
}

// Solved for the result (field 2), the first or the second component.
std::vector<UnknownSpec> CombinationUnknowns(const char* first, const char* second) {
    return {{"Result", {2}}, {first, {0}}, {second, {1}}};
}

// Zout (field 4) or Zin (field 0) of a three-element network.
std::vector<FieldSpec> ThreeElementFields() {
    return {Impedance("Zin"), Impedance("Z1"), Impedance("Z2"), Impedance("Z3"), Impedance("Zout")};
}

// A converter's two sides: the US quantity and the metric one.
std::vector<FieldSpec> Converter(UnitKind us, const char* usLabel, const char* usName,
                                 UnitKind metric, const char* metricLabel, const char* metricName) {
    return {Field(us, usLabel, usName), Field(metric, metricLabel, metricName)};
}

std::array<CalcTypeInfo, CalcTypeCount> BuildTable() {
    using K = UnitKind;
    FieldSpec ro = Field(K::Resistance, "Ro");
    ro.hasInitialValue = true;
    ro.initialValue = 50.0;
    // The SWR result is dimensionless but takes the unit index of the ohm default.
    FieldSpec swrResult = Field(K::Dimensionless, "SWR", "");
    swrResult.defaultUnitKind = KindNumber(K::Resistance);
    FieldSpec addedReactance = Field(K::Resistance, "Z of added Capacitor");
    addedReactance.otherConfiguration = 2;
    addedReactance.otherLabel = "Z of added Coil";
    const std::vector<const char*> parallelSeries = {"Parallel", "Series"};

    return {{
        {1, "Resistor", "Resistor:", 3000, Combination(K::Resistance, "R1", "R2", "Rout"),
         parallelSeries, CombinationUnknowns("R1", "R2")},
        {2, "Capacitor", "Capacitor:", 3100, Combination(K::Capacitance, "C1", "C2", "Cout"),
         parallelSeries, CombinationUnknowns("C1", "C2")},
        {3, "Inductor", "Inductor:", 3200, Combination(K::Inductance, "L1", "L2", "Lout"),
         parallelSeries, CombinationUnknowns("L1", "L2")},
        {4,
         "Impedance",
         "Impedance:",
         3300,
         {Impedance("Z1"), Impedance("Z2"), Impedance("Result", "Zout")},
         parallelSeries,
         CombinationUnknowns("Z1", "Z2")},
        {5,
         "ReactanceC",
         "Reactance with Capacitors:",
         3400,
         {Field(K::Capacitance, "C"), Field(K::Frequency, "f"), Field(K::Resistance, "Xc")},
         {},
         {{"Xc", {2}}, {"C", {0}}}},
        {6,
         "ReactanceI",
         "Reactance with Inductors:",
         3500,
         {Field(K::Inductance, "L"), Field(K::Frequency, "f"), Field(K::Resistance, "Xl")},
         {},
         {{"Xl", {2}}, {"L", {0}}}},
        {7,
         "LNetwork",
         "L Network:",
         3600,
         {Impedance("Zin"), WithSolutions(Impedance("Z1"), 2), WithSolutions(Impedance("Z2"), 2),
          Impedance("Zout")},
         {"Z1 In Series", "Z1 In Parallel"},
         {{"Zout", {3}}, {"Zin", {0}}, {"Z1 and Z2", {1, 2}}}},
        {8,
         "PiNetwork",
         "Pi Network:",
         3700,
         ThreeElementFields(),
         {},
         {{"Zout", {4}}, {"Zin", {0}}}},
        {9,
         "TNetwork",
         "T Network:",
         3800,
         ThreeElementFields(),
         {},
         {{"Zout", {4}}, {"Zin", {0}}}},
        {10,
         "SWR",
         "SWR Calculator:",
         3900,
         {Impedance("Zant"), ro, swrResult},
         {},
         {{"SWR", {2}}}},
        {11,
         "Length",
         "Conversions: Length",
         3910,
         Converter(K::UsLength, "US Length", "US Length", K::MetricLength, "Metric Length",
                   "Metric Length"),
         {},
         {}},
        {12,
         "Area",
         "Conversions: Area",
         3920,
         Converter(K::UsArea, "US Area", "US Area", K::MetricArea, "Metric Area", "Metric Area"),
         {},
         {}},
        {13,
         "VolDry",
         "Conversions: Volume (Dry)",
         3930,
         Converter(K::UsVolume, "US Volume (Dry)", "US Volume", K::MetricVolume,
                   "Metric Volume (Dry)", "Metric Volume"),
         {},
         {}},
        {14,
         "VolFluid",
         "Conversions: Volume (Fluid)",
         3940,
         Converter(K::UsFluid, "US Volume (Fluid)", "US Volume", K::MetricFluid,
                   "Metric Volume (Fluid)", "Metric Volume"),
         {},
         {}},
        {15,
         "Weight",
         "Weight/Mass",
         3950,
         Converter(K::UsWeight, "US Weight", "US Weight", K::MetricWeight, "Metric Weight",
                   "Metric Weight"),
         {},
         {}},
        {16,
         "Wavelen",
         "Wavelength/Frequency",
         3960,
         {Field(K::Frequency, "Frequency"), Field(K::FeetMeters, "Wavelength")},
         {},
         {}},
        {17,
         "Dipole",
         "Half-Wave Dipole Length",
         3970,
         {Field(K::Frequency, "Frequency"),
          Field(K::FeetMeters, "Total Length of Half-Wave Dipole", "Dipole Length")},
         {},
         {}},
        {18,
         "Resonant",
         "Resonant Frequency",
         3980,
         {Field(K::Inductance, "Inductance"), Field(K::Capacitance, "Capacitance"),
          Field(K::Frequency, "Frequency")},
         {},
         {{"Frequency", {2}}, {"Inductance", {0}}, {"Capacitance", {1}}}},
        {19,
         "AirCoil",
         "Inductance of an Air Core Coil",
         3990,
         {Field(K::InchesCentimeters, "Coil Diameter"), Field(K::InchesCentimeters, "Coil Length"),
          Field(K::Dimensionless, "Number of Turns"), Field(K::Inductance, "Inductance")},
         {},
         {{"Inductance", {3}},
          {"Coil Diameter", {0}},
          {"Coil Length", {1}},
          {"Number of Turns", {2}}}},
        {20,
         "AntImped",
         "Antenna Impedance using the Autek RF 1",
         3995,
         {Field(K::Frequency, "f"), Field(K::Resistance, "Z"), Field(K::Dimensionless, "SWR"),
          Field(K::Resistance, "Z of added Resistor"), addedReactance,
          WithSolutions(Impedance("Impedance", ""), 2)},
         {"No additional circuit", "Add resistor/capacitor circuit", "Add resistor/coil circuit"},
         {{"Impedance", {5}}}},
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
        field.unitIndex =
            ListedUnit(entry.defaultUnitKind, config.DefaultUnit(entry.defaultUnitKind));
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

QString FieldLabel(const CalcTypeInfo& info, int field, int configuration) {
    if (field < 0 || field >= int(info.fields.size()))
        return QString();
    const FieldSpec& entry = info.fields[size_t(field)];
    if (entry.otherConfiguration >= 0 && configuration == entry.otherConfiguration)
        return QString::fromLatin1(entry.otherLabel);
    return QString::fromLatin1(entry.label);
}

QString FieldMessageName(const CalcTypeInfo& info, int field, int configuration) {
    if (field < 0 || field >= int(info.fields.size()))
        return QString();
    const FieldSpec& entry = info.fields[size_t(field)];
    if (entry.otherConfiguration >= 0 && configuration == entry.otherConfiguration)
        return QString::fromLatin1(entry.otherLabel);
    return QString::fromLatin1(entry.messageName);
}

QString ConfigurationCaption(const CalcTypeInfo& info, int configuration) {
    if (configuration < 0 || configuration >= int(info.configurations.size()))
        return QString();
    return QString::fromLatin1(info.configurations[size_t(configuration)]);
}

const UnknownSpec* FindUnknown(const CalcTypeInfo& info, int unknown) {
    if (unknown < 0 || unknown >= int(info.unknowns.size()))
        return nullptr;
    return &info.unknowns[size_t(unknown)];
}

QString TypeCatalog::GetTypeName(int type) const {
    const CalcTypeInfo* info = FindCalcType(type);
    return info ? QString::fromLatin1(info->typeWord) : QStringLiteral("Unknown");
}

void TypeCatalog::InitCalculation(int type, RCalculation& calculation) const {
    InitCalculationOfType(type, calculation, config_);
}
