#pragma once

// Data for the backup and restore tests: bills saved as the bill windows
// save them, and a look into database files beside the live one.
#include "TestSupport.h"

#include "core/DbOperation.h"
#include "core/GenFunc.h"

#include <QFile>
#include <QtTest>
#include <sqlite3.h>

namespace backuptest {

// A purchase order with one line and its log entry, saved in one transaction.
inline void saveOrder(TestApp &app, const QString &id, double amount)
{
    Database &db = app.db();
    Transaction t(db);
    db.exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID,OperateDate,SupplierID,Amount,OperatorID,BuyerID) "
                           "values(?,'2026-12-08','S1',?,'Administrator','B1')"),
            {id, amount});
    db.exec(QStringLiteral("insert into PurchaseOrderDetail(PurchaseOrderID,GoodsID,GoodsNum,UnitPrice) values(?,'G1',?,1)"),
            {id, amount});
    writeOperatorLog(db, QStringLiteral("Administrator"), QDateTime::currentDateTime(),
                     QStringLiteral("添加单据号为%1的采购订单").arg(id));
    t.commit();
}

inline QStringList orders(Database &db)
{
    QStringList ids;
    const ResultPtr rs = db.query(QStringLiteral("select PurchaseOrderID from PurchaseOrder order by PurchaseOrderID"));
    for (int r = 0; r < rs->rowCount(); ++r)
        ids << rs->text(r, 0);
    return ids;
}

// The purchase orders held in a database file, read through a connection
// of its own.
inline QStringList ordersIn(const QString &file)
{
    Database probe(QStringLiteral("probe"));
    probe.open(ConnectionTarget{DbKind::Embedded, QStringLiteral("QSQLITE"), file, SqlDialect::Sqlite});
    return orders(probe);
}

inline QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Runs sql on an SQLite file, made new when it does not exist.
inline void runSql(const QString &file, const QByteArray &sql)
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// A live database whose backup file holds the order PO1, with the order
// PO2 saved after the backup was taken.
struct BackedUp {
    TestApp app;
    QTemporaryDir out;
    QString file;

    explicit BackedUp(const QString &name = QStringLiteral("backup.db"))
    {
        if (!app.ok())
            return;
        app.seedMasterData();
        saveOrder(app, QStringLiteral("PO1"), 10);
        file = out.filePath(name);
        dbop::backupSqlite(app.db().sqliteHandle(), file);
        saveOrder(app, QStringLiteral("PO2"), 20);
    }
    bool ok() const { return app.ok() && QFile::exists(file); }
};

// The page number of a table's root in a database file.
inline int rootPage(const QString &file, const char *table)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "select rootpage from sqlite_master where name=?", -1, &st, nullptr);
    sqlite3_bind_text(st, 1, table, -1, SQLITE_STATIC);
    const int page = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
    sqlite3_finalize(st);
    sqlite3_close(db);
    return page;
}

} // namespace backuptest
