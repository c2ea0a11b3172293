// The database layer, run the same way through the embedded SQLite driver
// and through ODBC (Debian's SQLite ODBC driver standing in for a server).
#include "TestSupport.h"

#include "core/GenFunc.h"
#include "platform/db/DecimalSql.h"
#include "platform/db/ValueText.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

Q_DECLARE_METATYPE(SqlText)

class TestDatabase : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_seq = 0;

    // A fresh database file opened through the named driver path.
    std::unique_ptr<Database> openFresh(const QString &via)
    {
        const QString file = m_dir.filePath(QStringLiteral("db%1.db").arg(++m_seq));
        QString error;
        if (!createSuppliedDatabase(file, &error))
            qFatal("%s", qPrintable(error));
        auto db = std::make_unique<Database>(QStringLiteral("test%1").arg(m_seq));
        ConnectionTarget target;
        if (via == QStringLiteral("odbc")) {
            target.kind = DbKind::SqlServer;
            target.driver = QStringLiteral("QODBC");
            target.databaseName = QStringLiteral("DRIVER={SQLite3};Database=%1;").arg(file);
            target.dialect = SqlDialect::Sqlite;
        } else {
            target.driver = QStringLiteral("QSQLITE");
            target.databaseName = file;
        }
        db->open(target);
        return db;
    }

    void viaColumns()
    {
        QTest::addColumn<QString>("via");
        QTest::newRow("sqlite") << QStringLiteral("sqlite");
        QTest::newRow("odbc") << QStringLiteral("odbc");
    }

