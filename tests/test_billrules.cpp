// The bill rules without a window: numbers, the grid's total row, the
// checks, and what a save writes (stock, orders, the log, all or nothing).
#include "TestSupport.h"

#include "platform/grid/TextGridModel.h"
#include "bills/BillCheck.h"
#include "bills/BillGrid.h"
#include "bills/BillNumbers.h"
#include "bills/BillStore.h"
#include "bills/VoucherStore.h"
#include "purchasing/FrmBuyIn.h"
#include "purchasing/FrmBuyOrder.h"
#include "purchasing/FrmBuyReturn.h"

#include <QtTest>

namespace {

BillLine line(const QString &goods, double qty, double price, const QVariantList &values)
{
    BillLine l;
    l.goodsId = goods;
    l.qty = qty;
    l.values = values;
    Q_UNUSED(price);
    return l;
}

// A goods receipt of the given lines (goods, storage, qty, price).
BillDraft receipt(const QString &number, const QVector<std::tuple<QString, QString, double, double>> &lines)
{
    BillDraft d;
    d.number = number;
    d.head = {{QStringLiteral("OperateDate"), QStringLiteral("2026-12-08")},
              {QStringLiteral("SupplierID"), QStringLiteral("S1")},
              {QStringLiteral("AccepterID"), QStringLiteral("A1")},
              {QStringLiteral("Remark"), QStringLiteral("O'Brien 的货")},
              {QStringLiteral("OperatorID"), QStringLiteral("Administrator")}};
    for (const auto &[goods, storage, qty, price] : lines) {
        d.lines << line(goods, qty, price, {goods, storage, qty, price});
        d.amount += qty * price;
    }
    d.operatorId = QStringLiteral("Administrator");
    d.when = QDateTime(QDate(2026, 12, 8), QTime(10, 0));
    return d;
}

double stock(TestApp &app, const QString &goods)
{
    return app.db().scalar(QStringLiteral("select NowStorage from Product where GoodsID=?"), {goods}).toDouble();
}

} // namespace

