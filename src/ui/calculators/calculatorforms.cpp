#include "ui/calculators/calculatorforms.h"

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
    switch (type) {
    case 1:
        return new TFormResistor(context);
    case 2:
        return new TFormCapacitor(context);
    case 3:
        return new TFormInductor(context);
    case 4:
        return new TFormImpedance(context);
    case 5:
        return new TFormReactanceC(context);
    case 6:
        return new TFormReactanceI(context);
    case 7:
        return new TFormLNetwork(context);
    case 8:
        return new TFormPiNetwork(context);
    case 9:
        return new TFormTNetwork(context);
    case 10:
        return new TFormSWRCalc(context);
    case 11:
        return new TFormConvLength(context);
    case 12:
        return new TFormConvArea(context);
    case 13:
        return new TFormConvVolDry(context);
    case 14:
        return new TFormConvVolFluid(context);
    case 15:
        return new TFormConvWeight(context);
    case 16:
        return new TFormWavelength(context);
    case 17:
        return new TFormDipole(context);
    case 18:
        return new TFormResonant(context);
    case 19:
        return new TFormAirCoil(context);
    case 20:
        return new TFormAntImpedance(context);
    default:
        return nullptr;
    }
}
