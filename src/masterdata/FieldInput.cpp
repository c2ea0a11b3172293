#include "FieldInput.h"

#include "core/GenFunc.h"

#include <QComboBox>
#include <QLocale>
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

QString comboCode(const QComboBox *combo)
{
    const QString text = combo->currentText();
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current) == text)
        return combo->itemData(current).toString();
    const int match = combo->findText(text, Qt::MatchExactly);
    if (match >= 0)
        return combo->itemData(match).toString();
    if (!text.contains(QLatin1Char('-')))
        return text.trimmed();
    return getBetween(text, QString(), QStringLiteral("-")).trimmed();
}

NumberInput readPlainNumber(const QString &text, double *value)
{
    static const QRegularExpression plain(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString t = text.trimmed();
    if (!plain.match(t).hasMatch())
        return NumberInput::NotANumber;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return NumberInput::OutOfRange;
    *value = v;
    return NumberInput::Ok;
}
