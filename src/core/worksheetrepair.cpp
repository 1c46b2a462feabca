#include "core/worksheetrepair.h"

#include "core/calctypes.h"
#include "core/rworksheet.h"

namespace {

bool CompleteFields(RCalculation& calculation, const CalcTypeInfo& info,
                    const CalculatorCatalog& catalog) {
    RCalculation fresh;
    catalog.InitCalculation(calculation.Type(), fresh);
    bool changed = false;
    std::vector<RField>& fields = calculation.Fields();
    for (int i = 0; i < fresh.FieldCount(); ++i) {
        const RField& wanted = fresh.Field(i);
        if (i >= int(fields.size())) {
            fields.push_back(wanted);
        } else if (FieldFits(fields[size_t(i)], info.fields[size_t(i)])) {
            continue;
        } else if (fields[size_t(i)].unitKind != wanted.unitKind) {
            fields[size_t(i)] = wanted;
        } else {
            fields[size_t(i)].solutions.resize(wanted.solutions.size());
        }
        changed = true;
    }
    return changed;
}

} // namespace

bool RepairWorksheet(RWorksheet& worksheet, const CalculatorCatalog& catalog) {
    bool changed = false;
    if (worksheet.CurrentIndex < 0 || worksheet.CurrentIndex >= worksheet.Count()) {
        worksheet.CurrentIndex = 0;
        changed = true;
    }
    for (int i = 0; i < worksheet.Count(); ++i) {
        RCalculation& calculation = *worksheet.At(i);
        if (const CalcTypeInfo* info = FindCalcType(calculation.Type()))
            changed |= CompleteFields(calculation, *info, catalog);
    }
    for (int type = 1; type <= CalcTypeCount; ++type) {
        if (worksheet.CountOfType(type) > 0)
            continue;
        auto calculation = std::make_unique<RCalculation>();
        calculation->SetName(worksheet.ProposeName(catalog.GetTypeName(type)));
        catalog.InitCalculation(type, *calculation);
        calculation->SetCurrent(true);
        worksheet.Insert(worksheet.Count(), std::move(calculation));
        changed = true;
    }
    // Exactly one current calculation per type, or the tab shown as chosen
    // would not be the calculation shown.
    return worksheet.KeepOneCurrentPerType() || changed;
}
