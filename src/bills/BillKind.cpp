#include "BillKind.h"

#include "platform/db/CodeKey.h"

#include <QHash>

QVector<int> keptLines(const QStringList &storedCodes, const QStringList &codes)
{
    QHash<QString, QVector<int>> linesOf; // goods → its stored lines, in order
    for (int i = 0; i < storedCodes.size(); ++i)
        linesOf[codeKey(storedCodes[i].trimmed())].append(i);
    QHash<QString, int> taken;
    QVector<int> kept;
    for (const QString &code : codes) {
        const QString goods = codeKey(code.trimmed());
        const QVector<int> stored = linesOf.value(goods);
        int &next = taken[goods];
        kept.append(!goods.isEmpty() && next < stored.size() ? stored[next++] : -1);
    }
    return kept;
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
