// Times saving a goods receipt of 50 lines made from an open purchase
// order, and a delivery of 50 lines made from an open sales order: the
// checks, the save input built as the window builds it (billDraft) and the
// save (header, lines, stock, order lines and status, log entry, one
// transaction), on the benchmark database and on one ten times larger.
//
//   bench_billsave [database file] [ten-times database file]   (built when absent)

#include "BenchData.h"

#include "core/GenFunc.h"
#include "platform/db/Database.h"
#include "platform/grid/TextGridModel.h"
#include "bills/BillCheck.h"
#include "bills/BillDraft.h"
#include "bills/BillGrid.h"
#include "bills/BillStore.h"
#include "purchasing/FrmBuyIn.h"
#include "purchasing/FrmBuyOrder.h"
#include "purchasing/FrmBuyReturn.h"
#include "sales/FrmSaleOrder.h"
#include "sales/FrmSaleOut.h"
#include "sales/FrmSaleReturn.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

const int Lines = 50;

// A bill made from an order: the bill's kind, the order's kind and the
// partner both deal with.
struct Flow {
    const char *name;
    const BillKind &kind;
    const BillKind &order;
    QString partner;
};

// An open order of 50 lines for the bill to be made from.
void makeOrder(Database &db, const BillKind &kind, const QString &partner, const QString &order)
{
    Transaction t(db);
    db.exec(QStringLiteral("insert into %1(%2,OperateDate,%3,Amount,OperatorID,%4) "
                           "values(?,'2026-12-08',?,0,'Administrator','E001')")
                .arg(kind.headTable, kind.numberColumn, kind.fields[2].column, kind.fields[3].column),
            {order, partner});
    const QString line = QStringLiteral("insert into %1(%2,%3,%4,%5) values(?,?,?,?)")
                             .arg(kind.lineTable, kind.lineNumberColumn, kind.lineColumns[0].column,
                                  kind.lineColumns[1].column, kind.lineColumns[2].column);
    for (int i = 0; i < Lines; ++i)
        db.exec(line, {order, QStringLiteral("G%1").arg(i * 97 + 13, 6, 10, QLatin1Char('0')), 10, 2.5});
    t.commit();
}

double saveOnce(Database &db, const Flow &flow, const QString &number, const QString &order)
{
    const BillKind &kind = flow.kind;
    BillStore store(db, kind);
    TextGridModel model;
    BillGrid grid(model, kind);
    const double t0 = nowMs();
    // What the window holds after "关联" and choosing the storages.
    grid.load(store.orderLines(order));
    const QVector<CodeItem> storages = store.storageItems();
    for (int r = 1; r <= grid.lastLine(); ++r) {
        grid.setCell(r, ColRole::Storage, storages.first().text);
        grid.recomputeAmount(r);
    }
    grid.rewriteTotal();
    QVector<FieldInput> header;
    for (const HeaderField &f : kind.fields) {
        FieldInput in{&f, QString(), QString()};
        switch (f.kind) {
        case FieldKind::Date: in.text = QStringLiteral("2026-12-08"); break;
        case FieldKind::Number: in.text = number; break;
        case FieldKind::CodeName:
            in.code = f.masterTable == kind.fields[2].masterTable ? flow.partner : QStringLiteral("E001");
            in.text = in.code + QStringLiteral("-x");
            break;
        case FieldKind::Operator: in.code = QStringLiteral("Administrator"); in.text = in.code; break;
        default: break;
        }
        header << in;
    }
    if (auto fail = checkBill(kind, 1, header, grid, store, storages)) {
        std::fprintf(stderr, "check failed: %s\n", qPrintable(fail->message));
        return -1;
    }
    store.save(billDraft({.kind = kind,
                          .mode = 1,
                          .header = header,
                          .lines = grid,
                          .storages = storages,
                          .linkedOrder = order,
                          .operatorId = QStringLiteral("Administrator"),
                          .when = QDateTime::currentDateTime()}));
    return nowMs() - t0;
}

void run(const QString &file, int scale)
{
    if (!QFile::exists(file)) {
        std::printf("building %s (scale %d) ...\n", qPrintable(file), scale);
        std::fflush(stdout);
        QString error;
        if (!buildBenchDatabase(file, scale, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return;
        }
    } else if (!builtFromShippedSchema(file)) {
        return;
    }
    Database db(QStringLiteral("bench%1").arg(scale));
    db.open(ConnectionTarget{DbKind::Embedded, QStringLiteral("QSQLITE"), file, SqlDialect::Sqlite});
    const Flow flows[] = {{"receipt", goodsReceiptKind(), purchaseOrderKind(), QStringLiteral("S000001")},
                          {"delivery", deliveryKind(), saleOrderKind(), QStringLiteral("C000001")}};
    for (const Flow &flow : flows) {
        const qint64 bills = db.scalar(QStringLiteral("select count(*) from ") + flow.kind.headTable).toLongLong();
        QVector<double> times;
        const QString stamp = QString::number(QDateTime::currentMSecsSinceEpoch());
        for (int i = 0; i < 7; ++i) {
            const QString order = QStringLiteral("BO%1-%2").arg(stamp).arg(i);
            makeOrder(db, flow.order, flow.partner, order);
            times << saveOnce(db, flow, QStringLiteral("BR%1-%2").arg(stamp).arg(i), order);
        }
        std::sort(times.begin(), times.end());
        std::printf("%-9s %-9s bills %8lld  50-line %s from an order: median %.1f ms, best %.1f ms, worst %.1f ms\n",
                    qPrintable(QStringLiteral("scale %1").arg(scale)), flow.name, bills, flow.name,
                    times[times.size() / 2], times.first(), times.last());
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    run(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/hy-bench1.db"), 1);
    run(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/hy-bench10.db"), 10);
    return 0;
}
