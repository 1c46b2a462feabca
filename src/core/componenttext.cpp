#include "core/componenttext.h"

#include "core/calc/componentvalue.h"
#include "core/calc/numbertext.h"

#include <QStringList>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct Unit {
    int exponent; // the unit is 10^exponent base units
    const char16_t* symbol;
};

// Every kind's units from the smallest.
struct UnitList {
    const Unit* units;
    int count;
};

UnitList UnitsOf(PartKind kind) {
    static const Unit resistance[] = {{0, u"Ω"}, {3, u"kΩ"}, {6, u"MΩ"}};
    static const Unit capacitance[] = {{-12, u"pF"}, {-9, u"nF"}, {-6, u"µF"}, {0, u"F"}};
    static const Unit inductance[] = {{-9, u"nH"}, {-6, u"µH"}, {-3, u"mH"}, {0, u"H"}};
    switch (kind) {
    case PartKind::Capacitor:
        return {capacitance, 4};
    case PartKind::Inductor:
        return {inductance, 4};
    case PartKind::Resistor:
        break;
    }
    return {resistance, 3};
}

// The largest unit whose exponent is at most the given decade, else the smallest.
const Unit& UnitForDecade(PartKind kind, int decade) {
    const UnitList list = UnitsOf(kind);
    int chosen = 0;
    for (int i = 1; i < list.count; ++i) {
        if (list.units[i].exponent <= decade)
            chosen = i;
    }
    return list.units[chosen];
}

QString WithUnit(const QString& number, const Unit& unit) {
    return number + u' ' + QString::fromUtf16(unit.symbol);
}

// The value rounded to `precision` significant digits, so that the unit is
// chosen for what is shown: 999.9999999 pF at 8 digits is 1 nF.
double Rounded(double value, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
    return std::strtod(buffer, nullptr);
}

// The digits of a standard part placed around the decimal separator:
// `digits` significant digits of the hundredths, `integerDigits` of them (or
// zeros) before the separator.
QString PlaceDigits(int hundredths, int digits, int integerDigits) {
    QString significant = QString::number(hundredths).left(digits);
    if (integerDigits <= 0)
        return QStringLiteral("0") + DecimalSeparator() + QString(-integerDigits, u'0') +
               significant;
    if (integerDigits >= significant.size())
        return significant + QString(integerDigits - significant.size(), u'0');
    return significant.left(integerDigits) + DecimalSeparator() + significant.mid(integerDigits);
}

} // namespace

QString PartSymbol(PartKind kind) {
    switch (kind) {
    case PartKind::Capacitor:
        return QStringLiteral("C");
    case PartKind::Inductor:
        return QStringLiteral("L");
    case PartKind::Resistor:
        break;
    }
    return QStringLiteral("R");
}

QString PartValueText(double value, PartKind kind, int precision) {
    precision = qBound(1, precision, 17);
    const double shown = Rounded(value, precision);
    const int decade =
        shown == 0 || !std::isfinite(shown) ? 0 : int(std::floor(std::log10(std::abs(shown))));
    const Unit& unit = UnitForDecade(kind, decade);
    // Scaling by an exact power of ten keeps the rounded digits.
    const double scale = std::pow(10.0, std::abs(unit.exponent));
    const double inUnit = unit.exponent <= 0 ? shown * scale : shown / scale;
    return WithUnit(FormatGeneral(inUnit, precision, 2), unit);
}

QString PartEquationText(double value, PartKind kind, int precision) {
    return PartSymbol(kind) + QStringLiteral(" = ") + PartValueText(value, kind, precision);
}

QString StandardPartText(const StandardPart& part, PartKind kind, ESeries series) {
    const Unit& unit = UnitForDecade(kind, part.decade);
    return WithUnit(
        PlaceDigits(part.hundredths, ESeriesDigits(series), part.decade - unit.exponent + 1), unit);
}

QString RelativeErrorText(double error) {
    const double tenths = std::round(error * 1000.0);
    if (tenths == 0)
        return QStringLiteral("0 %");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", std::abs(tenths) / 10.0);
    QString number = QString::fromLatin1(buffer);
    number.replace(u'.', DecimalSeparator());
    return (tenths > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + number +
           QStringLiteral(" %");
}

QString NearestPartText(const NearestPart& nearest, PartKind kind, ESeries series) {
    if (!nearest.ok)
        return QString();
    return ESeriesName(series) + QStringLiteral(": ") +
           StandardPartText(nearest.part, kind, series) + QStringLiteral(" (") +
           RelativeErrorText(nearest.error) + u')';
}

QString PairText(const PartPair& pair, PartKind kind, ESeries series) {
    if (!pair.found)
        return QString();
    const QString joint =
        pair.connection == Connection::Series ? QStringLiteral(" + ") : QStringLiteral(" \u2225 ");
    return StandardPartText(pair.larger, kind, series) + joint +
           StandardPartText(pair.smaller, kind, series) + QStringLiteral(" (") +
           RelativeErrorText(pair.error) + u')';
}

QString StandardPartsText(double value, PartKind kind, ESeries series) {
    QString text = NearestPartText(FindNearestPart(value, series), kind, series);
    const PartPair pair = FindBestPair(value, series, kind);
    if (pair.found)
        text += QStringLiteral("  pair: ") + PairText(pair, kind, series);
    return text;
}

ComponentPieces ComponentLinePieces(const Complex& impedance, double frequency, ESeries series,
                                    int precision) {
    QStringList values;
    if (impedance.re != 0)
        values << PartEquationText(impedance.re, PartKind::Resistor, precision);
    ComponentPieces pieces;
    if (impedance.im != 0) {
        const ComponentValue component = ComponentOfReactance(impedance.im, frequency);
        if (!component.ok)
            return pieces;
        values << PartEquationText(component.value, component.kind, precision);
        pieces.part =
            NearestPartText(FindNearestPart(component.value, series), component.kind, series);
    }
    pieces.value = values.join(QStringLiteral("  "));
    return pieces;
}

QString ComponentPieces::Line() const {
    return part.isEmpty() ? value : value + QStringLiteral("  ") + part;
}

QString ComponentLineText(const Complex& impedance, double frequency, ESeries series,
                          int precision) {
    return ComponentLinePieces(impedance, frequency, series, precision).Line();
}
