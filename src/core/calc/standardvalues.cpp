#include "core/calc/standardvalues.h"

#include <algorithm>
#include <cmath>

namespace {

// The tables of IEC 60063, in hundredths. They are the standard's, not the
// rounding formula's: E24 holds 2.7, 3.0, 3.3, 3.6, 3.9, 4.3, 4.7 and 8.2
// where 10^(i/24) rounds otherwise (E12 and E6 take every second and fourth
// of its values), and E192 holds 9.20 where the formula gives 9.19.
// clang-format off
const std::vector<int> E6Table = {100, 150, 220, 330, 470, 680};

const std::vector<int> E12Table = {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};

const std::vector<int> E24Table = {
    100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
    330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};

const std::vector<int> E48Table = {
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
    464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};

const std::vector<int> E96Table = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

const std::vector<int> E192Table = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};
// clang-format on

// Distances (|ln| of a ratio) closer than this are equal: what is left of
// rounding in the arithmetic, far below any part's tolerance.
constexpr double SameDistance = 1e-12;

// Exact powers of ten for |n| <= 22; beyond, as near as pow gets.
double PowerOfTen(int n) {
    static const double exact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (n >= 0 && n <= 22)
        return exact[n];
    if (n < 0 && n >= -22)
        return 1.0 / exact[-n];
    return std::pow(10.0, n);
}

StandardPart MakePart(int hundredths, int decade) {
    // Divide by an exact power of ten where one exists, so that 2.2 pF is the
    // double nearest to 2.2e-12.
    const int shift = decade - 2;
    const double value = shift >= 0     ? hundredths * PowerOfTen(shift)
                         : shift >= -22 ? hundredths / PowerOfTen(-shift)
                                        : hundredths * PowerOfTen(shift);
    return StandardPart{hundredths, decade, value};
}

double Distance(double part, double value) {
    return std::abs(std::log(part / value));
}

// A place in the endless list of a series' values: entry `index` of the
// table in `decade`.
struct Place {
    int index;
    int decade;
};

// The place of the largest standard value at or below a positive value.
Place PlaceAtOrBelow(double value, const std::vector<int>& table) {
    int decade = int(std::floor(std::log10(value)));
    // log10 may land one decade off for values next to a power of ten.
    if (value / PowerOfTen(decade) < 1.0)
        --decade;
    else if (value / PowerOfTen(decade) >= 10.0)
        ++decade;
    const double scaled = value / PowerOfTen(decade) * 100.0;
    const auto next = std::upper_bound(table.begin(), table.end(), scaled,
                                       [](double x, int entry) { return x < entry; });
    // The first entry (100) is at most the scaled mantissa: `next` is never the first.
    return Place{int(next - table.begin()) - 1, decade};
}

Place Next(Place place, const std::vector<int>& table) {
    if (++place.index == int(table.size()))
        return Place{0, place.decade + 1};
    return place;
}

StandardPart PartAt(Place place, const std::vector<int>& table) {
    return MakePart(table[size_t(place.index)], place.decade);
}

bool InRange(double value) {
    return std::isfinite(value) && value >= MinPartValue && value <= MaxPartValue;
}

struct Candidate {
    StandardPart larger;
    StandardPart smaller;
    Connection connection;
    double value;
    double distance;
};

bool Adding(PartKind kind, Connection connection) {
    return (connection == Connection::Parallel) == (kind == PartKind::Capacitor);
}

double Spread(const Candidate& c) {
    return c.larger.value / c.smaller.value;
}

// Whether a is to be preferred to b, by the order FindBestPair documents.
bool Better(const Candidate& a, const Candidate& b, PartKind kind) {
    if (std::abs(a.distance - b.distance) > SameDistance)
        return a.distance < b.distance;
    const bool aAdds = Adding(kind, a.connection);
    if (aAdds != Adding(kind, b.connection))
        return aAdds;
    if (Spread(a) != Spread(b))
        return Spread(a) < Spread(b);
    return a.larger.value < b.larger.value;
}

