#include "Settings.h"

QString billColorSetting(const QString &iniValue)
{
    bool ok = false;
    const qint64 n = iniValue.trimmed().toLongLong(&ok);
    if (!ok || n < -2147483648LL || n > 0xFFFFFFFFLL)
        return QString::fromLatin1(DefaultBillColor);
    return iniValue.trimmed();
}

int idByteSetting(const QString &iniValue)
{
    bool ok = false;
    const int n = iniValue.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= 18 ? n : DefaultIdByte;
}
