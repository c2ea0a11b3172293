#pragma once

#include <QString>
#include <QStringList>
#include <QVariantHash>

class Database;

// The columns a record editor writes. Table and column names are constants
// of the program; every value is bound.
struct RecordTable {
    QString table;
    QString key;          // the key column, written by an insert only
    QStringList columns;  // the other columns an insert writes
    QStringList updated;  // the columns an update rewrites
};

// Whether a record with this key exists (the database's own comparison, so
// "a01" finds "A01"). Throws DbError.
bool recordExists(const Database &db, const RecordTable &table, const QString &key);

// The stored code of the row of table whose keyColumn equals code, or a null
// text when there is none (or code is empty). Throws DbError.
QString storedCode(const Database &db, const QString &table, const QString &keyColumn, const QString &code);

// Inserts (insert = true) or updates the record with this key from values
// (column name -> value) and appends logText to the operation log, all in
// one transaction. Gives false, writing nothing, when an update finds no
// record. Throws DbError, with nothing written.
bool saveRecord(Database &db, const RecordTable &table, bool insert, const QString &key,
                const QVariantHash &values, const QString &operatorId, const QString &logText);
