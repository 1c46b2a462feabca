#include "core/text/readingtexts.h"

#include "core/calc/numbertext.h"
#include "core/calc/smith.h"
#include "core/calc/swr.h"

#include <algorithm>
#include <cmath>

namespace {

QString Decibels(double value, int decimals) {
    if (std::isinf(value))
        return QStringLiteral("\u221E dB");
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    text.replace(u'.', DecimalSeparator());
    return text + QStringLiteral(" dB");
}

} // namespace

QString ReadingText(const SwrReading& reading, int precision) {
    const int decimals = std::max(0, precision - 2);
    return QStringLiteral("|\u0393| ") + FormatGeneral(reading.reflection, precision, 2) +
           QStringLiteral("  Return loss ") + Decibels(reading.returnLoss, decimals) +
           QStringLiteral("  Mismatch loss ") + Decibels(reading.mismatchLoss, decimals);
}

QString ChartReadingText(const ChartReading& reading, int precision) {
    const auto number = [precision](double v) {
        if (std::isinf(v))
            return QString(v > 0 ? QStringLiteral("\u221E") : QStringLiteral("-\u221E"));
        return FormatGeneral(v, precision, 2);
    };
    QString z = QStringLiteral("\u221E");
    if (IsFinite(reading.z))
        z = number(reading.z.re) +
            (reading.z.im < 0 ? QStringLiteral(" - j") : QStringLiteral(" + j")) +
            number(std::abs(reading.z.im)) + QStringLiteral(" \u03A9");
    return QStringLiteral("Z = ") + z + QStringLiteral(", \u0393 = ") + number(reading.magnitude) +
           QStringLiteral(" \u2220 ") + number(reading.angle) + QStringLiteral("\u00B0, SWR = ") +
           number(reading.swr);
}
