#include "core/calc/solved.h"

#include <cmath>

bool IsFinite(const Complex& value) {
    return std::isfinite(value.re) && std::isfinite(value.im);
}

Solved Success(const Complex& value) {
    if (!IsFinite(value))
        return Failure(NoSolutionMessage());
    return Solved{true, value, QString()};
}
