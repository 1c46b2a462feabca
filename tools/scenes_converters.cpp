#include "screenshotkit.h"

namespace {

// Each converter with a value converted, then with a warning; the other edit
// keeps the last converted value.
const SceneRegistration converters(110, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("Length/Distance"));
    kit.Click(QStringLiteral("RadioUsMile"));
    kit.Click(QStringLiteral("RadioMetKm"));
    kit.Type(QStringLiteral("EditUsLen"), QStringLiteral("1"));
    kit.Save(QStringLiteral("conv-length"));
    kit.Type(QStringLiteral("EditMetLen"), QStringLiteral("-5"));
    kit.Save(QStringLiteral("conv-length-warning"));

    kit.ShowType(QStringLiteral("Area"));
    kit.Click(QStringLiteral("RadioUsAcre"));
    kit.Type(QStringLiteral("EditUsArea"), QStringLiteral("1"));
    kit.Save(QStringLiteral("conv-area"));
    kit.Type(QStringLiteral("EditMetArea"), QStringLiteral("12abc"));
    kit.Save(QStringLiteral("conv-area-warning"));

    kit.ShowType(QStringLiteral("Volume (Dry)"));
    kit.Click(QStringLiteral("RadioUsYd3"));
    kit.Type(QStringLiteral("EditUsVol"), QStringLiteral("1"));
    kit.Save(QStringLiteral("conv-voldry"));
    kit.Type(QStringLiteral("EditUsVol"), QStringLiteral("-"));
    kit.Save(QStringLiteral("conv-voldry-warning"));

    kit.ShowType(QStringLiteral("Volume (Fluid)"));
    kit.Click(QStringLiteral("RadioUsGallon"));
    kit.Click(QStringLiteral("RadioMetL"));
    kit.Type(QStringLiteral("EditUsVol"), QStringLiteral("1"));
    kit.Save(QStringLiteral("conv-volfluid"));
    kit.Type(QStringLiteral("EditMetVol"), QStringLiteral("-2"));
    kit.Save(QStringLiteral("conv-volfluid-warning"));

    kit.ShowType(QStringLiteral("Weight/Mass"));
    kit.Click(QStringLiteral("RadioMetTonne"));
    kit.Click(QStringLiteral("RadioUsTon"));
    kit.Type(QStringLiteral("EditMetWeight"), QStringLiteral("1"));
    kit.Save(QStringLiteral("conv-weight"));
    kit.Type(QStringLiteral("EditUsWeight"), QStringLiteral("abc"));
    kit.Save(QStringLiteral("conv-weight-warning"));
});

const SceneRegistration frequencyLength(160, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("Wavelength/Frequency"));
    kit.Type(QStringLiteral("EditFreq"), QStringLiteral("14.2"));
    kit.Save(QStringLiteral("wavelength"));
    kit.Type(QStringLiteral("EditFreq"), QStringLiteral("0"));
    kit.Save(QStringLiteral("wavelength-warning"));

    kit.ShowType(QStringLiteral("Half-Wave Dipole Length"));
    kit.Click(QStringLiteral("RadioFt"));
    kit.Type(QStringLiteral("EditFreq"), QStringLiteral("7.15"));
    kit.Save(QStringLiteral("dipole"));
    kit.Type(QStringLiteral("EditDipole"), QStringLiteral("0"));
    kit.Save(QStringLiteral("dipole-warning"));
});

} // namespace
