#include "core/calc/numbertext.h"

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Checks the whole text against the number syntax and, when it matches,
// returns it rewritten with '.' as separator for the conversion.
bool Normalise(const QString& text, QByteArray& out) {
    const QString separator = DecimalSeparator();
    int begin = 0;
    int end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    if (begin == end)
        return false;

    out.clear();
    int i = begin;
    if (text[i] == u'+' || text[i] == u'-')
        out.append(char(text[i++].unicode()));
    int mantissaDigits = 0;
    while (i < end && IsDigit(text[i])) {
        out.append(char(text[i++].unicode()));
        ++mantissaDigits;
    }
    if (i < end && QStringView(text).mid(i, separator.size()) == separator) {
        out.append('.');
        i += separator.size();
        while (i < end && IsDigit(text[i])) {
            out.append(char(text[i++].unicode()));
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        out.append('e');
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            out.append(char(text[i++].unicode()));
        int exponentDigits = 0;
        while (i < end && IsDigit(text[i])) {
            out.append(char(text[i++].unicode()));
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == end;
}

// Locale-independent conversion of a normalised text. A value beyond the
// range of a double is not a number; one that underflows becomes 0.
bool Convert(const QByteArray& normalised, double& value) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    char* end = nullptr;
    value = strtod_l(normalised.constData(), &end, cLocale);
    if (end != normalised.constData() + normalised.size())
        return false;
    return std::isfinite(value);
}

} // namespace

QString DecimalSeparator() { return QLocale().decimalPoint(); }

bool IsNumber(const QString& text) {
    if (text.isEmpty())
        return true;
    QByteArray normalised;
    double value = 0.0;
    return Normalise(text, normalised) && Convert(normalised, value);
}

double ToNumber(const QString& text) {
    QByteArray normalised;
    double value = 0.0;
    if (text.isEmpty() || !Normalise(text, normalised) || !Convert(normalised, value))
        return 0.0;
    return value;
}

QString FormatGeneral(double value, int precision, int minExponentDigits) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (precision < 1)
        precision = 1;
    if (precision > 17)
        precision = 17;
    if (value == 0.0)
        return QStringLiteral("0");

    // Round to the precision first; the rounded exponent decides the notation.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
    const QByteArray scientific(buffer);
    const int ePos = scientific.indexOf('e');
    const bool negative = scientific.startsWith('-');
    QByteArray digits = scientific.left(ePos);
    digits.remove(0, negative ? 1 : 0);
    digits.replace(".", "");
    const int exponent = scientific.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    const QString separator = DecimalSeparator();
    QString result = negative ? QStringLiteral("-") : QString();
    if (exponent < precision && exponent >= -5) {
        if (exponent >= 0) {
            const int integerDigits = exponent + 1;
            QByteArray integerPart = digits.left(integerDigits);
            while (integerPart.size() < integerDigits)
                integerPart.append('0');
            result += QString::fromLatin1(integerPart);
            if (digits.size() > integerDigits)
                result += separator + QString::fromLatin1(digits.mid(integerDigits));
        } else {
            result += QStringLiteral("0") + separator +
                      QString(-exponent - 1, u'0') + QString::fromLatin1(digits);
        }
        return result;
    }

    result += QChar(digits[0]);
    if (digits.size() > 1)
        result += separator + QString::fromLatin1(digits.mid(1));
    result += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    QString exponentText = QString::number(std::abs(exponent));
    while (exponentText.size() < minExponentDigits)
        exponentText.prepend(u'0');
    return result + exponentText;
}
