#include "GenFunc.h"

#include "platform/db/Database.h"

QString getBetween(const QString &text, const QString &startMark, const QString &endMark)
{
    if (text.isEmpty())
        return QString();
    const qsizetype start = startMark.isEmpty() ? 0 : text.indexOf(startMark);
    if (start < 0)
        return QString();
    const qsizetype s = start + startMark.size();
    qsizetype e = text.size();
    if (!endMark.isEmpty()) {
        e = text.indexOf(endMark, s);
        if (e < 0)
            return QString();
    }
    return text.mid(s, e - s);
}

void writeOperatorLog(Database &db, const QString &operatorId, const QDateTime &when,
                      const QString &operation)
{
    // On its own (sign-in, exit) the entry is a transaction of its own, so
    // it waits for another desk's save like every other write.
    Transaction t(db);
    db.exec(QStringLiteral("insert into OperatorLog(OperatorLogID,OperatorID,OperateDate,Operation) "
                           "select coalesce(max(OperatorLogID),0)+1,?,?,? from OperatorLog"),
            {operatorId, when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), operation});
    t.commit();
}
