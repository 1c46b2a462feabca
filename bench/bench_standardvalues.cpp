// Times the nearest standard part, the pair search and a whole component
// line, per call, for every series over values spread across many decades.

#include "core/calc/standardvalues.h"
#include "core/componenttext.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Values from 1 pΩ to 1 TΩ that fall between the standard values.
std::vector<double> Values() {
    std::vector<double> values;
    for (int i = 0; i < 2000; ++i)
        values.push_back(std::pow(10.0, -12 + 24.0 * (i + 0.37) / 2000));
    return values;
}

template <typename F> double MicrosecondsPerCall(const std::vector<double>& values, F call) {
    volatile double sink = 0;
    QElapsedTimer timer;
    timer.start();
    int rounds = 0;
    do {
        for (double value : values)
            sink = sink + call(value);
        ++rounds;
    } while (timer.elapsed() < 300);
    return timer.nsecsElapsed() / 1000.0 / (double(rounds) * double(values.size()));
}

} // namespace

int main() {
    const std::vector<double> values = Values();
    std::printf("%8s %14s %14s %14s %14s\n", "series", "nearest us", "pair us", "pair max us",
                "line us");
    for (ESeries series : AllESeries()) {
        const double nearest =
            MicrosecondsPerCall(values, [&](double v) { return FindNearestPart(v, series).error; });
        const double pair = MicrosecondsPerCall(
            values, [&](double v) { return FindBestPair(v, series, PartKind::Resistor).error; });
        // The slowest value's search, each timed alone at its best of five
        // tries, so that another process taking the core is not counted.
        double slowest = 0;
        for (double value : values) {
            double fastest = 1e9;
            for (int attempt = 0; attempt < 5; ++attempt) {
                QElapsedTimer one;
                one.start();
                volatile double error = FindBestPair(value, series, PartKind::Capacitor).error;
                (void)error;
                fastest = std::min(fastest, one.nsecsElapsed() / 1000.0);
            }
            slowest = std::max(slowest, fastest);
        }
        const double line = MicrosecondsPerCall(values, [&](double v) {
            return double(ComponentLineText(Complex(0, -v), 7.1e6, series, 8).size());
        });
        std::printf("%8s %14.3f %14.3f %14.3f %14.3f\n", qPrintable(ESeriesName(series)), nearest,
                    pair, slowest, line);
    }
    return 0;
}
