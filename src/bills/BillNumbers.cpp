#include "BillNumbers.h"

#include "masterdata/FieldInput.h"
#include "platform/db/Decimal.h"
#include "platform/db/ValueText.h"

#include <cmath>

namespace billnum {

double val(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar ch : text) {
        if (ch != QLatin1Char(' ') && ch != QLatin1Char('\t') && ch != QLatin1Char('\n') && ch != QLatin1Char('\r'))
            s += ch;
    }
    if (s.startsWith(QLatin1Char('&')) && s.size() > 1) {
        const QChar kind = s.at(1).toUpper();
        const int base = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
        if (base) {
            qint64 n = 0;
            for (int i = 2; i < s.size(); ++i) {
                const int d = s.at(i).isDigit() ? s.at(i).digitValue()
                              : base == 16 && s.at(i).toUpper() >= QLatin1Char('A') && s.at(i).toUpper() <= QLatin1Char('F')
                                  ? s.at(i).toUpper().unicode() - 'A' + 10
                                  : -1;
                if (d < 0 || d >= base)
                    break;
                n = n * base + d;
            }
            return double(n);
        }
    }
    int i = 0;
    const int n = int(s.size());
    QString number;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        number += s[i++];
    bool digits = false, point = false;
    while (i < n && (s[i].isDigit() || (s[i] == QLatin1Char('.') && !point))) {
        if (s[i] == QLatin1Char('.'))
            point = true;
        else
            digits = true;
        number += s[i++];
    }
    if (!digits)
        return 0;
    if (i < n && (s[i].toUpper() == QLatin1Char('E') || s[i].toUpper() == QLatin1Char('D'))) {
        QString exp = QStringLiteral("e");
        int j = i + 1;
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exp += s[j++];
        bool expDigits = false;
        while (j < n && s[j].isDigit()) {
            exp += s[j++];
            expDigits = true;
        }
        if (expDigits)
            number += exp;
    }
    const double v = number.toDouble();
    return std::isfinite(v) ? v : 0;
}

bool strictNumber(const QString &text, double *value)
{
    return readPlainNumber(text, value) == NumberInput::Ok;
}

double lineAmount(double qty, double price)
{
    return decimal::product(qty, price);
}

QString amountText(double value)
{
    const QString digits = numberText(std::fabs(value));
    return (value < 0 && digits != QLatin1String("0") ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

QString balanceText(double value)
{
    QString digits = numberText(std::fabs(value));
    if (digits.startsWith(QStringLiteral("0.")))
        digits.remove(0, 1);
    return (value < 0 && digits != QLatin1String("0") ? QStringLiteral("-") : QString()) + digits;
}

} // namespace billnum
