#include "core/calctypes.h"

#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/units.h"

namespace {

// A fresh field as the table declares it.
RField FieldOfType(const FieldSpec& entry, const RConfig& config) {
    RField field;
    field.unitKind = entry.unitKind;
    field.unitIndex = ListedUnit(entry.defaultUnitKind, config.DefaultUnit(entry.defaultUnitKind));
    // Solutions are plain fields: empty, unit index 0, unit kind 0.
    field.solutions.resize(size_t(entry.solutionCount));
    if (entry.hasInitialValue)
        field.SetReal(entry.initialValue);
    return field;
}

} // namespace

void InitCalculationOfType(int type, RCalculation& calculation, const RConfig& config) {
    calculation.SetType(type);
    calculation.ClearFields();
    const CalcTypeInfo* info = FindCalcType(type);
    if (!info)
        return;
    for (const FieldSpec& entry : info->fields)
        calculation.Fields().push_back(FieldOfType(entry, config));
}

bool FieldFits(const RField& field, const FieldSpec& entry) {
    return field.unitKind == entry.unitKind &&
           field.solutions.size() >= size_t(entry.solutionCount);
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

QString ReadName(const CalcTypeInfo& info, const ReadSpec& read, int configuration) {
    return read.IsExtra() ? QString::fromLatin1(read.extraName)
                          : FieldMessageName(info, read.field, configuration);
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

const UnknownSpec* UnknownOf(const CalcTypeInfo& info, const RCalculation& calculation) {
    if (info.unknowns.size() == 1)
        return &info.unknowns.front();
    return FindUnknown(info, calculation.Unknown());
}

QString TypeCatalog::GetTypeName(int type) const {
    const CalcTypeInfo* info = FindCalcType(type);
    return info ? QString::fromLatin1(info->typeWord) : QStringLiteral("Unknown");
}

void TypeCatalog::InitCalculation(int type, RCalculation& calculation) const {
    InitCalculationOfType(type, calculation, config_);
}
