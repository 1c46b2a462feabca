#include "core/calc/networkdesign.h"

#include "core/calc/numbertext.h"
#include "core/calc/solved.h"

#include <cmath>

namespace {

// The minimum Q rounded up to the 4 significant digits the message shows.
double PrintedMinimum(double minimumQ) {
    if (!(minimumQ > 0) || !std::isfinite(minimumQ))
        return minimumQ;
    const double scale = std::pow(10.0, 3 - std::floor(std::log10(minimumQ)));
    return std::ceil(minimumQ * scale) / scale;
}

NetworkDesign DesignFailure(const QString& message) {
    NetworkDesign design;
    design.message = message;
    return design;
}

// The refusal of a Q at or below the minimum. Where the printed minimum is
// below Q (equal resistances and a Q whose square vanishes beside 1) or is
// no number (a ratio of resistances beyond the range of a double) the
// message could not be followed, so there is simply no solution.
NetworkDesign QTooLow(double minimumQ, double q) {
    if (PrintedMinimum(minimumQ) < q || !std::isfinite(minimumQ))
        return DesignFailure(NoSolutionMessage());
    return DesignFailure(QTooLowMessage(minimumQ));
}

// The design with Z1 = −jX1, Z2 = +jX2, Z3 = −jX3, or no solution when a
// reactance left the range of a double.
NetworkDesign Elements(double x1, double x2, double x3) {
    for (double x : {x1, x2, x3}) {
        if (!(x > 0) || !std::isfinite(x))
            return DesignFailure(NoSolutionMessage());
    }
    NetworkDesign design;
    design.ok = true;
    design.z1 = Complex(0, -x1);
    design.z2 = Complex(0, x2);
    design.z3 = Complex(0, -x3);
    return design;
}

// The checks every design makes before its own arithmetic on Rin, Rout and Q.
NetworkDesign Checked(const Complex& zin, const Complex& zout, double q,
                      NetworkDesign (*arithmetic)(double rin, double rout, double q)) {
    if (zin.im != 0)
        return DesignFailure(QStringLiteral("Error: Imaginary component of Zin must be 0."));
    if (zout.im != 0)
        return DesignFailure(QStringLiteral("Error: Imaginary component of Zout must be 0."));
    const auto usable = [](double v) { return v > 0 && std::isfinite(v); };
    if (!usable(zin.re) || !usable(zout.re) || !usable(q))
        return DesignFailure(NoSolutionMessage());
    return arithmetic(zin.re, zout.re, q);
}

} // namespace

double PiMinimumQ(double rin, double rout) {
    return rin > rout ? std::sqrt(rin / rout - 1) : 0.0;
}

double TMinimumQ(double rin, double rout) {
    return rout > rin ? std::sqrt(rout / rin - 1) : 0.0;
}

QString QTooLowMessage(double minimumQ) {
    return QStringLiteral("Error: Q must be greater than ") +
           FormatGeneral(PrintedMinimum(minimumQ), 4, 2) +
           QStringLiteral(" for these resistances.");
}

NetworkDesign DesignPiNetwork(const Complex& zin, const Complex& zout, double q) {
    return Checked(zin, zout, q, [](double rin, double rout, double q) {
        const double q3Squared = (rout / rin) * (q * q + 1) - 1;
        if (!(q3Squared > 0))
            return QTooLow(PiMinimumQ(rin, rout), q);
        const double x3 = rout / std::sqrt(q3Squared);
        return Elements(rin / q, (q * rin + rin * rout / x3) / (q * q + 1), x3);
    });
}

NetworkDesign DesignTNetwork(const Complex& zin, const Complex& zout, double q) {
    return Checked(zin, zout, q, [](double rin, double rout, double q) {
        const double rv = rin * (1 + q * q);
        if (!(rv > rout))
            return QTooLow(TMinimumQ(rin, rout), q);
        const double q3 = std::sqrt(rv / rout - 1);
        return Elements(q * rin, rv / (q + q3), q3 * rout);
    });
}
