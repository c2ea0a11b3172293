#include "Passwords.h"

#include "platform/db/Database.h"

QString storedPassword(const Database &db, const QString &operatorId)
{
    return db.scalar(QStringLiteral("select UserPassword from Operator where OperatorID=?"), {operatorId}).toString();
}

void setPassword(Database &db, const QString &operatorId, const QString &password)
{
    db.exec(QStringLiteral("update Operator set UserPassword=? where OperatorID=?"), {password, operatorId});
}
