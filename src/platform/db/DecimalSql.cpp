#include "DecimalSql.h"

#include "Decimal.h"

namespace decimalsql {

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

} // namespace decimalsql
