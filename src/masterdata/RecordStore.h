#pragma once

#include "FieldInput.h"

#include <QPair>
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

// What the editors and the goods picker read. Each throws DbError.

// The "code-name" items of a master table whose columns are <table>ID and
// <table>Name, in code order.
QVector<CodeItem> masterItems(const Database &db, const QString &table);
// The goods item with its category's and storage's names (left joins, so an
// item whose category or storage is gone still loads); no row when there is
// no such item.
ResultPtr goodsRecord(const Database &db, const QString &key);
// One record of table: each column under its alias, keyColumn = key.
ResultPtr recordOf(const Database &db, const QString &table, const QString &keyColumn,
                   const QVector<QPair<QString, QString>> &columnsAs, const QString &key);
// A customer or supplier (table "Customer" or "Supplier"): its columns under
// their aliases and its category's name as 类别名称 (a left join).
ResultPtr partnerRecord(const Database &db, const QString &table, const QVector<QPair<QString, QString>> &columnsAs,
                        const QString &key);
// Every goods item with its storage's name and its purchase price, by code:
// the goods picker's list.
ResultPtr goodsPickList(const Database &db);
