#pragma once

#include "core/calc/complexvalue.h"

#include <QString>

// The outcome of one calculator's arithmetic: the value in base units, or
// the message the status bar shows instead.
struct Solved {
    bool ok = false;
    Complex value;
    QString message;
};

// The message of every calculation whose inputs admit no result.
inline QString NoSolutionMessage() {
    return QStringLiteral("Error: No solution.");
}

inline Solved Failure(const QString& message) {
    return Solved{false, Complex(), message};
}

// A value that is not a finite number (an overflow on extreme inputs) is no
// result: it would be stored as "INF" or "NAN".
Solved Success(const Complex& value);

bool IsFinite(const Complex& value);
