// What the Smith chart window does on every change of a network
// calculation: build the chart's content from the calculation and paint it
// at the window's size, the grid drawn once and kept. A redraw has 5 ms in
// all, so that typing never waits. Measured at device pixel ratio 1, and
// at 2 in a second run of itself with QT_SCALE_FACTOR=2.

#include "core/calc/networkdesign.h"
#include "core/calctypes.h"
#include "core/chart/chartsvg.h"
#include "core/chart/smithchart.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "ui/chart/rsmithchart.h"

#include "benchtiming.h"

#include <QApplication>
#include <QProcess>

#include <cstdio>

namespace {

void SetImpedance(RField& field, const Complex& z) {
    field.SetComplex(z.re, z.im);
}

// A Pi network designed from 2000 to 50 ohms with a loaded Q of 10, solved
// for Zin: long element paths.
RCalculation PiNetwork() {
    RCalculation calculation;
    InitCalculationOfType(8, calculation, RConfig());
    calculation.SetUnknown(1);
    const NetworkDesign design = DesignPiNetwork(Complex(2000), Complex(50), 10);
    SetImpedance(calculation.Field(1), design.z1);
    SetImpedance(calculation.Field(2), design.z2);
    SetImpedance(calculation.Field(3), design.z3);
    SetImpedance(calculation.Field(4), Complex(50));
    return calculation;
}

// An L network design, both solutions drawn.
RCalculation LDesign() {
    RCalculation calculation;
    InitCalculationOfType(7, calculation, RConfig());
    calculation.SetUnknown(2);
    SetImpedance(calculation.Field(0), Complex(50));
    SetImpedance(calculation.Field(3), Complex(200, 100));
    return calculation;
}

void Row(const QString& what, double milliseconds) {
    std::printf("%-60s %8.3f\n", what.toUtf8().constData(), milliseconds);
}

} // namespace

int main(int argc, char** argv) {
    const bool second = qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
    QApplication application(argc, argv);
    RSmithChart widget;
    widget.resize(500, 500); // the window's chart at its first size
    const QString ratio = QStringLiteral(", ratio %1").arg(widget.devicePixelRatioF());
    bool drawn = true;

    if (!second)
        std::printf("%-60s %8s\n", "one redraw of the chart window", "ms");
    for (const auto& [name, calculation] :
         {std::pair{"Pi design 2000 to 50 ohms, Q 10", PiNetwork()},
          std::pair{"L design, both solutions", LDesign()}}) {
        const QString title = QString::fromLatin1(name);
        for (bool admittance : {false, true}) {
            widget.SetAdmittance(admittance);
            const QString grid = admittance ? QStringLiteral(", admittance grid") : QString();
            // The first painting draws the grid; every later one reuses it.
            Row(title + QStringLiteral(": first paint") + ratio + grid,
                MillisecondsPerRound(
                    [&] { widget.resize(widget.size() + QSize(1, 1)), widget.grab(); }, 10));
            Row(title + QStringLiteral(": redraw after a change") + ratio + grid,
                MillisecondsPerRound(
                    [&, &calculation = calculation] {
                        widget.SetChart(ChartOfCalculation(calculation, 50, 4));
                        drawn = drawn && !widget.grab().isNull();
                    },
                    50));
        }
        if (!second)
            Row(title + QStringLiteral(": SVG"),
                MillisecondsPerRound(
                    [&, &calculation = calculation] {
                        drawn = drawn &&
                                !ChartSvg(ChartOfCalculation(calculation, 50, 4), {}).isEmpty();
                    },
                    100));
    }
    std::fflush(stdout);
    if (!second) {
        QProcess doubled;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        doubled.setProcessEnvironment(environment);
        doubled.setProcessChannelMode(QProcess::ForwardedChannels);
        doubled.start(QCoreApplication::applicationFilePath(), {});
        drawn = drawn && doubled.waitForFinished(60000) && doubled.exitCode() == 0;
    }
    return drawn ? 0 : 1;
}
