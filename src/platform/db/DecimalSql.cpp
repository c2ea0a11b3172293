#include "DecimalSql.h"

#include "Decimal.h"

namespace decimalsql {
namespace {

// An expression's whole millionths, as an integer.
QString wholeMillionths(const QString &expression)
{
    return QStringLiteral("cast(round(%1*1000000,0) as bigint)").arg(expression);
}

QString fromMillionths(const QString &integer)
{
    return QStringLiteral("cast(%1 as float)/1000000").arg(integer);
}

} // namespace

QString addTo(const QString &column)
{
    return QStringLiteral("%1=(round(%1*1000000,0)+?)/1000000.0").arg(column);
}

QVariant millionths(double value)
{
    long long whole = 0;
    // Beyond 64 bits of millionths (9.2 × 10^12) the nearest double will do.
    if (!decimal::toMillionths(value, &whole))
        return QVariant(value * 1000000);
    return QVariant(qlonglong(whole));
}

QString sum(const QString &expression)
{
    return fromMillionths(QStringLiteral("Sum(%1)").arg(wholeMillionths(expression)));
}

QString sumDifference(const QString &left, const QString &right)
{
    return fromMillionths(
        QStringLiteral("Sum(%1)-Sum(%2)").arg(wholeMillionths(left), wholeMillionths(right)));
}

} // namespace decimalsql
