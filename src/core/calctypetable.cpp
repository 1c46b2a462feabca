// The declaration of every calculation type, in type order: the one place
// that lists them.

#include "core/calctypes.h"

#include "core/calc/aircoil.h"
#include "core/calc/antenna.h"
#include "core/calc/combination.h"
#include "core/calc/converters.h"
#include "core/calc/networkdesign.h"
#include "core/calc/networks.h"
#include "core/calc/reactance.h"
#include "core/calc/resonance.h"
#include "core/calc/swr.h"
#include "core/calc/wavelength.h"
#include "core/rextras.h"
#include "core/units.h"

#include <array>

namespace {

using Q = Quantity;
using K = UnitKind;

// A field whose box carries the label and which messages name `name`.
FieldSpec Field(Q quantity, K kind, const char* label, const char* name) {
    FieldSpec entry;
    entry.quantity = quantity;
    entry.unitKind = KindNumber(kind);
    entry.defaultUnitKind = entry.unitKind;
    entry.label = label;
    entry.messageName = name;
    return entry;
}

FieldSpec Field(Q quantity, K kind, const char* label) {
    return Field(quantity, kind, label, label);
}

// An impedance: a resistance with its reactance.
FieldSpec Impedance(const char* label, const char* name) {
    FieldSpec entry = Field(Q::Impedance, K::Resistance, label, name);
    entry.complex = true;
    return entry;
}

FieldSpec Impedance(const char* label) {
    return Impedance(label, label);
}

// An element of a network, or one of the two impedances combined.
FieldSpec Element(const char* label) {
    FieldSpec entry = Impedance(label);
    entry.element = true;
    return entry;
}

FieldSpec WithSolutions(FieldSpec entry, int count) {
    entry.solutionCount = count;
    return entry;
}

// Reads the fields in the order given and writes the others.
SolveSpec Solve(std::initializer_list<int> reads, std::vector<int> writes, Solver solver) {
    SolveSpec solve;
    for (int field : reads) {
        ReadSpec read;
        read.field = field;
        solve.reads.push_back(read);
    }
    solve.writes = std::move(writes);
    solve.solver = solver;
    return solve;
}

// A choice of unknown that only marks its field.
SolveSpec Marks(int field) {
    return Solve({}, {field}, nullptr);
}

// The three fields of a combination of two like components.
std::vector<FieldSpec> Combination(Q quantity, K kind, const char* first, const char* second,
                                   const char* result) {
    return {Field(quantity, kind, first), Field(quantity, kind, second),
            Field(quantity, kind, "Result", result)};
}

// Solved for the result (field 2) from both parts, or for either part from
// the result and the other part; each a part to buy.
std::vector<UnknownSpec> CombinationUnknowns(const char* first, const char* second, Solver combined,
                                             Solver part) {
    const ResultPart bought = ResultPart::StandardPart;
    return {{"Result", Solve({0, 1}, {2}, combined), bought},
            {first, Solve({2, 1}, {0}, part), bought},
            {second, Solve({2, 0}, {1}, part), bought}};
}

// Impedances may have a negative real part; the parts of the two combined
// are found at the design frequency instead.
std::vector<UnknownSpec> ImpedanceUnknowns() {
    std::vector<UnknownSpec> unknowns =
        CombinationUnknowns("Z1", "Z2", SolveCombination, SolveImpedancePart);
    for (UnknownSpec& unknown : unknowns) {
        unknown.solve.allowNegative = true;
        unknown.part = ResultPart::None;
    }
    return unknowns;
}

// The component (field 0) at the frequency (field 1) has the reactance
// (field 2); the component solved for is a part to buy.
template <Reactor reactor>
std::vector<UnknownSpec> ReactanceUnknowns(const char* x, const char* e) {
    return {{x, Solve({0, 1}, {2}, SolveReactance<reactor>)},
            {e, Solve({1, 2}, {0}, SolveReactor<reactor>), ResultPart::StandardPart}};
}

// Zout (field 4) or Zin (field 0) of a three-element network.
std::vector<FieldSpec> ThreeElementFields() {
    return {Impedance("Zin"), Element("Z1"), Element("Z2"), Element("Z3"), Impedance("Zout")};
}

// Or the three elements designed from Zin, Zout and the loaded Q, which is
// kept among the calculation's extras as typed.
std::vector<UnknownSpec> ThreeElementUnknowns(Solver zout, Solver zin, Solver design) {
    SolveSpec designed = Solve({0, 4}, {1, 2, 3}, design);
    ReadSpec q;
    q.extraKey = ExtraKeys::Q;
    q.extraName = "Q";
    designed.reads.push_back(q);
    return {{"Zout", Solve({0, 1, 2, 3}, {4}, zout)},
            {"Zin", Solve({4, 1, 2, 3}, {0}, zin)},
            {"Design", designed}};
}

// A converter's two sides: the US quantity and the metric one.
std::vector<FieldSpec> Converter(Q quantity, K us, const char* usLabel, const char* usName,
                                 K metric, const char* metricLabel, const char* metricName) {
    return {Field(quantity, us, usLabel, usName), Field(quantity, metric, metricLabel, metricName)};
}

template <enum Converter converter> std::vector<SolveSpec> Conversions() {
    return {Solve({0}, {1}, SolveUsToMetric<converter>),
            Solve({1}, {0}, SolveMetricToUs<converter>)};
}

// A frequency and its length: an empty box is no input.
template <LengthOf length> std::vector<SolveSpec> FrequencyLengths() {
    std::vector<SolveSpec> solves = {Solve({0}, {1}, SolveLengthOfFrequency<length>),
                                     Solve({1}, {0}, SolveFrequencyOfLength<length>)};
    for (SolveSpec& solve : solves)
        solve.emptyIsNoInput = true;
    return solves;
}

std::vector<FieldSpec> FrequencyLength(const char* label, const char* name) {
    return {Field(Q::Frequency, K::Frequency, "Frequency"),
            Field(Q::Length, K::FeetMeters, label, name)};
}

// The L network's design writes both elements as two solutions.
SolveSpec LNetworkDesign() {
    SolveSpec design = Solve({3, 0}, {1, 2}, SolveLNetworkDesign);
    design.showsQuantityFirst = true;
    return design;
}

// The readings (the frequency, then |Z| and the SWR, which may be off
// scale), then the added circuit where there is one.
SolveSpec AntennaSolve() {
    SolveSpec solve = Solve({0, 1, 2, 3, 4}, {5}, SolveAntennaImpedance);
    solve.reads[1].offScaleMark = true;
    solve.reads[2].offScaleMark = true;
    for (int field : {3, 4})
        solve.reads[size_t(field)].configurations = 1u << AddedCapacitor | 1u << AddedCoil;
    return solve;
}

std::array<CalcTypeInfo, CalcTypeCount> BuildTable() {
    FieldSpec ro = Field(Q::Resistance, K::Resistance, "Ro");
    ro.hasInitialValue = true;
    ro.initialValue = 50.0;
    // The SWR result is dimensionless but takes the unit index of the ohm default.
    FieldSpec swrResult = Field(Q::Ratio, K::Dimensionless, "SWR", "");
    swrResult.defaultUnitKind = KindNumber(K::Resistance);
    FieldSpec addedReactance = Field(Q::Reactance, K::Resistance, "Z of added Capacitor");
    addedReactance.otherConfiguration = AddedCoil;
    addedReactance.otherLabel = "Z of added Coil";
    const std::vector<const char*> parallelSeries = {"Parallel", "Series"};
    const char* const circuits = "Simple Circuits";
    const char* const conversions = "Conversions";

    return {{
        {1,
         "Resistor",
         "Resistor:",
         3000,
         {circuits, "Resistor"},
         FormLayout::Combination,
         Combination(Q::Resistance, K::Resistance, "R1", "R2", "Rout"),
         parallelSeries,
         CombinationUnknowns("R1", "R2", SolveCombination, SolveComponentPart),
         {},
         {499, 439}},
        {2,
         "Capacitor",
         "Capacitor:",
         3100,
         {circuits, "Capacitor"},
         FormLayout::Combination,
         Combination(Q::Capacitance, K::Capacitance, "C1", "C2", "Cout"),
         parallelSeries,
         CombinationUnknowns("C1", "C2", SolveCapacitorCombination, SolveCapacitorPart),
         {},
         {509, 451}},
        {3,
         "Inductor",
         "Inductor:",
         3200,
         {circuits, "Inductor"},
         FormLayout::Combination,
         Combination(Q::Inductance, K::Inductance, "L1", "L2", "Lout"),
         parallelSeries,
         CombinationUnknowns("L1", "L2", SolveCombination, SolveComponentPart),
         {},
         {524, 451}},
        {4,
         "Impedance",
         "Impedance:",
         3300,
         {circuits, "Impedance"},
         FormLayout::Combination,
         {Element("Z1"), Element("Z2"), Impedance("Result", "Zout")},
         parallelSeries,
         ImpedanceUnknowns(),
         {},
         {521, 439}},
        {5,
         "ReactanceC",
         "Reactance with Capacitors:",
         3400,
         {"Reactance", "Capacitors"},
         FormLayout::Reactance,
         {Field(Q::Capacitance, K::Capacitance, "C"), Field(Q::Frequency, K::Frequency, "f"),
          Field(Q::Reactance, K::Resistance, "Xc")},
         {},
         ReactanceUnknowns<Reactor::Capacitor>("Xc", "C"),
         {},
         {442, 327}},
        {6,
         "ReactanceI",
         "Reactance with Inductors:",
         3500,
         {"Reactance", "Inductors"},
         FormLayout::Reactance,
         {Field(Q::Inductance, K::Inductance, "L"), Field(Q::Frequency, K::Frequency, "f"),
          Field(Q::Reactance, K::Resistance, "Xl")},
         {},
         ReactanceUnknowns<Reactor::Inductor>("Xl", "L"),
         {},
         {442, 327}},
        {7,
         "LNetwork",
         "L Network:",
         3600,
         {"Networks", "L Network"},
         FormLayout::LNetwork,
         {Impedance("Zin"), WithSolutions(Element("Z1"), 2), WithSolutions(Element("Z2"), 2),
          Impedance("Zout")},
         {"Z1 In Series", "Z1 In Parallel"},
         {{"Zout", Solve({0, 1, 2}, {3}, SolveLNetworkZout)},
          {"Zin", Solve({3, 1, 2}, {0}, SolveLNetworkZin)},
          {"Z1 and Z2", LNetworkDesign()}},
         {},
         {497, 449}},
        {8,
         "PiNetwork",
         "Pi Network:",
         3700,
         {"Networks", "Pi Network"},
         FormLayout::PiNetwork,
         ThreeElementFields(),
         {},
         ThreeElementUnknowns(SolveWith<PiNetworkZout>, SolveWith<PiNetworkZin>,
                              SolveNetworkDesign<DesignPiNetwork>),
         {},
         {524, 449}},
        {9,
         "TNetwork",
         "T Network:",
         3800,
         {"Networks", "T Network"},
         FormLayout::TNetwork,
         ThreeElementFields(),
         {},
         ThreeElementUnknowns(SolveWith<TNetworkZout>, SolveWith<TNetworkZin>,
                              SolveNetworkDesign<DesignTNetwork>),
         {},
         {524, 449}},
        // The SWR is always the result; a file may name another unknown,
        // which only marks that field.
        {10,
         "SWR",
         "SWR Calculator:",
         3900,
         {nullptr, "SWR Calculator"},
         FormLayout::Swr,
         {Impedance("Zant"), ro, swrResult},
         {},
         {{"SWR", Solve({0, 1}, {2}, SolveSwr)}, {"Zant", Marks(0)}, {"Ro", Marks(1)}},
         {},
         {496, 236}},
        {11,
         "Length",
         "Conversions: Length",
         3910,
         {conversions, "Length/Distance"},
         FormLayout::Converter,
         Converter(Q::Length, K::UsLength, "US Length", "US Length", K::MetricLength,
                   "Metric Length", "Metric Length"),
         {},
         {},
         Conversions<Converter::Length>(),
         {440, 220}},
        {12,
         "Area",
         "Conversions: Area",
         3920,
         {conversions, "Area"},
         FormLayout::Converter,
         Converter(Q::Area, K::UsArea, "US Area", "US Area", K::MetricArea, "Metric Area",
                   "Metric Area"),
         {},
         {},
         Conversions<Converter::Area>(),
         {462, 240}},
        {13,
         "VolDry",
         "Conversions: Volume (Dry)",
         3930,
         {conversions, "Volume (Dry)"},
         FormLayout::Converter,
         Converter(Q::Volume, K::UsVolume, "US Volume (Dry)", "US Volume", K::MetricVolume,
                   "Metric Volume (Dry)", "Metric Volume"),
         {},
         {},
         Conversions<Converter::DryVolume>(),
         {437, 200}},
        {14,
         "VolFluid",
         "Conversions: Volume (Fluid)",
         3940,
         {conversions, "Volume (Fluid)"},
         FormLayout::Converter,
         Converter(Q::Volume, K::UsFluid, "US Volume (Fluid)", "US Volume", K::MetricFluid,
                   "Metric Volume (Fluid)", "Metric Volume"),
         {},
         {},
         Conversions<Converter::FluidVolume>(),
         {463, 200}},
        {15,
         "Weight",
         "Weight/Mass",
         3950,
         {conversions, "Weight/Mass"},
         FormLayout::Converter,
         Converter(Q::Weight, K::UsWeight, "US Weight", "US Weight", K::MetricWeight,
                   "Metric Weight", "Metric Weight"),
         {},
         {},
         Conversions<Converter::Weight>(),
         {465, 200}},
        {16,
         "Wavelen",
         "Wavelength/Frequency",
         3960,
         {nullptr, "Wavelength/Frequency"},
         FormLayout::FrequencyLength,
         FrequencyLength("Wavelength", "Wavelength"),
         {},
         {},
         FrequencyLengths<LengthOf::Wave>(),
         {459, 200}},
        {17,
         "Dipole",
         "Half-Wave Dipole Length",
         3970,
         {nullptr, "Half-Wave Dipole Length"},
         FormLayout::FrequencyLength,
         FrequencyLength("Total Length of Half-Wave Dipole", "Dipole Length"),
         {},
         {},
         FrequencyLengths<LengthOf::Dipole>(),
         {459, 200}},
        {18,
         "Resonant",
         "Resonant Frequency",
         3980,
         {nullptr, "Resonant Frequency"},
         FormLayout::Resonance,
         {Field(Q::Inductance, K::Inductance, "Inductance"),
          Field(Q::Capacitance, K::Capacitance, "Capacitance"),
          Field(Q::Frequency, K::Frequency, "Frequency")},
         {},
         {{"Frequency", Solve({0, 1}, {2}, SolveWith<ResonantFrequency>)},
          {"Inductance", Solve({2, 1}, {0}, SolveWith<ResonantInductance>),
           ResultPart::StandardPart},
          {"Capacitance", Solve({2, 0}, {1}, SolveWith<ResonantCapacitance>),
           ResultPart::StandardPart}},
         {},
         {426, 375}},
        {19,
         "AirCoil",
         "Inductance of an Air Core Coil",
         3990,
         {nullptr, "Air Core Coil Inductance"},
         FormLayout::AirCoil,
         {Field(Q::Length, K::InchesCentimeters, "Coil Diameter"),
          Field(Q::Length, K::InchesCentimeters, "Coil Length"),
          Field(Q::Turns, K::Dimensionless, "Number of Turns"),
          Field(Q::Inductance, K::Inductance, "Inductance")},
         {},
         {{"Inductance", Solve({0, 1, 2}, {3}, SolveWith<CoilInductance>)},
          {"Coil Diameter", Solve({3, 1, 2}, {0}, SolveWith<CoilDiameter>)},
          {"Coil Length", Solve({0, 3, 2}, {1}, SolveWith<CoilLength>)},
          {"Number of Turns", Solve({0, 3, 1}, {2}, SolveWith<CoilTurns>)}},
         {},
         {485, 385}},
        // The result is always the impedance, whatever unknown a file names.
        {20,
         "AntImped",
         "Antenna Impedance using the Autek RF 1",
         3995,
         {nullptr, "Antenna Impedance"},
         FormLayout::AntennaImpedance,
         {Field(Q::Frequency, K::Frequency, "f"), Field(Q::Impedance, K::Resistance, "Z"),
          Field(Q::Ratio, K::Dimensionless, "SWR"),
          Field(Q::Resistance, K::Resistance, "Z of added Resistor"), addedReactance,
          WithSolutions(Impedance("Impedance", ""), 2)},
         {"No additional circuit", "Add resistor/capacitor circuit", "Add resistor/coil circuit"},
         {{"Impedance", AntennaSolve(), ResultPart::AtReadingFrequency}},
         {},
         {507, 406}},
    }};
}

} // namespace

const CalcTypeInfo* FindCalcType(int type) {
    static const std::array<CalcTypeInfo, CalcTypeCount> table = BuildTable();
    if (type < 1 || type > CalcTypeCount)
        return nullptr;
    return &table[size_t(type - 1)];
}
