#include "ValueText.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <cmath>

QString numberText(double value)
{
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

int numberTextLength(double value)
{
    const double a = std::fabs(value);
    if (a == 0.0 || std::isnan(a))
        return 1;
    // Written with an exponent below 1e-4 and from 1e15 on.
    if (!(a >= 1e-4 && a < 1e15))
        return int(numberText(value).size());
    static const double tens[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
    const auto ten = [](int power) { return tens[power + 4]; };
    // The digits before the point (0 or less below 1): a lies in [2^(b-1), 2^b).
    int b = 0;
    std::frexp(a, &b);
    int digits = int(std::floor((b - 1) * 0.30102999566398120)) + 1;
    if (a >= ten(digits))
        ++digits;
    // The fifteen significant digits as one whole number, rounded as printing
    // rounds them (on the exact product: fma gives its rounding error), then
    // its trailing zeros.
    const double scaled = a * ten(15 - digits);
    const double whole = std::floor(scaled);
    qint64 m = qint64(whole) + ((scaled - whole) + std::fma(a, ten(15 - digits), -scaled) >= 0.5 ? 1 : 0);
    if (m >= qint64(1e15)) { // rounded up to one more digit
        if (++digits > 15)
            return int(numberText(value).size());
        m /= 10;
    }
    int zeros = 0;
    for (; m % 10000 == 0; m /= 10000)
        zeros += 4;
    for (; m % 10 == 0; m /= 10)
        ++zeros;
    const int decimals = std::max(0, 15 - digits - zeros);
    return (value < 0 ? 1 : 0) + std::max(digits, 1) + (decimals > 0 ? decimals + 1 : 0);
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
