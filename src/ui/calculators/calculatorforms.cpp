#include "ui/calculators/calculatorforms.h"

#include "ui/framework/tformblank.h"

// Simple circuits.
#include "ui/calculators/circuits/tformcombination.h"

// Reactance, resonance, SWR and the air-core coil.

// Networks.
#include "ui/calculators/networks/tformlnetwork.h"
#include "ui/calculators/networks/tformthreeelementnetwork.h"

// Antenna impedance.

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

    // Networks.
    case 7:
        return new TFormLNetwork(context);
    case 8:
        return new TFormPiNetwork(context);
    case 9:
        return new TFormTNetwork(context);

    // Antenna impedance.

    // Wavelength, dipole and the converters.

    default:
        return new TFormBlank(context, type);
    }
}
