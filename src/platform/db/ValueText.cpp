#include "ValueText.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

QString numberText(double value)
{
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

double roundedNumber(double value)
{
    // From 2^52 on a double holds no fraction to round.
    if (!std::isfinite(value) || std::fabs(value) >= 4503599627370496.0)
        return value;
    // The decimal digits, as SQL's round() takes them; adding 0 turns -0 into 0.
    return QString::number(value, 'f', ComputedPlaces).toDouble() + 0.0;
}

QString roundedSql(const QString &expression)
{
    return QStringLiteral("round(%1,%2)").arg(expression).arg(ComputedPlaces);
}

bool isNumberValue(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

QString valueText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    const int type = value.metaType().id();
    if (isNumberValue(value))
        return type == QMetaType::Double || type == QMetaType::Float ? numberText(value.toDouble()) : value.toString();
    switch (type) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("是") : QStringLiteral("否");
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.date().toString(QStringLiteral("yyyy-MM-dd"));
        return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}
