#include "FieldInput.h"

#include <QComboBox>
#include <QRegularExpression>

#include <cmath>

void makeCodeCombo(QComboBox *combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
}

QVector<CodeItem> codeItems(const ResultPtr &rows)
{
    QVector<CodeItem> items;
    for (int r = 0; r < rows->rowCount(); ++r)
        items.append(CodeItem{rows->text(r, 0), rows->text(r, 0) + QLatin1Char('-') + rows->text(r, 1)});
    return items;
}

void fillCodeCombo(QComboBox *combo, const ResultPtr &rows)
{
    fillCodeCombo(combo, codeItems(rows));
}

void fillCodeCombo(QComboBox *combo, const QVector<CodeItem> &items)
{
    combo->clear();
    for (const CodeItem &i : items)
        combo->addItem(i.text, i.code);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

void showCode(QComboBox *combo, const QString &code, const QVariant &name)
{
    combo->setEditText(name.isNull() ? code : code + QLatin1Char('-') + name.toString());
}

QString codeOfText(const QString &text, const QVector<CodeItem> &items)
{
    const auto listed = [&items](const QString &code) {
        for (const CodeItem &item : items)
            if (item.code.compare(code, Qt::CaseInsensitive) == 0)
                return item.code;
        return code;
    };
    const QString t = text.trimmed();
    for (const CodeItem &item : items)
        if (item.code.compare(t, Qt::CaseInsensitive) == 0)
            return item.code;
    for (const CodeItem &item : items)
        if (item.text == t)
            return item.code;
    return listed(t.section(QLatin1Char('-'), 0, 0).trimmed());
}

QString comboCode(const QComboBox *combo)
{
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current) == combo->currentText())
        return combo->itemData(current).toString();
    QVector<CodeItem> items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(CodeItem{combo->itemData(i).toString(), combo->itemText(i)});
    return codeOfText(combo->currentText(), items);
}

NumberInput readPlainNumber(const QString &text, double *value)
{
    static const QRegularExpression plain(QStringLiteral("^[+-]?([0-9]*)(?:\\.([0-9]*))?$"));
    const QString t = text.trimmed();
    const QRegularExpressionMatch m = plain.match(t);
    if (!m.hasMatch() || m.capturedLength(1) + m.capturedLength(2) == 0)
        return NumberInput::NotANumber;
    // The significant digits run from the first digit that is not zero to
    // the last (3000000000000000 has one, as has 0.00005).
    const QString digits = m.captured(1) + m.captured(2);
    const qsizetype first = digits.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    const qsizetype last = digits.lastIndexOf(QRegularExpression(QStringLiteral("[1-9]")));
    const double v = t.toDouble();
    if ((first >= 0 && last - first + 1 > 15) || !std::isfinite(v))
        return NumberInput::OutOfRange;
    if (value)
        *value = v;
    return NumberInput::Ok;
}
