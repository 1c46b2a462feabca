#pragma once

#include "core/calc/solver.h"

#include <QString>

#include <vector>

class RCalculation;
class RConfig;
class RField;

// The twenty calculation types, each declared once: what it is called and
// where it stands in the tree, the quantities a calculation of it holds, its
// configurations, its choices of unknown with the fields each reads and
// writes and the arithmetic that solves it, and the drawing of its form.
// The worksheet creates and pads calculations from this table; the forms,
// the tree, the report and the command line all read it.

constexpr int CalcTypeCount = 20;

// What a quantity physically is; its unit kind says in which units it is written.
enum class Quantity {
    Resistance,
    Reactance,
    Impedance,
    Capacitance,
    Inductance,
    Frequency,
    Length,
    Area,
    Volume,
    Weight,
    Turns,
    Ratio,
};

// The drawing a type's form makes. Types that share a drawing share a form class.
enum class FormLayout {
    Combination,
    Reactance,
    Resonance,
    LNetwork,
    PiNetwork,
    TNetwork,
    Swr,
    Converter,
    FrequencyLength,
    AirCoil,
    AntennaImpedance,
};

// One quantity of a calculation type. The label and the unit captions are
// what the form shows, so anything that describes a calculation (the form,
// a report) reads the same words.
struct FieldSpec {
    Quantity quantity = Quantity::Resistance;
    int unitKind = 0;
    // The unit kind whose configured default gives the field's unit. It is the
    // field's own kind except where a field borrows another kind's default.
    int defaultUnitKind = 0;
    const char* label = "";       // caption of its box: "Result", "Coil Diameter"
    const char* messageName = ""; // name in validation messages: "Rout"; empty if never checked
    bool complex = false;         // has an imaginary part with its "+j" edit
    int solutionCount = 0;
    bool hasInitialValue = false;
    double initialValue = 0.0; // in base units, written with SetReal
    // A label that replaces `label` (and the message name) while the
    // calculation has this configuration.
    int otherConfiguration = -1;
    const char* otherLabel = "";
    // An element of a network: at the calculation's design frequency its
    // reactance is a capacitor or an inductor to build it with.
    bool element = false;
};

// One value a solve reads: a field, or a setting kept among the
// calculation's extras (rextras.h).
struct ReadSpec {
    int field = 0;
    // The configurations in which it is read, a bit per configuration
    // number; in the others it is not checked and counts as 0.
    unsigned configurations = ~0u;
    // The analyser's off-scale mark "H" (in any case) reads as
    // OffScaleReading rather than failing the check.
    bool offScaleMark = false;
    // Not empty: the value is the extra with this key, a plain number
    // without unit, checked like a field's real part under `extraName`; the
    // field number then means nothing.
    QString extraKey;
    const char* extraName = "";

    bool IsExtra() const { return !extraKey.isEmpty(); }
};

// One way to solve a calculation: the fields checked, in this order, the
// arithmetic, and the fields it writes.
struct SolveSpec {
    std::vector<ReadSpec> reads;
    std::vector<int> writes;
    Solver solver = nullptr; // none: the choice only marks its fields
    bool allowNegative = false;
    // An empty text in a field read is no input at all: nothing is solved,
    // nothing is said and the written fields keep what they show.
    bool emptyIsNoInput = false;
    // With several solutions, the boxes show the quantities themselves
    // (Solution 1 in each field's own unit) until a solution is chosen,
    // rather than Solution 1 as stored.
    bool showsQuantityFirst = false;
};

// What the result of a choice of unknown is to a builder: nothing to buy, a
// part of a standard series, or an impedance whose reactance is a part at the
// frequency of the calculation's own reading.
enum class ResultPart { None, StandardPart, AtReadingFrequency };

// One choice of the Unknown group: its caption, how it is solved and what
// its result is to a builder.
struct UnknownSpec {
    const char* caption;
    SolveSpec solve;
    ResultPart part = ResultPart::None;
};

// Where a type stands in the tree of types: its caption, under a folder or,
// without one, at the top.
struct TreeSpec {
    const char* folder;
    const char* caption;
};

// The room a form's panel takes in the reference font (DejaVu Sans at the
// default size), in pixels.
struct PanelSize {
    int width;
    int height;
};

struct CalcTypeInfo {
    int type;
    const char* typeWord;    // "Resistor"; the stem of default calculation names
    const char* formCaption; // "Resistor:"
    int helpContext;
    TreeSpec tree;
    FormLayout layout;
    std::vector<FieldSpec> fields;
    std::vector<const char*> configurations; // captions by configuration number
    std::vector<UnknownSpec> unknowns;       // by unknown number; empty: no unknown to choose
    // A calculator that works both ways between its two fields: the solve
    // of a value typed into field 0, then of one typed into field 1.
    std::vector<SolveSpec> conversions;
    // The main window sizes its page for the largest form before any form is
    // built, so that the window keeps its size from one type to another.
    PanelSize panel;
};

// The entry of a type number 1 to 20, or nullptr.
const CalcTypeInfo* FindCalcType(int type);

// The caption of a field's box and its name in messages, in a configuration.
QString FieldLabel(const CalcTypeInfo& info, int field, int configuration = 0);
QString FieldMessageName(const CalcTypeInfo& info, int field, int configuration = 0);
// The name in messages of a value a solve reads: its field's, or its extra's.
QString ReadName(const CalcTypeInfo& info, const ReadSpec& read, int configuration = 0);
// The caption of a configuration, or empty when the type has no such one.
QString ConfigurationCaption(const CalcTypeInfo& info, int configuration);
// The choice of unknown with this number, or nullptr.
const UnknownSpec* FindUnknown(const CalcTypeInfo& info, int unknown);
// The choice a calculation is solved for: its unknown's, or the type's only
// one whatever the calculation says; nullptr for an unknown out of range.
const UnknownSpec* UnknownOf(const CalcTypeInfo& info, const RCalculation& calculation);

// Sets the type and creates the type's fields in order, each with its unit
// kind and the configured default unit.
void InitCalculationOfType(int type, RCalculation& calculation, const RConfig& config);
// Whether the field has the kind its entry declares and room for its solutions.
bool FieldFits(const RField& field, const FieldSpec& entry);

// Whether the calculation has exactly the fields its type defines (count and
// unit kinds); a calculation read from a damaged file may not.
bool HasFieldsOfType(const RCalculation& calculation);

// The worksheet's view of the calculators: the type word of a type and the
// initialisation of a fresh calculation of that type.
class CalculatorCatalog {
public:
    virtual ~CalculatorCatalog() = default;
    virtual QString GetTypeName(int type) const = 0;
    virtual void InitCalculation(int type, RCalculation& calculation) const = 0;
};

// The catalog given by the type table and a configuration's default units.
class TypeCatalog final : public CalculatorCatalog {
public:
    explicit TypeCatalog(const RConfig& config) : config_(config) {}
    QString GetTypeName(int type) const override;
    void InitCalculation(int type, RCalculation& calculation) const override;

private:
    const RConfig& config_;
};
