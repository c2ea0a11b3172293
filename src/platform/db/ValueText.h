#pragma once

#include <QString>
#include <QVariant>

// The one conversion from a stored value to the text shown in grids, reports
// and editors: null as empty text, numbers in their shortest form (1500,
// 12.5, 0.3; at most 15 significant digits), booleans as 是/否, dates as
// yyyy-MM-dd (with the time when it is not midnight), texts as stored.
QString valueText(const QVariant &value);

// Whether the value is a number (of any integer or floating-point type).
bool isNumberValue(const QVariant &value);

// A number in its shortest form, as above, written as a plain decimal, never
// with an exponent (0.00005, 3000000000000000), so that every number shown
// reads back as a typed number. A number of more digits is cut to 15 on its
// decimal value, rounding half away from zero (decimal::figure():
// 1234567890.123405 shows 1234567890.12341).
QString numberText(double value);
// The length of numberText(value), found without writing the text.
int numberTextLength(double value);
