#include "FieldInput.h"

#include "platform/db/CodeKey.h"

#include <QRegularExpression>

#include <cmath>

QVector<CodeItem> codeItems(const ResultPtr &rows)
{
    QVector<CodeItem> items;
    for (int r = 0; r < rows->rowCount(); ++r)
        items.append(CodeItem{rows->text(r, 0), rows->text(r, 0) + QLatin1Char('-') + rows->text(r, 1)});
    return items;
}

QString codeOfText(const QString &text, const QVector<CodeItem> &items)
{
    const auto listed = [&items](const QString &code) {
        for (const CodeItem &item : items)
            if (sameCode(item.code, code))
                return item.code;
        return code;
    };
    const QString t = text.trimmed();
    for (const CodeItem &item : items)
        if (sameCode(item.code, t))
            return item.code;
    for (const CodeItem &item : items)
        if (item.text == t)
            return item.code;
    return listed(t.section(QLatin1Char('-'), 0, 0).trimmed());
}

void HeldCode::hold(const QString &code, const QString &text)
{
    m_code = code;
    m_text = text.isNull() ? QStringLiteral("") : text;
}

bool HeldCode::holds(const QString &text) const
{
    return !m_text.isNull() && text.trimmed() == m_text.trimmed();
}

QString HeldCode::codeOf(const QString &text, const QVector<CodeItem> &items) const
{
    return holds(text) ? m_code : codeOfText(text, items);
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
