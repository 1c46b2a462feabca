#include "screenshotkit.h"

namespace {

// The parts beneath the boxes: networks at a design frequency, results of
// the circuit calculators with their standard parts.
const SceneRegistration parts(95, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("L Network"));
    kit.Click(QStringLiteral("ButtonClear"));
    kit.Click(QStringLiteral("RadioZ1BeforeZ2"));
    kit.Click(QStringLiteral("RadioZ1Z2"));
    kit.Type(QStringLiteral("EditZout"), QStringLiteral("200"));
    kit.Type(QStringLiteral("EditZoutJ"), QStringLiteral("100"));
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZinJ"), QString());
    kit.Type(QStringLiteral("EditDesignFrequency"), QStringLiteral("7.1"));
    kit.Save(QStringLiteral("parts-lnetwork-solution1"));
    kit.Click(QStringLiteral("RadioSolution2"));
    kit.Save(QStringLiteral("parts-lnetwork-solution2"));
    kit.Click(QStringLiteral("RadioZ2BeforeZ1"));
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("200"));
    kit.Type(QStringLiteral("EditZout"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZoutJ"), QString());
    kit.Save(QStringLiteral("parts-lnetwork-parallel"));
    kit.Type(QStringLiteral("EditDesignFrequency"), QStringLiteral("abc"));
    kit.Save(QStringLiteral("parts-lnetwork-invalid-frequency"));

    for (const QString& type : {QStringLiteral("Pi Network"), QStringLiteral("T Network")}) {
        kit.ShowType(type);
        kit.Click(QStringLiteral("RadioZout"));
        kit.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
        kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("-100"));
        kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("50"));
        kit.Type(QStringLiteral("EditZ3J"), QStringLiteral("-200"));
        kit.Type(QStringLiteral("EditDesignFrequency"), QStringLiteral("14.2"));
        kit.Save(type.startsWith(u'P') ? QStringLiteral("parts-pinetwork")
                                       : QStringLiteral("parts-tnetwork"));
        // The designs of the help topics at 7 MHz: an amplifier's tank, a tuner.
        const bool pi = type.startsWith(u'P');
        kit.Click(QStringLiteral("RadioDesign"));
        kit.Type(QStringLiteral("EditZin"), pi ? QStringLiteral("2000") : QStringLiteral("50"));
        kit.Type(QStringLiteral("EditZout"), pi ? QStringLiteral("50") : QStringLiteral("200"));
        kit.Type(QStringLiteral("EditZinJ"), QString());
        kit.Type(QStringLiteral("EditZoutJ"), QString());
        kit.Type(QStringLiteral("EditQ"), pi ? QStringLiteral("10") : QStringLiteral("2"));
        kit.Type(QStringLiteral("EditDesignFrequency"), QStringLiteral("7"));
        kit.Save(pi ? QStringLiteral("parts-pinetwork-design")
                    : QStringLiteral("parts-tnetwork-design"));
    }

    kit.ShowType(QStringLiteral("Impedance"));
    kit.Type(QStringLiteral("EditZ1"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("30"));
    kit.Type(QStringLiteral("EditZ2"), QStringLiteral("20"));
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("-40"));
    kit.Type(QStringLiteral("EditDesignFrequency"), QStringLiteral("3.6"));
    kit.Click(QStringLiteral("RadioParallel"));
    kit.Save(QStringLiteral("parts-impedance-parallel"));
    kit.Click(QStringLiteral("RadioSeries"));
    kit.Save(QStringLiteral("parts-impedance-series"));

    kit.ShowType(QStringLiteral("Resistor"));
    kit.Click(QStringLiteral("RadioSeries"));
    kit.Type(QStringLiteral("EditR1"), QStringLiteral("2950"));
    kit.Type(QStringLiteral("EditR2"), QStringLiteral("0"));
    kit.Save(QStringLiteral("parts-resistor"));
    kit.Click(QStringLiteral("RadioParallel"));
    kit.Click(QStringLiteral("RadioR2"));
    kit.Type(QStringLiteral("EditR1"), QStringLiteral("10000"));
    kit.Type(QStringLiteral("EditRout"), QStringLiteral("2950"));
    kit.Save(QStringLiteral("parts-resistor-r2"));

    kit.ShowType(QStringLiteral("Capacitors"));
    kit.Click(QStringLiteral("RadioC"));
    kit.Type(QStringLiteral("EditF"), QStringLiteral("7.1"));
    kit.Type(QStringLiteral("EditXc"), QStringLiteral("100"));
    kit.Save(QStringLiteral("parts-reactance"));

    kit.ShowType(QStringLiteral("Resonant Frequency"));
    kit.Click(QStringLiteral("RadioI"));
    kit.Type(QStringLiteral("EditF"), QStringLiteral("7.1"));
    kit.Type(QStringLiteral("EditC"), QStringLiteral("100"));
    kit.Save(QStringLiteral("parts-resonant-inductance"));
    kit.Click(QStringLiteral("RadioC"));
    kit.Type(QStringLiteral("EditI"), QStringLiteral("3.3"));
    kit.Save(QStringLiteral("parts-resonant-capacitance"));
});

} // namespace
