#include "ui/calculators/calculatorforms.h"

#include "ui/framework/tformblank.h"

// Simple circuits.
#include "ui/calculators/circuits/tformcombination.h"

// Reactance, resonance, SWR and the air-core coil.

// Networks.

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

    // Networks.

    // Antenna impedance.
    case 20:
        return new TFormAntImpedance(context);

    // Wavelength, dipole and the converters.

    default:
        return new TFormBlank(context, type);
    }
}
