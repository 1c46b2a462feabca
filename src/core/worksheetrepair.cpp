#include "core/worksheetrepair.h"

#include "core/calctypes.h"
#include "core/rworksheet.h"

namespace {

bool CompleteFields(RCalculation& calculation, const CalculatorCatalog& catalog) {
    RCalculation fresh;
    catalog.InitCalculation(calculation.Type(), fresh);
    bool changed = false;
    std::vector<RField>& fields = calculation.Fields();
    for (int i = 0; i < fresh.FieldCount(); ++i) {
        const RField& wanted = fresh.Field(i);
        if (i >= int(fields.size())) {
            fields.push_back(wanted);
            changed = true;
        } else if (fields[size_t(i)].unitKind != wanted.unitKind) {
            fields[size_t(i)] = wanted;
            changed = true;
        } else if (fields[size_t(i)].solutions.size() < wanted.solutions.size()) {
            fields[size_t(i)].solutions.resize(wanted.solutions.size());
            changed = true;
        }
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
        if (FindCalcType(calculation.Type()))
            changed |= CompleteFields(calculation, catalog);
    }
    for (int type = 1; type <= CalcTypeCount; ++type) {
        if (worksheet.CountOfType(type) == 0) {
            auto calculation = std::make_unique<RCalculation>();
            calculation->SetName(worksheet.ProposeName(catalog.GetTypeName(type)));
            catalog.InitCalculation(type, *calculation);
            calculation->SetCurrent(true);
            worksheet.Insert(worksheet.Count(), std::move(calculation));
            changed = true;
        } else {
            // Exactly one current calculation per type, or the tab shown as
            // chosen would not be the calculation shown: the first flagged
            // one, else the first of the type.
            int keep = worksheet.FindSelected(type);
            for (int i = 0; i < worksheet.Count(); ++i) {
                RCalculation& calculation = *worksheet.At(i);
                if (calculation.Type() != type)
                    continue;
                if (keep < 0)
                    keep = i;
                const bool current = i == keep;
                if (calculation.Current() != current) {
                    calculation.SetCurrent(current);
                    changed = true;
                }
            }
        }
    }
    return changed;
}
