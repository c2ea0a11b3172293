#pragma once

#include <QString>

// How bill windows read and write numbers in cells and boxes.
namespace billnum {

// The number a text begins with: blanks, tabs and line feeds anywhere are
// skipped; an optional sign, digits with at most one decimal point, an
// optional exponent (E or D); &H and &O read hexadecimal and octal digits.
// 0 when the text begins with no number ("12kg" → 12, "abc" → 0, "1,000" → 1).
double val(const QString &text);

// True when the text is a plain number by the program's one reading of
// typed numbers (readPlainNumber: "12", " -2.5 ", ".5"; not "5x", "1,000",
// "1e3" or more than 15 significant digits), giving its value.
bool strictNumber(const QString &text, double *value = nullptr);

// A line's amount: the decimal product of quantity and price, rounded as
// every computed number is (decimal::product()).
double lineAmount(double qty, double price);

// An amount as a bill grid shows it: one blank before a number that is zero
// or positive, "-" before a negative one, at most 15 significant digits
// (3 × 2.5 → " 7.5", -20 → "-20").
QString amountText(double value);

// A balance as the voucher windows show it: no leading blank, and no digit
// before the point below 1 (0.5 → ".5", -0.25 → "-.25", 69.5 → "69.5").
QString balanceText(double value);

} // namespace billnum
