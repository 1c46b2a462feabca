#pragma once

#include <QString>

#include <vector>

class RCalculation;
class RConfig;

// The twenty calculation types: what a new calculation of each type holds.
// The worksheet uses this table to create and pad worksheets, and every
// calculator form uses it to initialise its calculations, so the two agree.

constexpr int CalcTypeCount = 20;

// One quantity of a calculation type. The label and the unit captions are
// what the form shows, so anything that describes a calculation (the form,
// a report) reads the same words.
struct FieldSpec {
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
};

// One choice of the Unknown group: its caption and the fields it writes.
struct UnknownSpec {
    const char* caption;
    std::vector<int> fields;
};

struct CalcTypeInfo {
    int type;
    const char* typeWord;    // "Resistor"; the stem of default calculation names
    const char* formCaption; // "Resistor:"
    int helpContext;
    std::vector<FieldSpec> fields;
    std::vector<const char*> configurations; // captions by configuration number
    std::vector<UnknownSpec> unknowns;       // by unknown number; empty: no unknown to choose
};

// The entry of a type number 1 to 20, or nullptr.
const CalcTypeInfo* FindCalcType(int type);

// The caption of a field's box and its name in messages, in a configuration.
QString FieldLabel(const CalcTypeInfo& info, int field, int configuration = 0);
QString FieldMessageName(const CalcTypeInfo& info, int field, int configuration = 0);
// The caption of a configuration, or empty when the type has no such one.
QString ConfigurationCaption(const CalcTypeInfo& info, int configuration);
// The choice of unknown with this number, or nullptr.
const UnknownSpec* FindUnknown(const CalcTypeInfo& info, int unknown);

// Sets the type and creates the type's fields in order, each with its unit
// kind and the configured default unit.
void InitCalculationOfType(int type, RCalculation& calculation, const RConfig& config);

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
