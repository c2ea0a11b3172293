#pragma once

#include <QDateTime>
#include <QString>

class Database;

// The text between startMark and endMark: an empty startMark means from the
// beginning, an empty endMark to the end; an empty text when a mark is not
// found. getBetween("A01-仓库", "", "-") gives "A01".
QString getBetween(const QString &text, const QString &startMark, const QString &endMark);

// Appends one entry to the operation log, numbered one above the highest
// number present. Throws DbError.
void writeOperatorLog(Database &db, const QString &operatorId, const QDateTime &when,
                      const QString &operation);
