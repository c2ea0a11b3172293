#include "BillKind.h"

#include "core/GenFunc.h"

QString codeOfText(const QString &text, const QVector<CodeItem> &items)
{
    const QString t = text.trimmed();
    for (const CodeItem &item : items)
        if (item.text == t)
            return item.code;
    // A typed code ("S01") is the code itself.
    if (!t.contains(QLatin1Char('-')))
        return t;
    return getBetween(t, QString(), QStringLiteral("-")).trimmed();
}

QString BillKind::headQuery() const
{
    QStringList select, joins;
    for (const HeaderField &f : fields) {
        const QString column = f.kind == FieldKind::Number ? numberColumn : f.column;
        if (column.isEmpty())
            continue;
        select << QStringLiteral("A.%1 as %2").arg(column, f.loadAlias);
        if (f.masterTable.isEmpty())
            continue;
        const QString j = QStringLiteral("J%1").arg(joins.size() + 1);
        select << QStringLiteral("%1.%2 as %3").arg(j, f.masterName, f.loadNameAlias);
        joins << QStringLiteral("left join %1 as %2 on %2.%3=A.%4").arg(f.masterTable, j, f.masterId, column);
    }
    return QStringLiteral("select %1 from %2 as A %3 where A.%4=?")
        .arg(select.join(QLatin1Char(',')), headTable, joins.join(QLatin1Char(' ')), numberColumn);
}
