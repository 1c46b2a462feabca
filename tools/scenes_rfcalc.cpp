#include "screenshotkit.h"

#include "core/rconfig.h"
#include "ui/framework/tformproblem.h"
#include "ui/shell/tformmain.h"

namespace {

const SceneRegistration reactance(30, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("Capacitors"));
    kit.Type(QStringLiteral("EditC"), QStringLiteral("100"));
    kit.Type(QStringLiteral("EditF"), QStringLiteral("1"));
    kit.Save(QStringLiteral("reactance-capacitor"));
    kit.Click(QStringLiteral("RadioC"));
    kit.Type(QStringLiteral("EditF"), QStringLiteral("0"));
    kit.Save(QStringLiteral("reactance-capacitor-warning"));

    kit.ShowType(QStringLiteral("Inductors"));
    kit.Type(QStringLiteral("EditL"), QStringLiteral("1"));
    kit.Type(QStringLiteral("EditF"), QStringLiteral("7"));
    kit.Save(QStringLiteral("reactance-inductor"));
    kit.Type(QStringLiteral("EditL"), QStringLiteral("-1"));
    kit.Save(QStringLiteral("reactance-inductor-warning"));
});

const SceneRegistration resonant(31, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("Resonant Frequency"));
    kit.Type(QStringLiteral("EditI"), QStringLiteral("1"));
    kit.Type(QStringLiteral("EditC"), QStringLiteral("100"));
    kit.Save(QStringLiteral("resonant"));
    kit.Click(QStringLiteral("RadioC"));
    kit.Type(QStringLiteral("EditF"), QStringLiteral("7.1"));
    kit.Type(QStringLiteral("EditI"), QStringLiteral("10"));
    kit.Save(QStringLiteral("resonant-capacitance"));
    kit.Type(QStringLiteral("EditI"), QStringLiteral("abc"));
    kit.Save(QStringLiteral("resonant-warning"));
});

const SceneRegistration swr(32, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("SWR Calculator"));
    kit.Type(QStringLiteral("EditZant"), QStringLiteral("100"));
    kit.Save(QStringLiteral("swr"));
    kit.Type(QStringLiteral("EditZant"), QStringLiteral("25"));
    kit.Type(QStringLiteral("EditZantJ"), QStringLiteral("25"));
    kit.Save(QStringLiteral("swr-complex-load"));
    kit.Type(QStringLiteral("EditZantJ"), QStringLiteral(""));
    kit.Type(QStringLiteral("EditZant"), QStringLiteral("50"));
    kit.Save(QStringLiteral("swr-matched"));
    // The longest reading: two lines at the highest precision.
    kit.Type(QStringLiteral("EditZant"), QStringLiteral("100"));
    kit.window.Config()->Precision = 15;
    kit.window.CurrentCalculator()->ShowCalculation();
    kit.Save(QStringLiteral("swr-precision-15"));
    kit.window.Config()->Precision = 8;
    kit.window.CurrentCalculator()->ShowCalculation();
    kit.Type(QStringLiteral("EditZant"), QStringLiteral("0"));
    kit.Type(QStringLiteral("EditZantJ"), QStringLiteral("30"));
    kit.Save(QStringLiteral("swr-warning"));
});

const SceneRegistration airCoil(33, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("Air Core Coil Inductance"));
    kit.Type(QStringLiteral("EditDiameter"), QStringLiteral("1"));
    kit.Type(QStringLiteral("EditLength"), QStringLiteral("1"));
    kit.Type(QStringLiteral("EditTurns"), QStringLiteral("10"));
    kit.Save(QStringLiteral("aircoil"));
    kit.Click(QStringLiteral("RadioLength"));
    kit.Type(QStringLiteral("EditI"), QStringLiteral("100"));
    kit.Save(QStringLiteral("aircoil-length-warning"));
});

} // namespace
