// What a Smith chart computes on every change of a network calculation: the
// node chain and the element paths of both L network solutions, of a Pi
// and of a T design, and the grid. A redraw has 5 ms in all; the geometry
// should take a small part of it.

#include "core/calc/networkdesign.h"
#include "core/calc/smith.h"

#include "benchtiming.h"

#include <cstdio>

namespace {

template <typename Work> double Microseconds(Work work, int rounds) {
    return 1000 * MillisecondsPerRound(work, rounds);
}

} // namespace

int main() {
    const double z0 = 50;
    const Complex load(200, 100);
    long long points = 0;
    bool drawn = true;
    const auto count = [&](const ChainTrace& trace) {
        drawn = drawn && !trace.nodes.isEmpty();
        for (const QList<Complex>& path : trace.paths)
            points += path.size();
    };

    const double lNetwork = Microseconds(
        [&] {
            const LNetworkDesign design =
                DesignLNetwork(LNetworkType::Z1InSeries, Complex(z0), load);
            for (int solution : {0, 1})
                count(TraceChain(
                    LNetworkDesignChain(LNetworkType::Z1InSeries, load, design, solution), z0));
        },
        1000);
    const double pi = Microseconds(
        [&] {
            const NetworkDesign d = DesignPiNetwork(Complex(2000), Complex(z0), 10);
            count(TraceChain(PiNetworkChain(NetworkPort::Input, Complex(z0), d.z1, d.z2, d.z3),
                             2000));
        },
        1000);
    const double t = Microseconds(
        [&] {
            const NetworkDesign d = DesignTNetwork(Complex(z0), Complex(1000), 6);
            count(
                TraceChain(TNetworkChain(NetworkPort::Input, Complex(1000), d.z1, d.z2, d.z3), z0));
        },
        1000);
    const double grid = Microseconds(
        [&] {
            for (const ChartCurve& curve : ImpedanceGrid() + AdmittanceGrid())
                points += CurvePoints(curve).size();
        },
        1000);

    std::printf("%-44s %10s\n", "one chart's geometry", "us");
    std::printf("%-44s %10.1f\n", "L network design, both solutions", lNetwork);
    std::printf("%-44s %10.1f\n", "Pi design, 2000 to 50 ohms, Q 10", pi);
    std::printf("%-44s %10.1f\n", "T design, 50 to 1000 ohms, Q 6", t);
    std::printf("%-44s %10.1f\n", "impedance and admittance grids as points", grid);
    return drawn ? 0 : 1;
}
