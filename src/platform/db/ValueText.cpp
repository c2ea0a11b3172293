#include "ValueText.h"

#include <QDate>
#include <QDateTime>

#include "Decimal.h"

#include <cmath>

namespace {

// A number cut to 15 significant digits on its decimal value (its shortest
// text), rounding half away from zero, as written without exponent: its
// digits without the zeros that close them, and the power of ten of the
// first (0.0125: "125", -2).
struct Significant {
    char digits[20];
    int count = 0;
    int power = 0;
    bool negative = false;
};

Significant significant(double value)
{
    const decimal::Decimal d = decimal::toDigits(decimal::of(value));
    Significant s;
    s.negative = d.digits < 0;
    // At most 16 digits (a carry past the 15th): they fit in 64 bits.
    long long m = (long long)(s.negative ? -d.digits : d.digits);
    int exponent = d.exponent;
    for (; m % 10 == 0 && m > 0; m /= 10)
        ++exponent;
    char buf[20];
    int n = 0;
    for (; m > 0; m /= 10)
        buf[n++] = char('0' + m % 10);
    for (int i = 0; i < n; ++i)
        s.digits[i] = buf[n - 1 - i];
    s.count = n;
    s.power = exponent + n - 1;
    return s;
}

// The length of a number written as its digits (no zeros closing them), the
// power of ten of the first digit and its sign.
int plainLength(int count, int power, bool negative)
{
    const int whole = power + 1; // digits before the point; 0 or less below 1
    const int length = whole <= 0 ? 2 - whole + count : count > whole ? count + 1 : whole;
    return length + (negative ? 1 : 0);
}

} // namespace

QString numberText(double value)
{
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    const Significant s = significant(value);
    QString text;
    text.reserve(plainLength(s.count, s.power, s.negative));
    if (s.negative)
        text += QLatin1Char('-');
    const int whole = s.power + 1;
    if (whole <= 0) {
        text += QStringLiteral("0.");
        text += QString(-whole, QLatin1Char('0'));
        text += QLatin1String(s.digits, s.count);
    } else if (s.count > whole) {
        text += QLatin1String(s.digits, whole);
        text += QLatin1Char('.');
        text += QLatin1String(s.digits + whole, s.count - whole);
    } else {
        text += QLatin1String(s.digits, s.count);
        text += QString(whole - s.count, QLatin1Char('0'));
    }
    return text;
}

int numberTextLength(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return int(numberText(value).size());
    const Significant s = significant(value);
    return plainLength(s.count, s.power, s.negative);
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
