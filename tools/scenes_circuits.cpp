#include "screenshotkit.h"

namespace {

const SceneRegistration combinations(10, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("Resistor"));
    kit.Type(QStringLiteral("EditR1"), QStringLiteral("100"));
    kit.Click(QStringLiteral("RadioR22"));
    kit.Type(QStringLiteral("EditR2"), QStringLiteral("2.2"));
    kit.Save(QStringLiteral("resistor-parallel"));
    kit.Click(QStringLiteral("RadioSeries"));
    kit.Save(QStringLiteral("resistor-series"));
    kit.Type(QStringLiteral("EditR2"), QStringLiteral("-"));
    kit.Save(QStringLiteral("resistor-warning"));
    kit.Type(QStringLiteral("EditR2"), QStringLiteral("2.2"));

    kit.ShowType(QStringLiteral("Capacitor"));
    kit.Type(QStringLiteral("EditC1"), QStringLiteral("100"));
    kit.Click(QStringLiteral("RadioC22"));
    kit.Type(QStringLiteral("EditC2"), QStringLiteral("0.001"));
    kit.Save(QStringLiteral("capacitor-parallel"));
    kit.Click(QStringLiteral("RadioSeries"));
    kit.Save(QStringLiteral("capacitor-series"));

    kit.ShowType(QStringLiteral("Inductor"));
    kit.Type(QStringLiteral("EditL1"), QStringLiteral("10"));
    kit.Click(QStringLiteral("RadioL22"));
    kit.Type(QStringLiteral("EditL2"), QStringLiteral("1"));
    kit.Save(QStringLiteral("inductor-parallel"));
    kit.Click(QStringLiteral("RadioSeries"));
    kit.Click(QStringLiteral("RadioL1"));
    kit.Save(QStringLiteral("inductor-series-unknown-l1"));
});

const SceneRegistration impedance(20, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("Impedance"));
    kit.Type(QStringLiteral("EditZ1"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("30"));
    kit.Type(QStringLiteral("EditZ2"), QStringLiteral("20"));
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("-40"));
    kit.Save(QStringLiteral("impedance-parallel"));
    kit.Click(QStringLiteral("RadioSeries"));
    kit.Save(QStringLiteral("impedance-series"));
    kit.Click(QStringLiteral("RadioZ1"));
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("abc"));
    kit.Save(QStringLiteral("impedance-series-warning"));
    // Long results keep their sign and first digits in view.
    kit.Click(QStringLiteral("RadioZout"));
    kit.Type(QStringLiteral("EditZ1"), QStringLiteral("-0.0000123456789"));
    kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("-0.0000987654321"));
    kit.Type(QStringLiteral("EditZ2"), QStringLiteral("0"));
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("0"));
    kit.Save(QStringLiteral("impedance-long-result"));
});

} // namespace
