#include "core/calc/wavelength.h"

Solved LengthOfFrequency(double constant, double hertz) {
    const double megahertz = hertz * 0.000001;
    if (!(megahertz > 0))
        return Failure(QStringLiteral("Error: Invalid frequency."));
    return Success(constant / megahertz);
}

Solved FrequencyOfLength(double constant, double metres, const QString& lengthName) {
    if (metres == 0)
        return Failure(QStringLiteral("Error: Value for ") + lengthName +
                       QStringLiteral(" cannot be zero."));
    return Success(constant / metres * 1000000.0);
}
