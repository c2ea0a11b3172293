#include "CodeKey.h"

namespace {

char16_t folded(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

} // namespace

QString codeKey(const QString &code)
{
    QString key = code;
    for (QChar &c : key)
        c = QChar(folded(c.unicode()));
    return key;
}

bool sameCode(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (folded(a[i].unicode()) != folded(b[i].unicode()))
            return false;
    return true;
}
