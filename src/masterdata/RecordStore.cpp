#include "RecordStore.h"

#include "core/GenFunc.h"
#include "platform/db/Database.h"

#include <QDateTime>

bool recordExists(const Database &db, const RecordTable &table, const QString &key)
{
    return db.exists(QStringLiteral("select * from %1 where %2=?").arg(table.table, table.key), {key});
}

QString storedCode(const Database &db, const QString &table, const QString &keyColumn, const QString &code)
{
    if (code.isEmpty())
        return QString();
    const QVariant v = db.scalar(QStringLiteral("select %2 from %1 where %2=?").arg(table, keyColumn), {code});
    return v.isNull() ? QString() : v.toString();
}

bool saveRecord(Database &db, const RecordTable &table, bool insert, const QString &key,
                const QVariantHash &values, const QString &operatorId, const QString &logText)
{
    Transaction tx(db);
    QVariantList params;
    if (insert) {
        params << key;
        for (const QString &c : table.columns) {
            Q_ASSERT(values.contains(c));
            params << values.value(c);
        }
        db.exec(QStringLiteral("insert into %1(%2,%3) values(%4)")
                    .arg(table.table, table.key, table.columns.join(QLatin1Char(',')),
                         Database::placeholders(int(params.size()))),
                params);
    } else {
        QStringList sets;
        for (const QString &c : table.updated) {
            Q_ASSERT(values.contains(c));
            sets << c + QStringLiteral("=?");
            params << values.value(c);
        }
        params << key;
        const qint64 changed = db.exec(QStringLiteral("update %1 set %2 where %3=?")
                                           .arg(table.table, sets.join(QLatin1Char(',')), table.key),
                                       params);
        if (changed == 0)
            return false;
    }
    writeOperatorLog(db, operatorId, QDateTime::currentDateTime(), logText);
    tx.commit();
    return true;
}
