#include "screenshotkit.h"

namespace {

const SceneRegistration lNetwork(30, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("L Network"));
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("100"));
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("-50"));
    kit.Save(QStringLiteral("lnetwork-series"));
    kit.Click(QStringLiteral("RadioZ2BeforeZ1"));
    kit.Save(QStringLiteral("lnetwork-parallel"));

    // The design of 50 ohms to 200 + j100: both solutions.
    kit.Click(QStringLiteral("RadioZ1BeforeZ2"));
    kit.Click(QStringLiteral("RadioZ1Z2"));
    kit.Type(QStringLiteral("EditZout"), QStringLiteral("200"));
    kit.Type(QStringLiteral("EditZoutJ"), QStringLiteral("100"));
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
    kit.Save(QStringLiteral("lnetwork-design"));
    kit.Click(QStringLiteral("RadioSolution2"));
    kit.Save(QStringLiteral("lnetwork-design-solution2"));
    // A unit click acts on the solution shown; typing then starts from it.
    kit.Click(QStringLiteral("RadioZ12"));
    kit.Save(QStringLiteral("lnetwork-solution2-in-k"));
    kit.Click(QStringLiteral("RadioZin"));
    kit.Type(QStringLiteral("EditZ2"), QStringLiteral("1"));
    kit.Save(QStringLiteral("lnetwork-solution2-edited"));
    kit.Click(QStringLiteral("RadioZ1Z2"));
    kit.Type(QStringLiteral("EditZinJ"), QString());
    kit.Click(QStringLiteral("RadioZ2BeforeZ1"));
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("200"));
    kit.Type(QStringLiteral("EditZout"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZoutJ"), QString());
    kit.Save(QStringLiteral("lnetwork-parallel-design"));
    kit.Type(QStringLiteral("EditZout"), QStringLiteral("250"));
    kit.Save(QStringLiteral("lnetwork-no-solution-found"));
});

// A Pi or T network designed between two resistances with a loaded Q.
void Design(ShotKit& kit, const char* zin, const char* zout, const char* q) {
    kit.Click(QStringLiteral("RadioDesign"));
    kit.Type(QStringLiteral("EditZin"), QLatin1String(zin));
    kit.Type(QStringLiteral("EditZinJ"), QString());
    kit.Type(QStringLiteral("EditZout"), QLatin1String(zout));
    kit.Type(QStringLiteral("EditZoutJ"), QString());
    kit.Type(QStringLiteral("EditQ"), QLatin1String(q));
}

const SceneRegistration threeElements(31, [](ShotKit& kit) {
    kit.ShowType(QStringLiteral("Pi Network"));
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("-100"));
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZ3J"), QStringLiteral("-200"));
    kit.Save(QStringLiteral("pinetwork"));
    kit.Click(QStringLiteral("RadioZin"));
    kit.Save(QStringLiteral("pinetwork-unknown-zin"));
    kit.Click(QStringLiteral("RadioZout"));
    kit.Click(QStringLiteral("RadioZout3"));
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("0.00005"));
    kit.Save(QStringLiteral("pinetwork-long-result"));
    // The amplifier's tank: 2000 ohms to 50 with a loaded Q of 10.
    kit.Click(QStringLiteral("RadioZout1"));
    Design(kit, "2000", "50", "10");
    kit.Save(QStringLiteral("pinetwork-design"));
    kit.Type(QStringLiteral("EditQ"), QStringLiteral("5"));
    kit.Save(QStringLiteral("pinetwork-design-q-too-low"));

    kit.ShowType(QStringLiteral("T Network"));
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("30"));
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("-80"));
    kit.Type(QStringLiteral("EditZ3J"), QStringLiteral("20"));
    kit.Save(QStringLiteral("tnetwork"));
    kit.Click(QStringLiteral("RadioZin"));
    kit.Save(QStringLiteral("tnetwork-unknown-zin"));
    kit.Type(QStringLiteral("EditZ2"), QStringLiteral("-5"));
    kit.Save(QStringLiteral("tnetwork-warning"));
    kit.Type(QStringLiteral("EditZ2"), QString());
    Design(kit, "50", "200", "2");
    kit.Save(QStringLiteral("tnetwork-design"));
    kit.Click(QStringLiteral("RadioZout"));
    kit.Save(QStringLiteral("tnetwork-design-then-zout"));
});

} // namespace
