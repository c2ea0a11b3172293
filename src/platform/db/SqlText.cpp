#include "SqlText.h"

#include "DbError.h"

int markerCount(const QString &sql)
{
    int count = 0;
    QChar quote;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('[')) {
            quote = QLatin1Char(']');
        } else if (c == QLatin1Char('?')) {
            ++count;
        }
    }
    return count;
}

SqlText::SqlText(QString sql, QVariantList markerValues) : text(std::move(sql)), values(std::move(markerValues))
{
    if (markerCount(text) != values.size())
        throw DbError(QStringLiteral("语句的标记与值的个数不符（%1 个值）").arg(values.size()), text);
}

SqlText SqlText::operator+(const SqlText &other) const
{
    SqlText joined;
    joined.text = text + other.text;
    joined.values = values + other.values;
    return joined;
}
