#pragma once

#include "core/calc/complexvalue.h"

#include <QString>
#include <QTest>

#include <algorithm>
#include <cmath>

// Whether a computed value is the worked one: equal (an infinity too), or
// within `relative` of it, or within `absolute` of it near zero.
inline bool Close(double actual, double expected, double relative = 1e-9, double absolute = 0) {
    return actual == expected ||
           std::abs(actual - expected) <= std::max(relative * std::abs(expected), absolute);
}

inline bool Close(const Complex& actual, const Complex& expected, double relative = 1e-9,
                  double absolute = 0) {
    return Close(actual.re, expected.re, relative, absolute) &&
           Close(actual.im, expected.im, relative, absolute);
}

inline QString BothValues(double actual, double expected) {
    return QStringLiteral("%1, worked %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17);
}
inline QString BothValues(const Complex& actual, const Complex& expected) {
    return BothValues(actual.re, expected.re) + QStringLiteral(" and j") +
           BothValues(actual.im, expected.im);
}

// Close(actual, expected[, relative[, absolute]]), showing both values in
// full when it fails.
#define QVERIFY_CLOSE(actual, expected, ...)                                                       \
    QVERIFY2(Close(actual, expected, ##__VA_ARGS__), qPrintable(BothValues(actual, expected)))
