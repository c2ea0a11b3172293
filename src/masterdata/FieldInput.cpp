#include "FieldInput.h"

#include "platform/db/CodeKey.h"
#include "platform/db/Decimal.h"

#include <QRegularExpression>

#include <algorithm>

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
    static const QRegularExpression plain(QStringLiteral("^[+-]?0*([0-9]*?)(?:\\.([0-9]*?)0*)?$"));
    const QString t = text.trimmed();
    const QRegularExpressionMatch m = plain.match(t);
    if (!m.hasMatch() || std::none_of(t.cbegin(), t.cend(), [](QChar c) { return c.isDigit(); }))
        return NumberInput::NotANumber;
    // The whole digits without the zeros before them, the decimals without
    // the zeros after them; below 1 the zeros after the point do not count.
    const QString whole = m.captured(1), decimals = m.captured(2);
    qsizetype significant = whole.size() + decimals.size();
    if (whole.isEmpty()) {
        qsizetype zeros = 0;
        while (zeros < decimals.size() && decimals[zeros] == QLatin1Char('0'))
            ++zeros;
        significant -= zeros;
    }
    if (decimals.size() > decimal::ComputedPlaces || significant > decimal::FigureDigits)
        return NumberInput::OutOfRange;
    if (value)
        *value = t.toDouble();
    return NumberInput::Ok;
}
