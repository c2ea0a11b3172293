#include "Passwords.h"

#include "platform/db/Database.h"

QString storedPassword(const Database &db, const QString &operatorId)
{
    return db.scalar(QStringLiteral("select UserPassword from Operator where OperatorID=?"), {operatorId}).toString();
}

void setPassword(Database &db, const QString &operatorId, const QString &password)
{
    // A write like every other: it waits for another desk's save.
    Transaction t(db);
    db.exec(QStringLiteral("update Operator set UserPassword=? where OperatorID=?"), {password, operatorId});
    t.commit();
}
