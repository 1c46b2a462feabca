#include "core/calc/aircoil.h"

#include "core/calc/positiveresult.h"

#include <cmath>

namespace {

// How far below 0 the numerator of the length may fall, relative to n²·d²,
// and still be rounding: far above the error of a value stored with 15
// digits, far below any coil that truly falls short.
constexpr double LengthRounding = 1e-12;

double Microhenrys(double henrys) {
    return henrys * 1000000;
}

// A result that is 0 for these inputs, or else greater than 0.
Solved ZeroOrPositive(bool zero, double value) {
    return zero ? Success(Complex(value)) : PositiveResult(value);
}

} // namespace

Solved CoilInductance(double d, double l, double n) {
    const double denominator = 18 * d + 40 * l;
    if (!(denominator > 0))
        return Failure(NoSolutionMessage());
    return ZeroOrPositive(n == 0 || d == 0, n * n * d * d / denominator * 0.000001);
}

Solved CoilDiameter(double inductance, double l, double n) {
    const double lu = Microhenrys(inductance);
    const double n2 = n * n;
    if (!(n2 > 0))
        return Failure(NoSolutionMessage());
    const double q = 81 * (lu * lu) + 40 * lu * n2 * l;
    if (!(q >= 0))
        return Failure(NoSolutionMessage());
    return ZeroOrPositive(lu == 0, (std::sqrt(q) + 9 * lu) / n2);
}

Solved CoilLength(double d, double inductance, double n) {
    const double lu = Microhenrys(inductance);
    const double denominator = 40 * lu;
    if (!(denominator > 0))
        return Failure(NoSolutionMessage());
    const double reach = n * n * (d * d);
    const double numerator = reach - 18 * d * lu;
    // Turns and a diameter that cannot reach the inductance even at zero
    // length leave a negative length, which is no coil. An inductance solved
    // from a zero length and written back with 15 digits may miss by the
    // last digit, which is no reason to refuse it: that length is 0.
    if (numerator < 0 && -numerator <= LengthRounding * reach)
        return Success(Complex(0));
    const double length = numerator / denominator;
    if (!(length >= 0))
        return Failure(NoSolutionMessage());
    return Success(Complex(length));
}

Solved CoilTurns(double d, double inductance, double l) {
    const double lu = Microhenrys(inductance);
    const double d2 = d * d;
    if (!(d2 > 0))
        return Failure(NoSolutionMessage());
    const double t = (18 * d * lu + 40 * l * lu) / d2;
    if (!(t >= 0))
        return Failure(NoSolutionMessage());
    return ZeroOrPositive(lu == 0, std::sqrt(t));
}