private slots:
    void driversPresent()
    {
        QVERIFY(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")));
        QVERIFY(QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")));
    }

    void aliasesNameTheColumns_data() { viaColumns(); }
    void aliasesNameTheColumns()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        db->exec(QStringLiteral("insert into Product(GoodsID,GoodsName,BuyUnitPrice) values(?,?,?)"),
                 {QStringLiteral("A01"), QStringLiteral("螺丝"), 2.5});
        const ResultPtr rs = db->query(
            QStringLiteral("select GoodsID as 商品编码,GoodsName as 商品名称,BuyUnitPrice*2 as 金额 from Product"));
        QCOMPARE(rs->columns(), (QStringList{QStringLiteral("商品编码"), QStringLiteral("商品名称"),
                                             QStringLiteral("金额")}));
        QCOMPARE(rs->rowCount(), 1);
        QCOMPARE(rs->text(0, QStringLiteral("商品名称")), QStringLiteral("螺丝"));
        QCOMPARE(rs->text(0, 2), QStringLiteral("5"));
        QCOMPARE(rs->value(0, QStringLiteral("金额")).toDouble(), 5.0);
    }

    void derivedColumnsAreDecimal_data() { viaColumns(); }
    void derivedColumnsAreDecimal()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        db->exec(QStringLiteral("create table N(k text, q real, p real)"));
        db->exec(QStringLiteral("insert into N values('A',1.001,1.0625),('B',0.1,0.3),('C',null,2)"));
        const Select select(QStringLiteral("select k as 商品编码,q as 数量,p as 单价,q*p as 金额,p-q as 差 "
                                           "from N order by k"),
                            {DerivedColumn{QStringLiteral("金额"), QStringLiteral("数量"), QStringLiteral("单价")},
                             DerivedColumn{QStringLiteral("差"), QStringLiteral("单价"), QStringLiteral("数量"),
                                           DerivedColumn::Difference}});
        const ResultPtr rs = db->query(select);
        QCOMPARE(rs->text(0, 3), QStringLiteral("1.063563")); // the binary product rounds to 1.063562
        QCOMPARE(rs->value(1, 4).toDouble(), 0.2); // not 0.19999999999999998
        QVERIFY(rs->isNull(2, 3));
        // Grouped sums: each run of equal keys folded, summed exactly.
        db->exec(QStringLiteral("insert into N values('a',0.0000004,0),('a',0.0000004,0),('b',null,1),('a',0.0000004,0)"));
        const ResultPtr g = db->query(Select(QStringLiteral("select k as 键,q as 数 from N where k>'Z' order by k"), {},
                                             Grouping{{QStringLiteral("键")}, {SumColumn{QStringLiteral("数")}}}));
        QCOMPARE(g->rowCount(), 2);
        QCOMPARE(g->text(0, 1), QStringLiteral("0.000001")); // not 0.0000012, nor 0 rounded row by row
        QVERIFY(g->isNull(1, 1));
    }

    void aggregateOverEmptyTableIsNull_data() { viaColumns(); }
    void aggregateOverEmptyTableIsNull()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        QVERIFY(db->scalar(QStringLiteral("select max(OperatorLogID) from OperatorLog")).isNull());
        QVERIFY(db->scalar(QStringLiteral("select OperatorID from Operator where OperatorID=?"),
                           {QStringLiteral("nobody")})
                    .isNull());
        QVERIFY(!db->exists(QStringLiteral("select * from Storage")));
        QVERIFY(db->exists(QStringLiteral("select * from Temp")));
    }

    void awkwardTextRoundTrips_data() { viaColumns(); }
    void awkwardTextRoundTrips()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        const QStringList names{QStringLiteral("O'Brien"), QStringLiteral("'; drop table Product; --"),
                                QStringLiteral("100% 纯棉_布"), QStringLiteral("恒远 \"商贸\"")};
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(db->exec(QStringLiteral("insert into Supplier(SupplierID,SupplierName) values(?,?)"),
                              {QStringLiteral("S%1").arg(i), names[i]}),
                     qint64(1));
        }
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(db->scalar(QStringLiteral("select SupplierName from Supplier where SupplierID=?"),
                                {QStringLiteral("s%1").arg(i)})
                         .toString(),
                     names[i]);
        }
    }

    // A long result spans many blocks of every column: each value reads
    // back where it was, a column of one kind that turns mixed included.
    void longResultsReadBack_data() { viaColumns(); }
    void longResultsReadBack()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        const ResultPtr rs = db->query(QStringLiteral(
            "with recursive n(i) as (select 1 union all select i+1 from n where i<20000) "
            "select 'row-'||i||substr('abcdefghij',1,i%10) as t,"
            "case when i=15000 then null else i*0.5 end as m,"
            "case when i=12345 then printf('%.*c',70000,'x') else 'same' end as s from n"));
        QCOMPARE(rs->rowCount(), 20000);
        for (int i : {1, 8192, 8193, 16384, 20000})
            QCOMPARE(rs->text(i - 1, 0), QStringLiteral("row-%1").arg(i) + QStringLiteral("abcdefghij").left(i % 10));
        QCOMPARE(rs->text(14998, 1), QStringLiteral("7499.5"));
        QVERIFY(rs->isNull(14999, 1));
        QCOMPARE(rs->text(15000, 1), QStringLiteral("7500.5"));
        QCOMPARE(rs->text(19999, 1), QStringLiteral("10000"));
        QVERIFY(rs->holdsNumbers(1));
        QCOMPARE(rs->text(12344, 2), QString(70000, QLatin1Char('x')));
        QCOMPARE(rs->text(12345, 2), QStringLiteral("same"));
    }

    void rowsAffected_data() { viaColumns(); }
    void rowsAffected()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        for (const char *id : {"1", "2", "3"})
            db->exec(QStringLiteral("insert into Storage(StorageID,StorageName) values(?,?)"),
                     {QString::fromLatin1(id), QStringLiteral("库")});
        QCOMPARE(db->exec(QStringLiteral("update Storage set StorageName=? where StorageID<>?"),
                          {QStringLiteral("新库"), QStringLiteral("1")}),
                 qint64(2));
        QCOMPARE(db->exec(QStringLiteral("update Storage set StorageName=? where StorageID=?"),
                          {QStringLiteral("x"), QStringLiteral("9")}),
                 qint64(0));
    }

    void errorsCarryTheDriverText_data() { viaColumns(); }
    void errorsCarryTheDriverText()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        try {
            db->query(QStringLiteral("select * from NoSuchTable"));
            QFAIL("no error");
        } catch (const DbError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("NoSuchTable"), Qt::CaseInsensitive), qPrintable(e.text()));
        }
    }

    // A statement given the wrong number of values is finalized all the same.
    void mismatchedValuesLeaveNoStatement()
    {
        auto db = openFresh(QStringLiteral("sqlite"));
        QVERIFY_THROWS_EXCEPTION(DbError, db->query(QStringLiteral("select ?"), {1, 2}));
        QVERIFY(!sqlite3_next_stmt(db->sqliteHandle(), nullptr));
    }

    void failedTransactionLeavesNothing_data() { viaColumns(); }
    void failedTransactionLeavesNothing()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        db->exec(QStringLiteral("insert into Buyer(BuyerID,BuyerName) values('B1','甲')"));
        try {
            Transaction t(*db);
            db->exec(QStringLiteral("insert into Buyer(BuyerID,BuyerName) values('B2','乙')"));
            db->exec(QStringLiteral("insert into Buyer(BuyerID,BuyerName) values('b1','重复')")); // NOCASE key
            t.commit();
            QFAIL("duplicate key accepted");
        } catch (const DbError &) {
        }
        QCOMPARE(db->scalar(QStringLiteral("select count(*) from Buyer")).toInt(), 1);
        QCOMPARE(db->transactionDepth(), 0);
        // The connection goes on working afterwards.
        db->exec(QStringLiteral("insert into Buyer(BuyerID,BuyerName) values('B3','丙')"));
        QCOMPARE(db->scalar(QStringLiteral("select count(*) from Buyer")).toInt(), 2);
    }

    void transactionsNest_data() { viaColumns(); }
    void transactionsNest()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        {
            Transaction outer(*db);
            db->exec(QStringLiteral("insert into Saler(SalerID) values('1')"));
            {
                Transaction inner(*db);
                writeOperatorLog(*db, QStringLiteral("Administrator"), QDateTime::currentDateTime(),
                                 QStringLiteral("嵌套"));
                inner.commit();
            }
            outer.commit();
        }
        QCOMPARE(db->scalar(QStringLiteral("select count(*) from Saler")).toInt(), 1);
        QCOMPARE(db->scalar(QStringLiteral("select count(*) from OperatorLog")).toInt(), 1);

        // An inner part that gives up undoes the whole.
        bool threw = false;
        try {
            Transaction outer(*db);
            db->exec(QStringLiteral("insert into Saler(SalerID) values('2')"));
            {
                Transaction inner(*db);
                db->exec(QStringLiteral("insert into Saler(SalerID) values('3')"));
            }
            outer.commit();
        } catch (const DbError &) {
            threw = true;
        }
        QVERIFY(threw);
        QCOMPARE(db->scalar(QStringLiteral("select count(*) from Saler")).toInt(), 1);
    }

    void firstMatchingRowOnly_data() { viaColumns(); }
    void firstMatchingRowOnly()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        for (int i = 0; i < 3; ++i)
            db->exec(QStringLiteral("insert into PurchaseOrderDetail(PurchaseOrderID,GoodsID,GoodsNum,UnitPrice) "
                                    "values('P1',?,10,1)"),
                     {i == 2 ? QStringLiteral("B") : QStringLiteral("A")});
        const auto add = [&](double n, const QString &goods) {
            return db->execOnFirstMatch(QStringLiteral("PurchaseOrderDetail"),
                                        SqlText(decimalsql::addTo(QStringLiteral("InNum")), {decimalsql::millionths(n)}),
                                        SqlText(QStringLiteral("PurchaseOrderID=? and GoodsID=?"), {QStringLiteral("P1"), goods}));
        };
        QCOMPARE(add(4, QStringLiteral("a")), qint64(1));
        QCOMPARE(add(0.5, QStringLiteral("B")), qint64(1));
        const ResultPtr rs = db->query(QStringLiteral("select InNum from PurchaseOrderDetail order by LineID"));
        QCOMPARE(rs->text(0, 0), QStringLiteral("4"));
        QCOMPARE(rs->text(1, 0), QStringLiteral("0"));
        QCOMPARE(rs->text(2, 0), QStringLiteral("0.5"));
        QCOMPARE(add(4, QStringLiteral("C")), qint64(0));
    }

    // The server's statements cannot run here: each value, put in place of
    // its marker in order, must land where it belongs.
    void serverDialectOfFirstMatch_data()
    {
        QTest::addColumn<SqlText>("statement");
        QTest::addColumn<QString>("withValues");
        QTest::newRow("receipt") << Database::firstMatch(SqlDialect::SqlServer, QStringLiteral("PurchaseOrderDetail"),
                                                         SqlText(decimalsql::addTo(QStringLiteral("InNum")), {decimalsql::millionths(10)}),
                                                         SqlText(QStringLiteral("PurchaseOrderID=? and GoodsID=?"),
                                                                 {QStringLiteral("PO1"), QStringLiteral("G'1")}))
                                 << "with FirstRow as (select top (1) * from PurchaseOrderDetail where PurchaseOrderID='PO1' "
                                    "and GoodsID='G''1' order by LineID) update FirstRow set "
                                    "InNum=(round(InNum*1000000,0)+10000000)/1000000.0";
        QTest::newRow("write lock") << Database::writeLock(SqlDialect::SqlServer, 5000)
                                    << "set nocount on; declare @granted int; exec @granted=sp_getapplock "
                                       "@Resource='hengyuan-write',@LockMode='Exclusive',@LockOwner='Transaction',"
                                       "@LockTimeout=5000; select @granted";
    }
    void serverDialectOfFirstMatch()
    {
        QFETCH(SqlText, statement);
        QFETCH(QString, withValues);
        QStringList pieces = statement.text.split(QLatin1Char('?'));
        QCOMPARE(pieces.size(), statement.values.size() + 1);
        for (qsizetype i = 0; i < statement.values.size(); ++i) {
            const QVariant &v = statement.values.at(i);
            const QString quoted = QLatin1Char('\'') + v.toString().replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
            pieces[i + 1].prepend(v.typeId() == QMetaType::QString ? quoted : v.toString());
        }
        QCOMPARE(pieces.join(QString()), withValues);
    }

    void booleansAndDefaults_data() { viaColumns(); }
    void booleansAndDefaults()
    {
        QFETCH(QString, via);
        auto db = openFresh(via);
        db->exec(QStringLiteral("insert into Operator(OperatorID,OperatorName,UserPassword,Flage) values('x','乙','',1)"));
        const ResultPtr rs = db->query(QStringLiteral("select OperatorID,Flage as 是否停用 from Operator order by OperatorID"));
        // The SQLite ODBC driver, like QODBC for a server's bit column,
        // reports an integer: the column decides.
        QCOMPARE(rs->text(0, QStringLiteral("是否停用")), QStringLiteral("否"));
        QCOMPARE(rs->text(1, QStringLiteral("是否停用")), QStringLiteral("是"));
        QCOMPARE(rs->value(1, QStringLiteral("是否停用")).toBool(), true);
        db->exec(QStringLiteral("insert into Storage(StorageID,StorageName) values(?,?)"), {QString(), QString()});
        QCOMPARE(db->scalar(QStringLiteral("select count(*) from Storage where StorageID='' and StorageName=''")).toInt(), 1);
        db->exec(QStringLiteral("insert into Product(GoodsID) values('G')"));
        db->exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID) values('P')"));
        db->exec(QStringLiteral("insert into SaleOrder(SaleOrderID) values('S')"));
        QCOMPARE(valueText(db->scalar(QStringLiteral("select NowStorage from Product"))), QStringLiteral("0"));
        QCOMPARE(db->scalar(QStringLiteral("select Status from PurchaseOrder")).toString(), QStringLiteral("未入库"));
        QCOMPARE(db->scalar(QStringLiteral("select Status from SaleOrder")).toString(), QStringLiteral("未出库"));
    }

    void shownValues_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole double") << QVariant(1500.0) << "1500";
        QTest::newRow("fraction") << QVariant(12.5) << "12.5";
        QTest::newRow("float noise") << QVariant(0.1 + 0.2) << "0.3";
        QTest::newRow("negative") << QVariant(-20.0) << "-20";
        QTest::newRow("zero") << QVariant(0.0) << "0";
        QTest::newRow("negative zero") << QVariant(-0.0) << "0";
        QTest::newRow("integer") << QVariant(qlonglong(40000)) << "40000";
        QTest::newRow("null") << QVariant() << "";
        QTest::newRow("null text") << QVariant(QMetaType(QMetaType::QString)) << "";
        QTest::newRow("true") << QVariant(true) << "是";
        QTest::newRow("false") << QVariant(false) << "否";
        QTest::newRow("date text") << QVariant(QStringLiteral("2026-12-08")) << "2026-12-08";
        QTest::newRow("date") << QVariant(QDate(2026, 1, 2)) << "2026-01-02";
        QTest::newRow("midnight") << QVariant(QDateTime(QDate(2026, 1, 2), QTime(0, 0))) << "2026-01-02";
        QTest::newRow("date time") << QVariant(QDateTime(QDate(2026, 1, 2), QTime(8, 5, 9)))
                                   << "2026-01-02 08:05:09";
        QTest::newRow("15 digits") << QVariant(123456789012.345) << "123456789012.345";
        QTest::newRow("below 0.0001") << QVariant(0.00005) << "0.00005";
        QTest::newRow("from 10^15 on") << QVariant(1e15) << "1000000000000000";
        QTest::newRow("15 digits times three") << QVariant(999999999999999.0 * 3) << "3000000000000000";
        QTest::newRow("16 digits") << QVariant(1234567890123456.7) << "1234567890123460";
        QTest::newRow("cut on the decimal, half away") << QVariant(1234567890.123405) << "1234567890.12341";
        QTest::newRow("cut, a carry to 10^n") << QVariant(-99999.99999999996) << "-100000";
        QTest::newRow("negative tiny") << QVariant(-0.00012345) << "-0.00012345";
    }
    void shownValues()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QCOMPARE(valueText(value), text);
        if (value.typeId() == QMetaType::Double)
            QCOMPARE(numberTextLength(value.toDouble()), int(text.size()));
    }

    void readValuesShowAsStored()
    {
        auto db = openFresh(QStringLiteral("sqlite"));
        db->exec(QStringLiteral("create table V(n integer primary key, v, f BOOLEAN)"));
        const QVariantList values{qlonglong(40000), 0.1 + 0.2, qlonglong(9007199254740993), QVariant(),
                                  QStringLiteral("O'Brien 中文"), QStringLiteral("2026-12-08"), 123456789012.345};
        for (int i = 0; i < values.size(); ++i)
            db->exec(QStringLiteral("insert into V values(?,?,?)"), {i, values[i], i % 2});
        const ResultPtr rs = db->query(QStringLiteral("select v as 值, f as 标志 from V order by n"));
        const QStringList shown{"40000", "0.3", "9007199254740993", "", "O'Brien 中文", "2026-12-08", "123456789012.345"};
        QCOMPARE(rs->rowCount(), int(shown.size()));
        for (int r = 0; r < rs->rowCount(); ++r) {
            QCOMPARE(rs->text(r, 0), shown[r]);
            QCOMPARE(rs->value(r, 0), values[r]);
            QCOMPARE(rs->text(r, 1), r % 2 ? QStringLiteral("是") : QStringLiteral("否"));
        }
        QVERIFY(rs->isNull(3, 0));
        QVERIFY(!rs->isNull(3, 1));
    }

    void placeholders()
    {
        QCOMPARE(Database::placeholders(0), QString());
        QCOMPARE(Database::placeholders(1), QStringLiteral("?"));
        QCOMPARE(Database::placeholders(3), QStringLiteral("?,?,?"));
    }
};

QTEST_MAIN(TestDatabase)
#include "test_database.moc"
