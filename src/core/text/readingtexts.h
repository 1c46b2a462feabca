#pragma once

#include <QString>

struct ChartReading;
struct SwrReading;

// How the program words what a standing-wave ratio or a point of a Smith
// chart means, in the boxes' number format.

// "|Γ| 0.3333  Return loss 9.54 dB  Mismatch loss 0.51 dB" at the display
// precision: |Γ| with that many significant digits as the boxes show their
// values, the decibels with two decimals fewer than the precision (at least
// none), since a level is read to a fixed step of a dB rather than to
// significant digits. An infinite return loss reads "∞ dB".
QString ReadingText(const SwrReading& reading, int precision);

// "Z = 25 + j25 Ω, Γ = 0.4472 ∠ 116.6°, SWR = 2.618" with numbers in the
// boxes' general format at the given precision (locale separator); an open
// circuit reads "Z = ∞", an infinite SWR "SWR = ∞".
QString ChartReadingText(const ChartReading& reading, int precision);
