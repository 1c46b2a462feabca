#pragma once

#include <QString>

#include <vector>

// The preferred values of resistors, capacitors and inductors (the IEC 60063
// E series), the standard part nearest to a value, and the best pair of
// standard parts that makes a value in series or in parallel.
//
// Values are in base units (ohms, farads, henrys). Nearness is by ratio:
// the distance between a part p and a wanted value x is |ln(p / x)|, so 90 and
// 110 are not equally near 100, but 50 and 200 are.

enum class ESeries { E6, E12, E24, E48, E96, E192 };

// The series a new user's standard parts come from.
constexpr ESeries DefaultESeries = ESeries::E12;

// All series, from the coarsest.
const std::vector<ESeries>& AllESeries();
// "E6" ... "E192"; and back, false for a name that is none of them.
QString ESeriesName(ESeries series);
bool ESeriesFromName(const QString& name, ESeries& series);
// The values of one decade in hundredths, as the standard tables them:
// E24 is 100, 110, 120, 130, 150, ..., 910; E192 is 100, 101, 102, ..., 988.
const std::vector<int>& ESeriesHundredths(ESeries series);
// Significant digits the series' values are written with: 2 for E6 to E24,
// 3 for E48 to E192 ("3.0 kΩ", "3.01 kΩ").
int ESeriesDigits(ESeries series);

// One standard part: the series value `hundredths` / 100 times 10^decade,
// so 2.2 kΩ is {220, 3} and 750 Ω is {750, 2}. `value` is that number as a
// double, correctly rounded where the power of ten allows (2.2 pF is 2.2e-12).
struct StandardPart {
    int hundredths = 0;
    int decade = 0;
    double value = 0.0;
};

// Values outside this range have no standard part (and no pair): they are
// no component, and their neighbours' powers of ten would leave a double.
constexpr double MinPartValue = 1e-290;
constexpr double MaxPartValue = 1e290;

// The standard part nearest to a value, searched in every decade, and its
// relative error (part / value - 1: +0.017 for 3.0 kΩ wanted 2,950 Ω).
struct NearestPart {
    bool ok = false; // false for a value that is not finite or not within the range above
    StandardPart part;
    double error = 0.0;
};

// Two parts at equal distance (to within rounding, 1e-12 in ln) give the larger.
NearestPart FindNearestPart(double value, ESeries series);

// A part within this relative error of the wanted value matches it: the
// one-decimal percentage shows it as "0 %". Such a part needs no pair.
constexpr double MatchTolerance = 0.0005;

// What the parts are, which decides how two of them combine: resistors and
// inductors add in series, capacitors add in parallel.
enum class PartKind { Resistor, Capacitor, Inductor };
enum class Connection { Series, Parallel };

// The combined value of two parts of a kind in a connection.
double CombinedValue(PartKind kind, Connection connection, double a, double b);

// The best pair of standard parts for a value: `larger` and `smaller` (by
// value) in series or in parallel, their combined value and its relative error.
struct PartPair {
    bool found = false;
    StandardPart larger;
    StandardPart smaller;
    Connection connection = Connection::Series;
    double value = 0.0;
    double error = 0.0;
};

// The pair whose combined value is nearest to the wanted one (by ratio),
// exact over every pair of the series' values in any decades.
//
// No pair is found (found == false) for a value without a nearest part, when
// the nearest single part already matches (MatchTolerance), and when no pair
// comes nearer than that single part.
//
// Pairs of equal distance (to within 1e-12 in ln) are chosen in this order:
//  1. the connection in which the values add (series for resistors and
//     inductors, parallel for capacitors): one sum, easy to check on a meter;
//  2. the two parts nearer to each other in value (the smaller ratio larger
//     / smaller): they share current or voltage more evenly, and the smaller
//     part's tolerance weighs less;
//  3. the smaller larger part.
//
// Only pairs that could beat a single part are searched: in the adding
// connection both parts lie below the value, in the other both above it
// (any other pair is worse than one of its own parts alone). That leaves one
// part in a span of less than half a decade, and for each such part the
// best partner is one of the two standard values around the exact partner.
PartPair FindBestPair(double value, ESeries series, PartKind kind);