// Every pair in one connection whose combination could come nearest. In the
// adding connection the larger part of the best pair lies within 2.5 of the
// value (the coarsest series, E6, steps by at most 1.5, so two equal parts
// near half the value come within sqrt(1.5) of it); the other connection is
// the same arithmetic on the reciprocals.
void SearchConnection(double value, const std::vector<int>& table, PartKind kind,
                      Connection connection, Candidate& best, bool& found) {
    const bool adds = Adding(kind, connection);
    const double low = adds ? value / 2.5 : value;
    const double high = adds ? value : value * 2.5;
    for (Place place = Next(PlaceAtOrBelow(low, table), table);; place = Next(place, table)) {
        const StandardPart part = PartAt(place, table);
        if (part.value >= high)
            break;
        // The exact partner, then the standard values on either side of it.
        const double partner = adds ? value - part.value : 1.0 / (1.0 / value - 1.0 / part.value);
        if (!(partner > 0) || !InRange(partner))
            continue;
        const Place below = PlaceAtOrBelow(partner, table);
        for (const StandardPart& other :
             {PartAt(below, table), PartAt(Next(below, table), table)}) {
            const bool firstLarger = part.value >= other.value;
            Candidate candidate{firstLarger ? part : other, firstLarger ? other : part, connection,
                                0.0, 0.0};
            candidate.value = CombinedValue(kind, connection, part.value, other.value);
            candidate.distance = Distance(candidate.value, value);
            if (!found || Better(candidate, best, kind)) {
                best = candidate;
                found = true;
            }
        }
    }
}

} // namespace

const std::vector<ESeries>& AllESeries() {
    static const std::vector<ESeries> all = {ESeries::E6,  ESeries::E12, ESeries::E24,
                                             ESeries::E48, ESeries::E96, ESeries::E192};
    return all;
}

QString ESeriesName(ESeries series) {
    return QStringLiteral("E") + QString::number(ESeriesHundredths(series).size());
}

bool ESeriesFromName(const QString& name, ESeries& series) {
    for (ESeries candidate : AllESeries()) {
        if (ESeriesName(candidate) == name) {
            series = candidate;
            return true;
        }
    }
    return false;
}

const std::vector<int>& ESeriesHundredths(ESeries series) {
    switch (series) {
    case ESeries::E6:
        return E6Table;
    case ESeries::E12:
        return E12Table;
    case ESeries::E24:
        return E24Table;
    case ESeries::E48:
        return E48Table;
    case ESeries::E96:
        return E96Table;
    case ESeries::E192:
        break;
    }
    return E192Table;
}

int ESeriesDigits(ESeries series) {
    return series == ESeries::E6 || series == ESeries::E12 || series == ESeries::E24 ? 2 : 3;
}

NearestPart FindNearestPart(double value, ESeries series) {
    if (!InRange(value))
        return NearestPart{};
    const std::vector<int>& table = ESeriesHundredths(series);
    const Place place = PlaceAtOrBelow(value, table);
    const StandardPart below = PartAt(place, table);
    const StandardPart above = PartAt(Next(place, table), table);
    const double belowDistance = Distance(below.value, value);
    const double aboveDistance = Distance(above.value, value);
    const StandardPart& part = belowDistance < aboveDistance - SameDistance ? below : above;
    return NearestPart{true, part, part.value / value - 1.0};
}

double CombinedValue(PartKind kind, Connection connection, double a, double b) {
    if (Adding(kind, connection))
        return a + b;
    return 1.0 / (1.0 / a + 1.0 / b);
}

PartPair FindBestPair(double value, ESeries series, PartKind kind) {
    const NearestPart single = FindNearestPart(value, series);
    if (!single.ok || std::abs(single.error) < MatchTolerance)
        return PartPair{};
    const std::vector<int>& table = ESeriesHundredths(series);
    Candidate best{};
    bool found = false;
    for (Connection connection : {Connection::Series, Connection::Parallel})
        SearchConnection(value, table, kind, connection, best, found);
    if (!found || best.distance >= Distance(single.part.value, value) - SameDistance)
        return PartPair{};
    return PartPair{
        true, best.larger, best.smaller, best.connection, best.value, best.value / value - 1.0};
}
