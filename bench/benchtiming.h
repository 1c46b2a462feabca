#pragma once

#include <QElapsedTimer>

// The mean time of one round of the work, in milliseconds.
template <typename Work> double MillisecondsPerRound(Work work, int rounds) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work();
    return timer.nsecsElapsed() / 1e6 / rounds;
}
