#pragma once

#include "ResultTable.h"
#include "Select.h"

#include <QVariantList>

struct sqlite3;
class QSqlDatabase;

// Statements on the embedded database, run on the SQLite handle that the Qt
// driver opened. Reading rows this way skips the driver's per-value
// bookkeeping, which costs more than the query itself on long lists.
namespace sqlitedirect {

sqlite3 *handleOf(const QSqlDatabase &db);

ResultPtr query(sqlite3 *db, const Select &select, const QVariantList &params);
// The first field of the first row (null when there is none), and whether
// there was a row.
QVariant scalar(sqlite3 *db, const QString &sql, const QVariantList &params, bool *found = nullptr);
qint64 exec(sqlite3 *db, const QString &sql, const QVariantList &params);

} // namespace sqlitedirect
