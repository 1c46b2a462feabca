#include "ui/calculators/calculatorforms.h"

#include "core/calctypes.h"
#include "ui/calculators/circuits/tformcombination.h"
#include "ui/calculators/circuits/tformreactance.h"
#include "ui/calculators/circuits/tformresonant.h"
#include "ui/calculators/converters/tformconverter.h"
#include "ui/calculators/networks/tformlnetwork.h"
#include "ui/calculators/networks/tformthreeelementnetwork.h"
#include "ui/calculators/rf/tformaircoil.h"
#include "ui/calculators/rf/tformantimpedance.h"
#include "ui/calculators/rf/tformfrequencylength.h"
#include "ui/calculators/rf/tformswrcalc.h"

TFormProblem* CreateCalculatorForm(int type, AppContext& context) {
    const CalcTypeInfo* info = FindCalcType(type);
    if (!info)
        return nullptr;
    switch (info->layout) {
    case FormLayout::Combination:
        return new TFormCombination(context, type);
    case FormLayout::Reactance:
        return new TFormReactance(context, type);
    case FormLayout::Resonance:
        return new TFormResonant(context, type);
    case FormLayout::LNetwork:
        return new TFormLNetwork(context, type);
    case FormLayout::PiNetwork:
        return new TFormThreeElementNetwork(context, type, TFormThreeElementNetwork::Pi);
    case FormLayout::TNetwork:
        return new TFormThreeElementNetwork(context, type, TFormThreeElementNetwork::T);
    case FormLayout::Swr:
        return new TFormSWRCalc(context, type);
    case FormLayout::Converter:
        return new TFormConverter(context, type);
    case FormLayout::FrequencyLength:
        return new TFormFrequencyLength(context, type);
    case FormLayout::AirCoil:
        return new TFormAirCoil(context, type);
    case FormLayout::AntennaImpedance:
        return new TFormAntImpedance(context, type);
    }
    return nullptr;
}
