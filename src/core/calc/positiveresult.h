#pragma once

#include "core/calc/solved.h"

// A result that the arithmetic makes greater than 0 for the inputs it was
// given (the reactance of a capacitor, a resonant frequency). It comes out as
// 0 only when an intermediate value left the range of a double on extreme
// inputs, for example a product that overflowed and was then divided into 1;
// that 0 would be shown as an answer although it is none.
inline Solved PositiveResult(double value) {
    if (!(value > 0))
        return Failure(NoSolutionMessage());
    return Success(Complex(value));
}
