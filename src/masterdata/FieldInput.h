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
// The code the combo's text stands for: the code of the item whose text it
// is (so a code holding "-" survives), otherwise the typed text before the
// first "-" (all of it when it holds none), trimmed.
QString comboCode(const QComboBox *combo);

enum class NumberInput { Ok, NotANumber, OutOfRange };
// A plain decimal number after trimming: optional sign, digits with at most
// one point, optional exponent ("12", "-2.5", ".5", "1e3"). An empty text
// is not a number.
NumberInput readPlainNumber(const QString &text, double *value);
