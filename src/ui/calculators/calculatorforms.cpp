#include "ui/calculators/calculatorforms.h"

#include "ui/framework/tformblank.h"

// Simple circuits.
#include "ui/calculators/circuits/tformcombination.h"

// Reactance, resonance, SWR and the air-core coil.
#include "ui/calculators/circuits/tformreactance.h"
#include "ui/calculators/circuits/tformresonant.h"
#include "ui/calculators/rf/tformaircoil.h"
#include "ui/calculators/rf/tformswrcalc.h"

// Networks.
#include "ui/calculators/networks/tformlnetwork.h"
#include "ui/calculators/networks/tformthreeelementnetwork.h"

// Antenna impedance.
#include "ui/calculators/rf/tformantimpedance.h"

// Wavelength, dipole and the converters.

TFormProblem* CreateCalculatorForm(int type, AppContext& context) {
    switch (type) {
    // Simple circuits.
    case 1:
        return new TFormResistor(context);
    case 2:
        return new TFormCapacitor(context);
    case 3:
        return new TFormInductor(context);
    case 4:
        return new TFormImpedance(context);

    // Reactance, resonance, SWR and the air-core coil.
    case 5:
        return new TFormReactanceC(context);
    case 6:
        return new TFormReactanceI(context);
    case 10:
        return new TFormSWRCalc(context);
    case 18:
        return new TFormResonant(context);
    case 19:
        return new TFormAirCoil(context);

    // Networks.
    case 7:
        return new TFormLNetwork(context);
    case 8:
        return new TFormPiNetwork(context);
    case 9:
        return new TFormTNetwork(context);

    // Antenna impedance.
    case 20:
        return new TFormAntImpedance(context);

    // Wavelength, dipole and the converters.

    default:
        return new TFormBlank(context, type);
    }
}