class TestBillRules : public QObject
{
    Q_OBJECT

private slots:
    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("unit after") << "12kg" << 12.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("leading blanks") << "  -2" << -2.0;
        QTest::newRow("comma ends it") << "1,000" << 1.0;
        QTest::newRow("blank inside") << "1 2" << 12.0;
        QTest::newRow("fraction") << "12.50元" << 12.5;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("amount text") << " 7.5" << 7.5;
        QTest::newRow("two points") << "1.2.3" << 1.2;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(billnum::val(text), value);
    }

    void strictNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("plain");
        QTest::newRow("integer") << "12" << true;
        QTest::newRow("blanks around") << " 2.5 " << true;
        QTest::newRow("negative") << "-3" << true;
        QTest::newRow("point first") << ".5" << true;
        QTest::newRow("unit after") << "5x" << false;
        QTest::newRow("thousands") << "1,000" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "  " << false;
        QTest::newRow("exponent") << "1e5" << false;
        QTest::newRow("sign only") << "-" << false;
        QTest::newRow("overflow") << "99999999999999999999" << false;
        QTest::newRow("fullwidth digits") << "１２" << false;
    }
    void strictNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, plain);
        QCOMPARE(billnum::strictNumber(text), plain);
    }

    void amountAndBalanceTexts()
    {
        QCOMPARE(billnum::amountText(3 * 2.5), QStringLiteral(" 7.5"));
        QCOMPARE(billnum::amountText(1500), QStringLiteral(" 1500"));
        QCOMPARE(billnum::amountText(-20), QStringLiteral("-20"));
        QCOMPARE(billnum::amountText(0), QStringLiteral(" 0"));
        QCOMPARE(billnum::amountText(0.1 * 3), QStringLiteral(" 0.3"));
        QCOMPARE(billnum::balanceText(100 - 30.5), QStringLiteral("69.5"));
        QCOMPARE(billnum::balanceText(100 - 120), QStringLiteral("-20"));
        QCOMPARE(billnum::balanceText(0.5), QStringLiteral(".5"));
        QCOMPARE(billnum::balanceText(-0.25), QStringLiteral("-.25"));
        QCOMPARE(billnum::balanceText(12), QStringLiteral("12"));
    }

    void voucherNumbers_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<int>("idByte");
        QTest::addColumn<QString>("next");
        QTest::newRow("none") << QStringList{} << 4 << "0001";
        QTest::newRow("next") << QStringList{"0041", "0099"} << 4 << "0100";
        QTest::newRow("zero") << QStringList{"0000"} << 4 << "0001";
        QTest::newRow("ten zeros at most") << QStringList{} << 12 << "00000000001";
        QTest::newRow("eleven wide") << QStringList{"41"} << 11 << "00000000042";
        QTest::newRow("outgrows the width") << QStringList{"9999"} << 4 << "10000";
        QTest::newRow("mixed widths") << QStringList{"0099", "000100"} << 4 << "0101";
        QTest::newRow("not a number") << QStringList{"abc", "0007"} << 4 << "0008";
        QTest::newRow("width below one") << QStringList{"5"} << 0 << "6";
    }
    void voucherNumbers()
    {
        QFETCH(QStringList, ids);
        QFETCH(int, idByte);
        QFETCH(QString, next);
        QCOMPARE(nextVoucherNumber(ids, idByte), next);
    }

    void totalRowFollowsEveryChange()
    {
        TextGridModel model;
        BillGrid g(model, FrmBuyIn::billKind());
        g.startNew();
        QCOMPARE(g.rows(), 2);
        QCOMPARE(g.cell(0, 5), QStringLiteral("库位"));
        QCOMPARE(g.cell(1, 1), QString()); // the empty row standing in for the total row
        g.addLineAtTotal();
        QCOMPARE(g.rows(), 3);
        QCOMPARE(g.cell(2, 1), QStringLiteral("金额合计"));
        g.setCell(1, ColRole::Qty, QStringLiteral("3"));
        g.setCell(1, ColRole::Price, QStringLiteral("2.5"));
        g.recomputeAmount(1);
        g.rewriteTotal();
        QCOMPARE(g.cell(1, 8), QStringLiteral(" 7.5"));
        QCOMPARE(g.cell(2, 8), QStringLiteral(" 7.5"));
        const int added = g.insertLineAtEnd();
        QCOMPARE(added, 2);
        QCOMPARE(g.rows(), 4);
        QCOMPARE(g.cell(3, 1), QStringLiteral("金额合计"));
        QCOMPARE(g.cell(3, 8), QStringLiteral(" 7.5"));
        QCOMPARE(g.lastLine(), 2);
        QVERIFY(g.hasContent(1));
        QVERIFY(!g.hasContent(2));
        g.setCell(2, ColRole::Qty, QStringLiteral("   "));
        QVERIFY(!g.hasContent(2)); // blanks only: an empty line
    }

    void saveReceiptRaisesStockByEachLine()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        BillStore store(app.db(), FrmBuyIn::billKind());
        store.save(receipt(QStringLiteral("R001"), {{"G1", "1", 3, 2.5}, {"G1", "2", 4, 1}, {"G2", "1", -2, 10}}));
        QCOMPARE(stock(app, QStringLiteral("G1")), 7.0);
        QCOMPARE(stock(app, QStringLiteral("G2")), -2.0);
        QCOMPARE(stock(app, QStringLiteral("G3")), 0.0);
        QCOMPARE(app.one(QStringLiteral("select ReceiveReceiptID,SupplierID,Amount,AccepterID,Remark from ReceiveReceipt")),
                 QStringLiteral("R001|S1|-8.5|A1|O'Brien 的货"));
        QCOMPARE(app.count(QStringLiteral("ReceiveReceiptDetail")), 3);
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加单据号为R001的采购入库单")});
        QVERIFY(store.numberExists(QStringLiteral("r001")));
        // Stock after a bill is the decimal sum.
        app.db().exec(QStringLiteral("update Product set NowStorage=0.1 where GoodsID='G3'"));
        store.save(receipt(QStringLiteral("R002"), {{"G3", "1", 0.2, 1}}));
        QCOMPARE(app.one(QStringLiteral("select count(*) from Product where GoodsID='G3' and NowStorage=0.3")),
                 QStringLiteral("1"));
        app.db().exec(QStringLiteral("insert into Product(GoodsID,GoodsName) values('ä1','小'),('Ä1','大')"));
        store.save(receipt(QStringLiteral("R003"), {{"ä1", "1", 1, 1}, {"Ä1", "1", 2, 1}})); // two goods
        QCOMPARE(stock(app, QStringLiteral("ä1")), 1.0);
        QCOMPARE(stock(app, QStringLiteral("Ä1")), 2.0);
    }

    void receiptFromAnOrderRaisesTheFirstOrderLine()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        Database &db = app.db();
        db.exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID,SupplierID,OperatorID,BuyerID) "
                               "values('P1','S1','Administrator','B1')"));
        db.exec(QStringLiteral("insert into PurchaseOrderDetail(PurchaseOrderID,GoodsID,GoodsNum,UnitPrice) "
                               "values('P1','G1',10,2.5),('P1','G1',5,2.5),('P1','G2',1,10)"));
        BillStore store(db, FrmBuyIn::billKind());
        QCOMPARE(store.openOrders()->rowCount(), 1);
        BillDraft d = receipt(QStringLiteral("R1"), {{"G1", "1", 4, 2.5}, {"G3", "1", 1, 4}});
        d.linkedOrder = QStringLiteral("P1");
        store.save(d); // G3 is not on the order: its line leaves the order alone
        QCOMPARE(app.rows(QStringLiteral("select InNum from PurchaseOrderDetail order by LineID")),
                 (QStringList{"4", "0", "0"}));
        QCOMPARE(app.one(QStringLiteral("select Status from PurchaseOrder")), QStringLiteral("已入库"));
        QCOMPARE(stock(app, QStringLiteral("G3")), 1.0);
        QCOMPARE(store.openOrders()->rowCount(), 0);
    }

    void failedSaveLeavesNothing()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        Database &db = app.db();
        db.exec(QStringLiteral("create trigger refuse before insert on ReceiveReceiptDetail when new.GoodsID='G2' "
                               "begin select raise(fail, '第二行写入失败'); end"));
        BillStore store(db, FrmBuyIn::billKind());
        try {
            store.save(receipt(QStringLiteral("R1"), {{"G1", "1", 3, 2.5}, {"G2", "1", 1, 10}}));
            QFAIL("saved");
        } catch (const DbError &e) {
            QCOMPARE(e.text(), QStringLiteral("第二行写入失败"));
        }
        QCOMPARE(app.count(QStringLiteral("ReceiveReceipt")), 0);
        QCOMPARE(app.count(QStringLiteral("ReceiveReceiptDetail")), 0);
        QCOMPARE(stock(app, QStringLiteral("G1")), 0.0);
        QCOMPARE(app.log(), QStringList());
    }

    void failedModifyKeepsTheOldLines()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        BillStore store(app.db(), FrmBuyIn::billKind());
        store.save(receipt(QStringLiteral("R1"), {{"G1", "1", 3, 2.5}}));
        app.db().exec(QStringLiteral("create trigger refuse before insert on ReceiveReceiptDetail when new.GoodsID='G2' "
                                     "begin select raise(fail, 'no'); end"));
        BillDraft d = receipt(QStringLiteral("R1"), {{"G3", "2", 9, 1}, {"G2", "1", 1, 10}});
        d.mode = 2;
        QVERIFY_THROWS_EXCEPTION(DbError, store.save(d));
        QCOMPARE(app.rows(QStringLiteral("select GoodsID,ReceiveNumber from ReceiveReceiptDetail")),
                 QStringList{QStringLiteral("G1|3")});
        QCOMPARE(app.log().size(), 1);
    }

    void modifyChangesLinesButNeverStock()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        BillStore store(app.db(), FrmBuyIn::billKind());
        store.save(receipt(QStringLiteral("R1"), {{"G1", "1", 3, 2.5}}));
        BillDraft d = receipt(QStringLiteral("R1"), {{"G1", "1", 30, 2.5}, {"G2", "2", 2, 10}});
        d.mode = 2;
        d.head[4].second = QStringLiteral("someone"); // the maker shown is what is kept
        store.save(d);
        QCOMPARE(stock(app, QStringLiteral("G1")), 3.0);
        QCOMPARE(stock(app, QStringLiteral("G2")), 0.0);
        QCOMPARE(app.one(QStringLiteral("select Amount,OperatorID from ReceiveReceipt")), QStringLiteral("95|someone"));
        QCOMPARE(app.count(QStringLiteral("ReceiveReceiptDetail")), 2);
        QCOMPARE(app.log().last(), QStringLiteral("修改单据号为R1的采购入库单"));
    }

    void purchaseReturnLowersStock()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        BillStore store(app.db(), FrmBuyReturn::billKind());
        BillDraft d;
        d.number = QStringLiteral("T1");
        d.head = {{QStringLiteral("SupplierID"), QStringLiteral("S1")}};
        d.lines << line(QStringLiteral("G1"), 2, 1, {QStringLiteral("G1"), 2.0, 1.0})
                << line(QStringLiteral("G1"), 3, 1, {QStringLiteral("G1"), 3.0, 1.0})
                << line(QStringLiteral("G2"), -1, 1, {QStringLiteral("G2"), -1.0, 1.0});
        d.operatorId = QStringLiteral("Administrator");
        store.save(d);
        QCOMPARE(stock(app, QStringLiteral("G1")), -5.0);
        QCOMPARE(stock(app, QStringLiteral("G2")), 1.0);
        d.mode = 2;
        store.save(d);
        QCOMPARE(stock(app, QStringLiteral("G1")), -5.0);
        QCOMPARE(app.log().last(), QStringLiteral("修改单据号为T1的采购退货单"));
    }

    void modifiedOrderKeepsWhatWasReceived()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        BillStore store(app.db(), FrmBuyOrder::billKind());
        BillDraft d;
        d.number = QStringLiteral("P1");
        d.lines << line(QStringLiteral("G1"), 10, 2, {QStringLiteral("G1"), 10.0, 2.0, 0.0});
        d.operatorId = QStringLiteral("Administrator");
        store.save(d);
        QCOMPARE(app.one(QStringLiteral("select Status,Amount from PurchaseOrder")), QStringLiteral("未入库|0"));
        app.db().exec(QStringLiteral("update PurchaseOrderDetail set InNum=4"));
        const ResultPtr loaded = store.lines(QStringLiteral("P1"));
        QCOMPARE(loaded->text(0, QStringLiteral("入库数量")), QStringLiteral("4"));
        QCOMPARE(loaded->text(0, QStringLiteral("金额")), QStringLiteral("20"));
        d.mode = 2;
        d.lines[0].values = {QStringLiteral("G1"), 12.0, 2.0, 4.0};
        store.save(d);
        QCOMPARE(app.one(QStringLiteral("select GoodsNum,InNum from PurchaseOrderDetail")), QStringLiteral("12|4"));
        QCOMPARE(keptLines({QStringLiteral("Ä1"), QStringLiteral("g1")}, {QStringLiteral("ä1"), QStringLiteral("G1")}),
                 (QVector<int>{-1, 1}));
    }

    void pickedGoodsComeInTheOrderChosen()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        BillStore store(app.db(), FrmBuyOrder::billKind());
        const ResultPtr rs = store.pickedGoods({QStringLiteral("G3"), QStringLiteral("g1"), QStringLiteral("none")});
        QCOMPARE(rs->rowCount(), 2);
        QCOMPARE(rs->text(0, 0), QStringLiteral("G3"));
        QCOMPARE(rs->text(1, QStringLiteral("单价")), QStringLiteral("2.5"));
        app.db().exec(QStringLiteral("insert into Product(GoodsID,GoodsName,StorageID) values('ä1','小','1'),('Ä1','大','1')"));
        const ResultPtr both = store.pickedGoods({QStringLiteral("Ä1"), QStringLiteral("ä1")});
        QCOMPARE(both->text(0, 0) + both->text(1, 0), QStringLiteral("Ä1ä1"));
        QStringList many;
        for (int i = 0; i < 1200; ++i)
            many << QStringLiteral("X%1").arg(i);
        many << QStringLiteral("G2");
        QCOMPARE(store.pickedGoods(many)->rowCount(), 1); // beyond one statement's parameters
    }
};

QTEST_MAIN(TestBillRules)
#include "test_billrules.moc"
