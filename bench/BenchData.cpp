#include "BenchData.h"

#include "platform/db/Database.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <chrono>
#include <cstdio>
#include <random>
#include <sqlite3.h>
#include <unistd.h>

namespace {

struct Stmt {
    sqlite3_stmt *s = nullptr;
    Stmt(sqlite3 *db, const char *sql) { sqlite3_prepare_v2(db, sql, -1, &s, nullptr); }
    ~Stmt() { sqlite3_finalize(s); }
    Stmt &text(int i, const std::string &v)
    {
        sqlite3_bind_text(s, i, v.c_str(), int(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Stmt &num(int i, double v)
    {
        sqlite3_bind_double(s, i, v);
        return *this;
    }
    bool run()
    {
        const int rc = sqlite3_step(s);
        sqlite3_reset(s);
        return rc == SQLITE_DONE;
    }
};

std::string id(const char *prefix, long n, int width = 6)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s%0*ld", prefix, width, n);
    return buf;
}

std::string date(long n)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "20%02ld-%02ld-%02ld", 20 + (n / 336) % 7, 1 + (n / 28) % 12, 1 + n % 28);
    return buf;
}

bool exec(sqlite3 *db, const char *sql, QString *error)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(err);
        sqlite3_free(err);
        return false;
    }
    return true;
}

// The files of db/, in the order of their names: the shipped schema and seed.
bool runShippedSql(sqlite3 *db, QString *error)
{
    QDir dir(QStringLiteral(HY_DB_DIR));
    for (const QString &f : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        QFile in(dir.filePath(f));
        in.open(QIODevice::ReadOnly);
        if (!exec(db, in.readAll().constData(), error))
            return false;
    }
    return true;
}

// Every table and index of a database, with its SQL text (SQLite's own
// tables, such as the statistics ANALYZE writes, left out).
QStringList schemaOf(sqlite3 *db)
{
    QStringList out;
    Stmt s(db, "select type||' '||name||' '||coalesce(sql,'') from sqlite_master "
               "where name not like 'sqlite%' order by type,name");
    while (sqlite3_step(s.s) == SQLITE_ROW)
        out << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s.s, 0)));
    return out;
}

} // namespace

