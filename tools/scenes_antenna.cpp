#include "screenshotkit.h"

#include "core/rconfig.h"
#include "ui/calculators/rf/tformmessage.h"
#include "ui/shell/tformmain.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {

// The advice is a window of its own over the main window: the picture is
// taken from the screen, cut to the main window.
void SaveScreen(ShotKit& kit, const QString& name) {
    QTest::qWait(200);
    const QRect frame = kit.window.frameGeometry();
    QScreen* screen = kit.window.screen();
    const QPixmap shot =
        screen->grabWindow(0, frame.x() - screen->geometry().x(),
                           frame.y() - screen->geometry().y(), frame.width(), frame.height());
    QLabel picture;
    picture.setPixmap(shot);
    picture.resize(shot.deviceIndependentSize().toSize());
    kit.Save(name, &picture);
}

const SceneRegistration antenna(200, [](ShotKit& kit) {
    // Calculated on Calculate only, so that half-typed readings give no advice.
    kit.window.Config()->AutoCalculate = 0;
    kit.ShowType(QStringLiteral("Antenna Impedance"));
    kit.Click(QStringLiteral("RadioNoCircuit"));
    kit.Type(QStringLiteral("EditF"), QStringLiteral("14.2"));
    kit.Type(QStringLiteral("EditZ"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditSWR"), QStringLiteral("1.5"));
    kit.Click(QStringLiteral("ButtonCalculate"));
    kit.Save(QStringLiteral("antenna-no-circuit"));

    kit.Click(QStringLiteral("RadioResistorCapacitor"));
    kit.Type(QStringLiteral("EditZResistor"), QStringLiteral("10"));
    kit.Type(QStringLiteral("EditZCapacitor"), QStringLiteral("100"));
    kit.Click(QStringLiteral("ButtonCalculate"));
    kit.Save(QStringLiteral("antenna-resistor-capacitor"));

    kit.Click(QStringLiteral("RadioResistorCoil"));
    kit.Type(QStringLiteral("EditZResistor"), QStringLiteral("0"));
    kit.Type(QStringLiteral("EditZCapacitor"), QStringLiteral("10"));
    kit.Click(QStringLiteral("ButtonCalculate"));
    kit.Click(QStringLiteral("RadioSolution2"));
    kit.Save(QStringLiteral("antenna-resistor-coil-solution-2"));

    kit.Type(QStringLiteral("EditZ"), QStringLiteral("20"));
    kit.Type(QStringLiteral("EditSWR"), QStringLiteral("2"));
    kit.Click(QStringLiteral("ButtonCalculate"));
    kit.Save(QStringLiteral("antenna-no-solution"));

    // The four kinds of advice; the first one switches to the added circuit.
    kit.Click(QStringLiteral("RadioNoCircuit"));
    kit.Type(QStringLiteral("EditZ"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditSWR"), QStringLiteral("H"));
    kit.Click(QStringLiteral("ButtonCalculate"));
    SaveScreen(kit, QStringLiteral("antenna-advice-1-swr-too-high"));
    kit.Type(QStringLiteral("EditSWR"), QStringLiteral("1.1"));
    kit.Click(QStringLiteral("ButtonCalculate"));
    SaveScreen(kit, QStringLiteral("antenna-advice-2-swr-too-low"));
    kit.Click(QStringLiteral("RadioResistorCoil"));
    kit.Type(QStringLiteral("EditSWR"), QStringLiteral("1.5"));
    kit.Type(QStringLiteral("EditZCapacitor"), QStringLiteral("19.2"));
    kit.Click(QStringLiteral("ButtonCalculate"));
    SaveScreen(kit, QStringLiteral("antenna-advice-3-reactance-too-small"));
    kit.Click(QStringLiteral("RadioResistorCapacitor"));
    kit.Type(QStringLiteral("EditZCapacitor"), QStringLiteral("1000"));
    kit.Click(QStringLiteral("ButtonCalculate"));
    SaveScreen(kit, QStringLiteral("antenna-advice-4-reactance-too-large"));
    kit.window.Message()->hide();
});

} // namespace
