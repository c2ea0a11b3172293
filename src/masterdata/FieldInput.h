#pragma once

#include "platform/db/ResultTable.h"

#include <QString>
#include <QVector>

// One item of a code-name list: its code and its text "code-name".
struct CodeItem {
    QString code;
    QString text;
};

// Codes typed or chosen from "code-name" items over a master table (the
// combo itself is CodeCombo), and typed numbers.

// The rows of a two-column result (code, name) as "code-name" items.
QVector<CodeItem> codeItems(const ResultPtr &rows);
// The code a typed text names on a list of "code-name" items, the one
// reading of typed codes everywhere: the text, trimmed, when it is a code on
// the list (as the tables compare codes, sameCode), spelt as the list
// spells it; else the code of the item whose text it is; else the text
// before its first "-" (all of it when it holds none), spelt as the list
// spells it when it is on the list. Whether that code exists is for the
// caller to check.
QString codeOfText(const QString &text, const QVector<CodeItem> &items);

// The code of an item that a box, combo or cell shows because it was loaded
// or chosen, kept with the text that shows it: while that text stands, it
// stands for this code, however the typed-code rule would read it ("S-1"
// shown for storage S named "1" stays S with a storage S-1 on file). Once
// the clerk types, the holder lets it go (a default HeldCode holds nothing),
// and a text that differs was typed: either is read by codeOfText. The code
// held may be empty: the text then names no code (a storage name without
// its code).
class HeldCode
{
public:
    void hold(const QString &code, const QString &text);
    bool holds(const QString &text) const;
    QString code() const { return m_code; }
    // The held code while text stands, else codeOfText(text, items).
    QString codeOf(const QString &text, const QVector<CodeItem> &items) const;

private:
    QString m_code;
    QString m_text; // null: nothing held
};

enum class NumberInput { Ok, NotANumber, OutOfRange };
// The one reading of a typed number: after trimming, a plain decimal (an
// optional sign, digits with at most one point: "12", "-2.5", ".5", "3.")
// that the program keeps as typed: at most 6 decimals and at most 15
// significant digits (the whole digits from the first that is not zero,
// then the decimals up to the last that is not zero: below 10^15, and
// 0.000001 at the least). Exponents, "5x", "1,000" and empty text are not
// numbers; more digits (1.0000004, 0.0000001, 10^15 and more written out)
// are out of range. value may be null.
NumberInput readPlainNumber(const QString &text, double *value);
