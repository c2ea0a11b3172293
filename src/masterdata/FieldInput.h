#pragma once

#include "platform/db/ResultTable.h"

#include <QString>
#include <QVector>

class QComboBox;

// One item of a code-name list: its code and its text "code-name".
struct CodeItem {
    QString code;
    QString text;
};

// Combos of "code-name" items over a master table, and typed numbers.

// Editable, no item added by typing, no completion.
void makeCodeCombo(QComboBox *combo);
// One item per row: its text the first field, "-" and the second; its data
// the first field (the code).
void fillCodeCombo(QComboBox *combo, const ResultPtr &rows);
// The rows of a two-column result (code, name) as "code-name" items.
QVector<CodeItem> codeItems(const ResultPtr &rows);
// The same from items; nothing is chosen and the text is empty afterwards.
void fillCodeCombo(QComboBox *combo, const QVector<CodeItem> &items);
// Shows a stored code with its name ("T1-五金"), or the code alone when it
// has no name (it names no row).
void showCode(QComboBox *combo, const QString &code, const QVariant &name);
// The code a typed text names on a list of "code-name" items, the one
// reading of typed codes everywhere: the text, trimmed, when it is a code on
// the list (case aside, as the tables compare codes), spelt as the list
// spells it; else the code of the item whose text it is; else the text
// before its first "-" (all of it when it holds none), spelt as the list
// spells it when it is on the list. Whether that code exists is for the
// caller to check.
QString codeOfText(const QString &text, const QVector<CodeItem> &items);
// The code the combo's text stands for: the chosen item's own code (so a
// code holding "-" survives), otherwise codeOfText over the combo's items.
QString comboCode(const QComboBox *combo);

enum class NumberInput { Ok, NotANumber, OutOfRange };
// The one reading of a typed number: after trimming, a plain decimal (an
// optional sign, digits with at most one point: "12", "-2.5", ".5", "3.")
// of at most 15 significant digits (from the first digit that is not zero
// to the last, so every number the program shows reads back). Exponents,
// "5x", "1,000" and empty text are not numbers; more digits are out of
// range. value may be null.
NumberInput readPlainNumber(const QString &text, double *value);
