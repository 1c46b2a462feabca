#pragma once

#include <QString>

// Number texts as the user types them: optional sign, digits with the decimal
// separator of the user's locale, optional exponent ("2.2E3"), blanks around
// the number allowed. The empty text is a valid number with the value 0.
bool IsNumber(const QString& text);
// The value of a text; 0 for the empty text or a text that is not a number.
double ToNumber(const QString& text);

// General format: fixed notation while the value has no more integer digits
// than the precision and is at least 0.00001 in magnitude (or 0), scientific
// notation otherwise ("1.5E-07"); trailing zeros are dropped. The exponent
// has at least minExponentDigits digits.
QString FormatGeneral(double value, int precision, int minExponentDigits);

// The decimal separator of the user's locale.
QString DecimalSeparator();
