#pragma once

#include <QString>

class Database;

// The stored password of an operator, or an empty text when there is no
// such operator. Throws DbError.
QString storedPassword(const Database &db, const QString &operatorId);

// Stores a new password (as given) for the operator. Throws DbError.
void setPassword(Database &db, const QString &operatorId, const QString &password);