bool builtFromShippedSchema(const QString &file)
{
    sqlite3 *shipped = nullptr, *built = nullptr;
    sqlite3_open(":memory:", &shipped);
    const bool ran = runShippedSql(shipped, nullptr);
    const bool opened =
        sqlite3_open_v2(QFile::encodeName(file).constData(), &built, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    const bool same = ran && opened && schemaOf(shipped) == schemaOf(built);
    sqlite3_close(built);
    sqlite3_close(shipped);
    if (!same)
        std::fprintf(stderr, "%s was built from another schema than the one in db/: delete it to build it again\n",
                     qPrintable(file));
    return same;
}

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

bool ensureBenchDatabase(const QString &file)
{
    if (QFile::exists(file))
        return builtFromShippedSchema(file);
    std::printf("building %s ...\n", qPrintable(file));
    std::fflush(stdout);
    const double t0 = nowMs();
    QString error;
    if (!buildBenchDatabase(file, 1, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    std::printf("built in %.1f s\n", (nowMs() - t0) / 1000);
    return true;
}

bool openBenchDatabase(Database &db, int argc, char **argv)
{
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/hengyuan_bench.db");
    if (!ensureBenchDatabase(file))
        return false;
    try {
        db.open(ConnectionTarget{DbKind::Embedded, QStringLiteral("QSQLITE"), file, SqlDialect::Sqlite});
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return false;
    }
    return true;
}

double residentMb()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

bool buildBenchDatabase(const QString &file, int scale, QString *error)
{
    QFile::remove(file);
    sqlite3 *db = nullptr;
    if (sqlite3_open(QFile::encodeName(file).constData(), &db) != SQLITE_OK) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(file);
        return false;
    }
    if (!runShippedSql(db, error)) {
        sqlite3_close(db);
        return false;
    }
    exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN", error);

    std::mt19937 rnd(20261208);
    auto pick = [&rnd](long n) { return long(rnd() % unsigned(n)) + 1; };
    const long goods = 10000L * scale, suppliers = 500L * scale, customers = 2000L * scale;
    const long staff = 20, storages = 20, types = 50;

    {
        Stmt s(db, "insert into Storage values(?,?)");
        for (long i = 1; i <= storages; ++i)
            s.text(1, std::to_string(i)).text(2, "仓库" + std::to_string(i)).run();
    }
    {
        Stmt s(db, "insert into ProductType values(?,?)");
        for (long i = 1; i <= types; ++i)
            s.text(1, id("T", i, 3)).text(2, "类别" + std::to_string(i)).run();
    }
    for (const char *t : {"SupplierType", "CustomerType"}) {
        const std::string sql = std::string("insert into ") + t + " values(?,?)";
        Stmt s(db, sql.c_str());
        for (long i = 1; i <= 10; ++i)
            s.text(1, id("K", i, 2)).text(2, "类型" + std::to_string(i)).run();
    }
    {
        Stmt s(db, "insert into PayMode values(?,?)");
        for (long i = 1; i <= 5; ++i)
            s.text(1, std::to_string(i)).text(2, "方式" + std::to_string(i)).run();
    }
    for (const char *t : {"Buyer", "Saler", "Accepter", "Returner", "Checker"}) {
        const std::string sql = std::string("insert into ") + t + " values(?,?)";
        Stmt s(db, sql.c_str());
        for (long i = 1; i <= staff; ++i)
            s.text(1, id("E", i, 3)).text(2, std::string(t) + std::to_string(i)).run();
    }
    {
        Stmt s(db, "insert into Operator(OperatorID,OperatorName,UserPassword,Flage) values(?,?,'',0)");
        for (long i = 1; i <= 10; ++i)
            s.text(1, id("op", i, 2)).text(2, "操作员" + std::to_string(i)).run();
    }
    auto partners = [&](const char *table, const char *prefix, long n) {
        const std::string sql = std::string("insert into ") + table +
                                " values(?,?,'0571-88888888','杭州市西湖区文三路100号','310000',?,'91330100','6222000011112222',"
                                "'工商银行','张经理','采购部经理','0571-88888889','a@b.cn','')";
        Stmt s(db, sql.c_str());
        for (long i = 1; i <= n; ++i)
            s.text(1, id(prefix, i)).text(2, std::string("往来单位") + std::to_string(i)).text(3, id("K", pick(10), 2)).run();
    };
    partners("Supplier", "S", suppliers);
    partners("Customer", "C", customers);
    {
        Stmt s(db, "insert into Product values(?,?,'个','规格A','上海',?,?,?,?,?,'',?)");
        for (long i = 1; i <= goods; ++i)
            s.text(1, id("G", i)).text(2, "商品" + std::to_string(i)).text(3, id("T", pick(types), 3))
                .num(4, double(pick(1000)) / 4).num(5, double(pick(1000)) / 3).num(6, double(pick(50)))
                .text(7, std::to_string(pick(storages))).num(8, double(pick(500)))
                .run();
    }

    // Bills with five lines each.
    auto bills = [&](const char *head, const char *line, const char *prefix, long n, bool storageColumn,
                     const char *extra) {
        Stmt h(db, head);
        Stmt l(db, line);
        for (long i = 1; i <= n; ++i) {
            const std::string no = id(prefix, i, 7);
            h.text(1, no).text(2, date(i));
            (void)extra;
            h.run();
            for (int k = 0; k < 5; ++k) {
                l.text(1, no).text(2, id("G", pick(goods)));
                int p = 3;
                if (storageColumn)
                    l.text(p++, std::to_string(pick(storages)));
                l.num(p++, double(pick(100))).num(p, double(pick(400)) / 4).run();
            }
        }
    };
    const std::string sup = id("S", 1), cus = id("C", 1);
    (void)sup;
    (void)cus;
    bills("insert into PurchaseOrder(PurchaseOrderID,OperateDate,SupplierID,Amount,OperatorID,BuyerID,Remark) "
          "values(?1,?2,'S000001',1234.5,'Administrator','E001','')",
          "insert into PurchaseOrderDetail(PurchaseOrderID,GoodsID,GoodsNum,UnitPrice) values(?,?,?,?)", "PO",
          50000L * scale, false, nullptr);
    bills("insert into ReceiveReceipt(ReceiveReceiptID,OperateDate,SupplierID,Amount,OperatorID,AccepterID,Remark) "
          "values(?1,?2,'S000002',2345.5,'Administrator','E002','')",
          "insert into ReceiveReceiptDetail(ReceiveReceiptID,GoodsID,StorageID,ReceiveNumber,UnitPrice) values(?,?,?,?,?)",
          "RK", 100000L * scale, true, nullptr);
    bills("insert into SaleOrder(SaleOrderID,OperateDate,CustomerID,Amount,OperatorID,SalerID,Remark) "
          "values(?1,?2,'C000001',999,'Administrator','E003','')",
          "insert into SaleOrderDetail(SaleOrderID,GoodsID,GoodsNumber,UnitPrice) values(?,?,?,?)", "SO",
          50000L * scale, false, nullptr);
    bills("insert into SaleOut(SaleOutID,OperateDate,CustomerID,Amount,OperatorID,SalerID,Remark) "
          "values(?1,?2,'C000002',888,'Administrator','E004','')",
          "insert into SaleOutDetail(SaleOutID,GoodsID,StorageID,GoodsNumber,UnitPrice) values(?,?,?,?,?)", "CK",
          100000L * scale, true, nullptr);
    bills("insert into PurchaseReturn(PurchaseReturnID,OperateDate,SupplierID,Amount,BuyerID,ReturnerID,ReturnDate,"
          "OperatorID,Remark) values(?1,?2,'S000003',10,'E001','E001',?2,'Administrator','')",
          "insert into PurchaseReturnDetail(PurchaseReturnID,GoodsID,ReturnNumber,UnitPrice) values(?,?,?,?)", "TH",
          10000L * scale, false, nullptr);
    bills("insert into SaleReturn(SaleReturnID,OperateDate,CustomerID,Amount,SalerID,AccepterID,ReturnDate,"
          "OperatorID,Remark) values(?1,?2,'C000003',10,'E001','E001',?2,'Administrator','')",
          "insert into SaleReturnDetail(SaleReturnID,GoodsID,ReturnNumber,UnitPrice) values(?,?,?,?)", "XT",
          10000L * scale, false, nullptr);
    {
        Stmt p(db, "insert into Pay values(?,?,?,?,?,?,'Administrator','',?)");
        Stmt in(db, "insert into Income values(?,?,?,?,?,?,'Administrator','',?)");
        for (long i = 1; i <= 20000L * scale; ++i) {
            p.text(1, id("", i, 8)).text(2, date(i)).text(3, id("S", pick(suppliers))).text(4, std::to_string(pick(5)))
                .num(5, double(pick(10000))).num(6, double(pick(10000))).text(7, id("RK", i, 7)).run();
            in.text(1, id("", i, 8)).text(2, date(i)).text(3, id("C", pick(customers))).text(4, std::to_string(pick(5)))
                .num(5, double(pick(10000))).num(6, double(pick(10000))).text(7, id("CK", i, 7)).run();
        }
    }
    {
        Stmt h(db, "insert into CheckNumber values(?,?,'E001','Administrator','',null)");
        Stmt l(db, "insert into CheckNumberDetail(CheckID,GoodsID,StorageNumber,CheckNumber,ProfitLoss,Reason) "
                   "values(?,?,?,?,'盘平','')");
        for (long i = 1; i <= 1000L * scale; ++i) {
            const std::string no = id("PD", i, 6);
            h.text(1, no).text(2, date(i)).run();
            for (int k = 0; k < 5; ++k) {
                const double q = double(pick(100));
                l.text(1, no).text(2, id("G", pick(goods))).num(3, q).num(4, q).run();
            }
        }
    }
    {
        Stmt s(db, "insert into OperatorLog values(?,'Administrator',?,'系统登录')");
        for (long i = 1; i <= 50000L * scale; ++i)
            s.num(1, double(i)).text(2, date(i) + " 08:00:00").run();
    }
    const bool ok = exec(db, "COMMIT; ANALYZE", error);
    sqlite3_close(db);
    return ok;
}
