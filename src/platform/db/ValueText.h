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

// A number in its shortest form, as above.
QString numberText(double value);
// The length of numberText(value), found without writing the text (at most
// one more where the digit after the fifteenth is an exact tie).
int numberTextLength(double value);

// Every number computed from quantities, prices and amounts (line amounts,
// totals, balances, a count's difference, stock after a bill) is its decimal
// result rounded to this many places before it is kept, compared or shown,
// so that binary fractions never show: 1000.1 - 1000 is .1, not
// .100000000000023. Values typed are kept as typed.
constexpr int ComputedPlaces = 6;
// The rounding in C++; zero comes out as 0, never -0.
double roundedNumber(double value);
// The same rounding in SQL, one spelling for every database kind:
// "round(<expression>,6)".
QString roundedSql(const QString &expression);
