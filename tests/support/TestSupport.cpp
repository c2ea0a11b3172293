#include "TestSupport.h"

#include "core/Startup.h"
#include "platform/grid/TextGrid.h"
#include "platform/grid/TextGridDelegate.h"

#include <QDir>
#include <QFile>
#include <QStyle>
#include <sqlite3.h>

QString suppliedSqlDir()
{
    return QStringLiteral(HY_DB_DIR);
}

bool createSuppliedDatabase(const QString &file, QString *error)
{
    QDir dir(QStringLiteral(HY_DB_DIR));
    const QStringList files = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    sqlite3 *db = nullptr;
    if (sqlite3_open(QFile::encodeName(file).constData(), &db) != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return false;
    }
    for (const QString &f : files) {
        QFile in(dir.filePath(f));
        if (!in.open(QIODevice::ReadOnly))
            return false;
        char *err = nullptr;
        if (sqlite3_exec(db, in.readAll().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
            if (error)
                *error = f + QStringLiteral(": ") + QString::fromUtf8(err);
            sqlite3_free(err);
            sqlite3_close(db);
            return false;
        }
    }
    sqlite3_close(db);
    return true;
}

TestApp::TestApp()
{
    if (!m_dir.isValid())
        return;
    m_state.programDir = m_dir.path();
    QString error;
    if (!createSuppliedDatabase(m_dir.filePath(QStringLiteral("hengyuan.db")), &error)) {
        qWarning("cannot build test database: %s", qPrintable(error));
        return;
    }
    QFile::copy(QStringLiteral(HY_DB_DIR "/Setup.ini"), m_state.setupIni());
    QFile::setPermissions(m_state.setupIni(), QFile::ReadOwner | QFile::WriteOwner);
    try {
        openDatabase(m_state);
    } catch (const DbError &e) {
        qWarning("cannot open test database: %s", qPrintable(e.text()));
        return;
    }
    m_state.currentOperatorID = QStringLiteral("Administrator");
    m_state.currentOperatorName = QStringLiteral("系统管理员");
    m_ok = true;
}

TestApp::~TestApp()
{
    m_state.db.close();
}

void TestApp::seedRealisticData()
{
    seedMasterData();
    const QString name40 = QStringLiteral("长名称").repeated(13) + QStringLiteral("长");
    const QString partner = QStringLiteral(
        "insert into %1(%1ID,%1Name,TypeID,Tel,Fax,PostalCode,TaxCode,Account,Bank) values('%2','%3','%4',"
        "'021-58889999转8001','021-58889998转8002','325000','91330100MA27XXXX3K','%5','中国工商银行温州瓯海支行'),"
        "('L40','%6','%4','','','','','','')");
    const QString order = QStringLiteral("'2026-12-09','GYS002',123459219.135,'warehouse_keeper_2026'");
    const QStringList sql{
        partner.arg(u"Supplier", u"GYS002", u"温州瓯海紧固件制造有限公司", u"ST1", u"6222021202012345678", name40),
        partner.arg(u"Customer", u"KH002", u"上海浦东新区五金交电有限公司", u"CT1", u"62220212020123456789", name40),
        QStringLiteral("insert into Operator(OperatorID,OperatorName) values('warehouse_keeper_2026','%1')").arg(name40),
        QStringLiteral("insert into Product(GoodsID,GoodsName,Unit,Model,Home,ProductTypeID,BuyUnitPrice,SaleUnitPrice,"
                       "StorageID) values('6901234567892','不锈钢六角头螺栓全牙','千克/箱','GB/T 5783 M8×30','浙江温州','T1',"
                       "4938.27,4938.27,'1')"),
        QStringLiteral("insert into PurchaseOrder values('CG20261209001',%1,'B1','加急','未入库'),"
                       "('CGDD-20261209-0001',%1,'B1','加急','未入库')").arg(order),
        QStringLiteral("insert into PurchaseOrderDetail(PurchaseOrderID,GoodsID,GoodsNum,UnitPrice) "
                       "select PurchaseOrderID,'6901234567892',25000.5,4938.27 from PurchaseOrder"),
        QStringLiteral("insert into ReceiveReceipt values('CGRK-20261209-0001',%1,'A1','')").arg(order),
        QStringLiteral("insert into ReceiveReceiptDetail(ReceiveReceiptID,GoodsID,StorageID,ReceiveNumber,UnitPrice) "
                       "values('CGRK-20261209-0001','6901234567892','1',25000.5,4938.27)"),
        // Codes and numbers of one length, the wider after the narrower.
        QStringLiteral("insert into Product(GoodsID,GoodsName,Unit,Model,Home,ProductTypeID,StorageID) values"
                       "('AJ-1111-001','扳手','把','12寸','杭州','T1','1'),"
                       "('WM-MWMW-001','%1','件','M12×150mm-GB/T5783-2016-A2-70','浙江温州','T1','1')").arg(name40),
        QStringLiteral("insert into ReceiveReceiptDetail(ReceiveReceiptID,GoodsID,StorageID,ReceiveNumber,UnitPrice) "
                       "values('CGRK-20261209-0001','AJ-1111-001','1',1,1),('CGRK-20261209-0001','WM-MWMW-001','1',1,1)"),
        QStringLiteral("insert into Supplier(SupplierID,SupplierName,TypeID,TaxCode) values"
                       "('GYS001','瓯海标准件厂','ST1','913303040000000001'),('GYS003','温州标准件','ST1','91330304MA2AB3CD4E')"),
        QStringLiteral("insert into Operator(OperatorID,OperatorName) values('wangxiaoming','王小明')"),
        QStringLiteral("insert into OperatorLog values(1,'Administrator','2026-12-09 08:00:00','登录'),"
                       "(2,'wangxiaoming','2026-12-09 08:05:00','登录')"),
        QStringLiteral("insert into Pay(PayID,SupplierID,PayModeID,MustPay) values('1','L40','P1',123459219.135)"),
        QStringLiteral("insert into Income(IncomeID,CustomerID,PayModeID,MustIncome) values('1','L40','P1',123459219.135)")};
    for (const QString &q : sql)
        m_state.db.exec(q);
}

QStringList TestApp::rows(const Select &sql, const QVariantList &params)
{
    QStringList out;
    const ResultPtr rs = m_state.db.query(sql, params);
    for (int r = 0; r < rs->rowCount(); ++r) {
        QStringList f;
        for (int c = 0; c < rs->columnCount(); ++c)
            f << rs->text(r, c);
        out << f.join(QLatin1Char('|'));
    }
    return out;
}

QString TestApp::one(const Select &sql, const QVariantList &params)
{
    const QStringList r = rows(sql, params);
    return r.isEmpty() ? QString() : r.first();
}

qint64 TestApp::count(const QString &table)
{
    return m_state.db.scalar(QStringLiteral("select count(*) from ") + table).toLongLong();
}

QStringList TestApp::log()
{
    return rows(QStringLiteral("select Operation from OperatorLog order by OperatorLogID"));
}

void TestApp::seedMasterData()
{
    Database &db = m_state.db;
    const QStringList sql{
        QStringLiteral("insert into Storage values('1','主仓库'),('2','副仓库')"),
        QStringLiteral("insert into ProductType values('T1','五金')"),
        QStringLiteral("insert into SupplierType values('ST1','厂家')"),
        QStringLiteral("insert into CustomerType values('CT1','零售')"),
        QStringLiteral("insert into Supplier(SupplierID,SupplierName,TypeID) values('S1','恒远供应','ST1')"),
        QStringLiteral("insert into Customer(CustomerID,CustomerName,TypeID) values('C1','东方商店','CT1')"),
        QStringLiteral("insert into PayMode values('P1','现金'),('P2','转账')"),
        QStringLiteral("insert into Buyer values('B1','采购甲')"),
        QStringLiteral("insert into Saler values('Y1','业务乙')"),
        QStringLiteral("insert into Accepter values('A1','验货丙')"),
        QStringLiteral("insert into Returner values('R1','退货丁')"),
        QStringLiteral("insert into Checker values('K1','盘点戊')"),
        QStringLiteral("insert into Product(GoodsID,GoodsName,Unit,Model,Home,ProductTypeID,BuyUnitPrice,SaleUnitPrice,"
                       "MinStorage,StorageID,Remark) values"
                       "('G1','螺丝','盒','M4','上海','T1',2.5,3,10,'1',''),"
                       "('G2','扳手','把','12寸','杭州','T1',10,15,5,'1',''),"
                       "('G3','钳子','把','8寸','苏州','T1',4,6,0,'2','')"),
    };
    for (const QString &q : sql)
        db.exec(q);
}

bool shownWhole(const TextGrid &grid, int row, int col)
{
    const int margin = TextGridDelegate::textMargin(&grid);
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, col - 1));
    return TextGridDelegate::textWidth(grid.textMatrix(row, col), grid.font()) <= cell.width() - 2 * margin;
}
